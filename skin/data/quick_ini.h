// Read-only reader of a skin definition: INI-style single-byte text parsed once into its
// significant lines and a section index, then answering string and integer lookups.
// Lookups never fail: a missing section or key, or a malformed number, gives the default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TQuickIni {
public:
    struct TSection {
        std::string Header;  // trimmed header line, brackets included
        int Line = 0;        // index of the header in Lines()
    };

    // Parses `text`, replacing what was loaded before. A byte 0 ends the text.
    void LoadFromStream(std::string_view text);
    void LoadFromStream(std::span<const std::uint8_t> bytes);
    // Parses from the stream's current position to its end; a null stream changes nothing.
    // A read error of the stream leaves the reader unchanged and throws std::ios_base::failure.
    void LoadFromStream(std::istream* stream);

    // Index in Lines() of the first header "[" + section + "]" (ASCII case-insensitive),
    // or -1.
    int SectionLine(std::string_view section) const;

    // Value of the first line with `key` in `section`; `value` becomes `defaultValue` when
    // the section or key is missing or that first line's value is empty.
    void ReadString(std::string_view section, std::string_view key, std::string& value,
                    std::string_view defaultValue) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue = {}) const;

    // ReadString converted to a 32-bit integer ("0x"/"0X" prefix read as "$"), or
    // `defaultValue` when the text is empty or not a valid number.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    // Section names without brackets, trimmed, in file order (duplicates included).
    void ReadSections(std::vector<std::string>& list) const;
    std::vector<std::string> ReadSections() const;

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<TSection>& Sections() const { return sections_; }

private:
    struct TLineParts {
        std::string Key;             // lower-case key, empty when the line has no "="
        std::size_t ValueStart = 0;  // value = line.substr(ValueStart), trimmed; npos if no "="
        bool IsHeader = false;
    };

    std::vector<std::string> lines_;
    std::vector<TLineParts> parts_;
    std::vector<TSection> sections_;
};

// The framework's string-to-integer conversion: optional "+" or "-", then decimal digits
// or "$" and hexadecimal digits, nothing else. Decimal must lie in the signed 32-bit range.
// Hexadecimal is read as a 32-bit pattern: up to 0xFFFFFFFF is accepted and taken as its
// two's-complement value ("$FFFFFFFF" is -1, "$80000000" is INT32_MIN); a "-" then negates
// that value modulo 2^32. Returns nothing for anything else.
std::optional<std::int32_t> ParseFrameworkInteger(std::string_view text);

// Removes the bytes up to 0x20 at both ends.
std::string_view TrimIniText(std::string_view text);

}  // namespace skin
