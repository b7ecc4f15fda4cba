// Color keys of a skin definition.

#include <string>

#include "skin/data/skin_loader.h"
#include "skin/data/skin_loader_parts.h"

namespace skin {

using loader::ReadInt;
using loader::ReadText;

TColor ReadColor(const TQuickIni& ini, std::string_view section, std::string_view key, TColor fallback) {
    const std::string value = ReadText(ini, section, key);
    return value.empty() ? fallback : ParseColor(value);
}

void ReadRGB(const TQuickIni& ini, std::string_view section, std::string_view prefix, TColor& color) {
    const std::string p(prefix);
    const int red = ReadInt(ini, section, p + "R", -1);
    const int green = ReadInt(ini, section, p + "G", -1);
    const int blue = ReadInt(ini, section, p + "B", -1);
    if (red < 0 || green < 0 || blue < 0) return;
    color = MakeRgb(static_cast<std::uint8_t>(red & 0xFF), static_cast<std::uint8_t>(green & 0xFF),
                    static_cast<std::uint8_t>(blue & 0xFF));
}

}  // namespace skin
