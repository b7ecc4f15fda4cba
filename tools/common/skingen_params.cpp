#include "tools/common/skingen_params.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace tools::skingen {

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool ParseInt(const std::string& text, int& out) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last;
}

}  // namespace

Params Params::Parse(const std::string& text, const std::string& origin) {
    Params p;
    p.origin_ = origin;
    std::istringstream in(text);
    std::string line, section;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string t = Trim(line);
        if (t.empty() || t[0] == '#' || t[0] == ';') continue;
        const std::string where = origin + ":" + std::to_string(number) + ": ";
        if (t.front() == '[') {
            if (t.back() != ']') throw ParamError(where + "section header without ']'");
            section = Trim(t.substr(1, t.size() - 2));
            p.sections_[section];
            continue;
        }
        const auto eq = t.find('=');
        if (eq == std::string::npos) throw ParamError(where + "expected 'key = value' or '[section]'");
        if (section.empty()) throw ParamError(where + "key before the first section");
        const std::string key = Trim(t.substr(0, eq));
        if (key.empty()) throw ParamError(where + "empty key");
        auto& keys = p.sections_[section];
        if (keys.count(key) != 0) throw ParamError(where + "key '" + key + "' given twice in [" + section + "]");
        keys[key] = Trim(t.substr(eq + 1));
    }
    return p;
}

bool Params::HasSection(const std::string& section) const { return sections_.count(section) != 0; }

bool Params::Has(const std::string& section, const std::string& key) const { return Find(section, key) != nullptr; }

const std::string* Params::Find(const std::string& section, const std::string& key) const {
    const auto s = sections_.find(section);
    if (s == sections_.end()) return nullptr;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return nullptr;
    used_[section][key] = true;
    return &k->second;
}

void Params::Fail(const std::string& section, const std::string& key, const std::string& why) const {
    throw ParamError(origin_ + ": [" + section + "] " + key + ": " + why);
}

std::string Params::Text(const std::string& section, const std::string& key) const {
    const std::string* v = Find(section, key);
    if (v == nullptr) Fail(section, key, "missing");
    return *v;
}

std::string Params::Text(const std::string& section, const std::string& key, const std::string& fallback) const {
    const std::string* v = Find(section, key);
    return v != nullptr ? *v : fallback;
}

int Params::Int(const std::string& section, const std::string& key) const {
    int out = 0;
    if (!ParseInt(Text(section, key), out)) Fail(section, key, "not an integer");
    return out;
}

int Params::Int(const std::string& section, const std::string& key, int fallback) const {
    return Has(section, key) ? Int(section, key) : fallback;
}

double Params::Number(const std::string& section, const std::string& key, double fallback) const {
    const std::string* v = Find(section, key);
    if (v == nullptr) return fallback;
    std::istringstream in(*v);
    double out = 0;
    if (!(in >> out) || !(in >> std::ws).eof()) Fail(section, key, "not a number");
    return out;
}

Rgb Params::ParseColor(const std::string& section, const std::string& key, const std::string& value, int depth) const {
    std::istringstream in(value);
    int r = 0, g = 0, b = 0;
    if (in >> r >> g >> b && (in >> std::ws).eof()) {
        if (r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255)
            Fail(section, key, "colour component outside 0..255");
        return {static_cast<double>(r), static_cast<double>(g), static_cast<double>(b)};
    }
    const std::string* named = Find("palette", value);
    if (named == nullptr || depth > 8) Fail(section, key, "'" + value + "' is neither 'R G B' nor a [palette] name");
    return ParseColor("palette", value, *named, depth + 1);
}

Rgb Params::Color(const std::string& section, const std::string& key) const {
    return ParseColor(section, key, Text(section, key), 0);
}

Rgb Params::Color(const std::string& section, const std::string& key, const Rgb& fallback) const {
    return Has(section, key) ? Color(section, key) : fallback;
}

std::vector<std::string> Params::UnusedKeys() const {
    std::vector<std::string> out;
    for (const auto& [section, keys] : sections_)
        for (const auto& [key, value] : keys) {
            const auto s = used_.find(section);
            if (section == "palette") continue;  // palette entries are used by name, maybe not all
            if (s == used_.end() || s->second.count(key) == 0) out.push_back("[" + section + "] " + key);
        }
    return out;
}

}  // namespace tools::skingen
