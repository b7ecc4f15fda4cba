#include "skin/data/quick_ini.h"

#include <array>
#include <ios>

#include "skin/data/ascii_case.h"

namespace skin {
namespace {

constexpr std::size_t kNoValue = std::string::npos;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string_view TrimIniText(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
    return text.substr(begin, end - begin);
}

std::optional<std::int32_t> ParseFrameworkInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i < text.size() && text[i] == '$') {
        ++i;
        if (i == text.size()) return std::nullopt;
        std::uint64_t value = 0;
        for (; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0) return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) return std::nullopt;
        }
        std::uint32_t pattern = static_cast<std::uint32_t>(value);
        if (negative) pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }
    if (i == text.size()) return std::nullopt;
    constexpr std::uint64_t kMagnitudeLimit = 2147483648u;  // |INT32_MIN|
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kMagnitudeLimit) return std::nullopt;
    }
    if (negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    if (value == kMagnitudeLimit) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void TQuickIni::LoadFromStream(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);

    std::vector<std::string> lines;
    std::vector<TLineParts> parts;
    std::vector<TSection> sections;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && !IsLineEnd(text[i])) ++i;
        const std::string_view line = TrimIniText(text.substr(start, i - start));
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
        if (line.empty() || line.front() == ';') continue;

        TLineParts linePart;
        linePart.IsHeader = line.front() == '[' && line.back() == ']';
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            linePart.ValueStart = kNoValue;
        } else {
            linePart.Key = AsciiLower(TrimIniText(line.substr(0, equals)));
            linePart.ValueStart = equals + 1;
        }
        if (linePart.IsHeader) {
            sections.push_back({std::string(line), static_cast<int>(lines.size())});
        }
        lines.emplace_back(line);
        parts.push_back(std::move(linePart));
    }
    lines_ = std::move(lines);
    parts_ = std::move(parts);
    sections_ = std::move(sections);
}

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> bytes) {
    LoadFromStream(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TQuickIni::LoadFromStream(std::istream* stream) {
    if (stream == nullptr) return;
    std::string text;
    std::array<char, 4096> chunk{};
    while (stream->read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || stream->gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(stream->gcount()));
    }
    if (stream->bad()) throw std::ios_base::failure("skin definition: stream read failed");
    LoadFromStream(std::string_view(text));
}

int TQuickIni::SectionLine(std::string_view section) const {
    for (const TSection& entry : sections_) {
        const std::string_view header = entry.Header;
        // header is "[" + name + "]" with at least the two brackets
        if (header.size() == section.size() + 2 && AsciiEqualNoCase(header.substr(1, section.size()), section)) {
            return entry.Line;
        }
    }
    return -1;
}

void TQuickIni::ReadString(std::string_view section, std::string_view key, std::string& value,
                           std::string_view defaultValue) const {
    value.assign(defaultValue.data(), defaultValue.size());
    if (lines_.empty()) return;
    const int header = SectionLine(section);
    if (header < 0) return;
    const std::string lowerKey = AsciiLower(key);
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size() && !parts_[i].IsHeader; ++i) {
        if (parts_[i].Key != lowerKey) continue;
        if (parts_[i].ValueStart != kNoValue) {
            const std::string_view found = TrimIniText(std::string_view(lines_[i]).substr(parts_[i].ValueStart));
            if (!found.empty()) value.assign(found.data(), found.size());
        }
        return;
    }
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    std::string value;
    ReadString(section, key, value, defaultValue);
    return value;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    std::string text = ReadString(section, key);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.replace(0, 2, "$");
    }
    return ParseFrameworkInteger(text).value_or(defaultValue);
}

void TQuickIni::ReadSections(std::vector<std::string>& list) const {
    list.clear();
    list.reserve(sections_.size());
    for (const TSection& entry : sections_) {
        const std::string_view header = entry.Header;
        list.emplace_back(TrimIniText(header.substr(1, header.size() - 2)));
    }
}

std::vector<std::string> TQuickIni::ReadSections() const {
    std::vector<std::string> list;
    ReadSections(list);
    return list;
}

}  // namespace skin
