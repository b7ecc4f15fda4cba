#include <string>

#include "skin/data/skin_loader_parts.h"

namespace skin::loader {

std::string ReadText(const TQuickIni& ini, std::string_view section, std::string_view key) {
    return ini.ReadString(section, key, {});
}

int ReadInt(const TQuickIni& ini, std::string_view section, std::string_view key, int fallback) {
    return ini.ReadInteger(section, key, fallback);
}

std::vector<std::string> SectionNames(const TQuickIni& ini) { return ini.ReadSections(); }

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

}  // namespace skin::loader
