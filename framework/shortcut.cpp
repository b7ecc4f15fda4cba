#include "framework/shortcut.h"

#include "framework/same_text.h"

#include <array>
#include <cctype>

namespace {

constexpr TShortCut kKeyMask = 0x00FF;
constexpr TShortCut kModifierMask = scShift | scCtrl | scAlt;

struct NamedKey {
    std::uint8_t key;
    const char* name;
};

// Virtual key codes of the keys whose names are words (letters, digits and F-keys are computed).
constexpr std::array<NamedKey, 15> kNamedKeys{{
    {0x08, "BkSp"},
    {0x09, "Tab"},
    {0x0D, "Enter"},
    {0x1B, "Esc"},
    {0x20, "Space"},
    {0x21, "PgUp"},
    {0x22, "PgDn"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "Left"},
    {0x26, "Up"},
    {0x27, "Right"},
    {0x28, "Down"},
    {0x2D, "Ins"},
    {0x2E, "Del"},
}};

constexpr std::uint8_t kF1 = 0x70;
constexpr int kFunctionKeys = 24;

std::string KeyName(std::uint8_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= kF1 && key < kF1 + kFunctionKeys) return "F" + std::to_string(key - kF1 + 1);
    for (const NamedKey& named : kNamedKeys) {
        if (named.key == key) return named.name;
    }
    return {};
}

// The virtual key a name stands for, or 0.
std::uint8_t KeyFromName(std::string_view name) {
    if (name.size() == 1) {
        const auto c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<std::uint8_t>(c);
    }
    for (int i = 0; i < kFunctionKeys; ++i) {
        if (SameText(name, "F" + std::to_string(i + 1))) return static_cast<std::uint8_t>(kF1 + i);
    }
    for (const NamedKey& named : kNamedKeys) {
        if (SameText(name, named.name)) return named.key;
    }
    return 0;
}

// Removes a leading modifier ("Shift+", "Ctrl+", "Alt+") from `text`; its bit, or 0 when none leads.
TShortCut TakeModifier(std::string_view& text) {
    static constexpr std::array<std::pair<std::string_view, TShortCut>, 3> kModifiers{{
        {"Shift+", scShift},
        {"Ctrl+", scCtrl},
        {"Alt+", scAlt},
    }};
    for (const auto& [prefix, bit] : kModifiers) {
        // "+" alone after a modifier is the key, not another separator: keep at least one character.
        if (text.size() > prefix.size() && SameText(text.substr(0, prefix.size()), prefix)) {
            text.remove_prefix(prefix.size());
            return bit;
        }
    }
    return 0;
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(static_cast<std::uint8_t>(shortCut & kKeyMask));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    while (const TShortCut bit = TakeModifier(text)) modifiers |= bit;
    const std::uint8_t key = KeyFromName(text);
    if (key == 0) return 0;
    return static_cast<TShortCut>((modifiers & kModifierMask) | key);
}
