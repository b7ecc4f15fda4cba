// Keyboard shortcuts as menus show them: a virtual key code plus modifier bits in one word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// "Shift+F4", "Ctrl+Alt+Del": modifiers in the order Shift, Ctrl, Alt, then the key's name.
// Empty for 0 and for keys without a name.
std::string ShortCutToText(TShortCut shortCut);
// The inverse; modifiers in any order, names compared without regard to case. 0 when the text
// names no key (or is empty).
TShortCut TextToShortCut(std::string_view text);
