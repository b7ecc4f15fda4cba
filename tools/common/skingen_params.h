#pragma once
// The parameter file of a skin folder: "[section]" headers and "key = value" lines;
// blank lines and lines starting with '#' or ';' are ignored. Keys are case-sensitive.
// Every lookup of a missing or malformed value throws ParamError naming the file,
// section and key, so a typo in a skin's parameters stops the build with a clear message.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/common/skingen_canvas.h"

namespace tools::skingen {

class ParamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Params {
public:
    // Parses the text; `origin` names it in error messages. Throws ParamError on a line that is
    // neither a header nor "key = value", or on a key given twice in one section.
    static Params Parse(const std::string& text, const std::string& origin);

    bool HasSection(const std::string& section) const;
    bool Has(const std::string& section, const std::string& key) const;

    std::string Text(const std::string& section, const std::string& key) const;
    std::string Text(const std::string& section, const std::string& key, const std::string& fallback) const;
    int Int(const std::string& section, const std::string& key) const;
    int Int(const std::string& section, const std::string& key, int fallback) const;
    double Number(const std::string& section, const std::string& key, double fallback) const;
    // "R G B" (decimal 0..255), or the name of a key of section [palette].
    Rgb Color(const std::string& section, const std::string& key) const;
    Rgb Color(const std::string& section, const std::string& key, const Rgb& fallback) const;

    // Keys of `section` that no lookup asked for (a misspelt parameter is silently unused otherwise).
    std::vector<std::string> UnusedKeys() const;

private:
    const std::string* Find(const std::string& section, const std::string& key) const;
    [[noreturn]] void Fail(const std::string& section, const std::string& key, const std::string& why) const;
    Rgb ParseColor(const std::string& section, const std::string& key, const std::string& value, int depth) const;

    std::string origin_;
    std::map<std::string, std::map<std::string, std::string>> sections_;
    mutable std::map<std::string, std::map<std::string, bool>> used_;
};

}  // namespace tools::skingen
