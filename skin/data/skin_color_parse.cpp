#include "skin/data/skin_color_parse.h"

#include <array>
#include <cstdint>

namespace skin {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

TColor ParseColor(std::string_view text) {
    text = Trim(text);
    std::array<std::uint8_t, 3> components{};
    int stored = 0;
    // Only the low 8 bits of a number are kept, so the digits are accumulated
    // modulo 256: a run of any length cannot overflow.
    unsigned collected = 0;
    bool haveDigits = false;
    for (char c : text) {
        if (IsDigit(c)) {
            collected = (collected * 10 + static_cast<unsigned>(c - '0')) & 0xFFu;
            haveDigits = true;
            continue;
        }
        if (haveDigits) {
            if (stored < 3) {
                components[static_cast<std::size_t>(stored)] = static_cast<std::uint8_t>(collected);
                ++stored;
            }
            collected = 0;
            haveDigits = false;
        }
    }
    if (haveDigits && stored == 2) components[2] = static_cast<std::uint8_t>(collected);
    return MakeRgb(components[0], components[1], components[2]);
}

}  // namespace skin
