#include "skin/form/menu_accelerator.h"

namespace skin::form {

std::optional<wchar_t> AcceleratorOf(std::wstring_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return caption[i + 1];
        ++i;  // an escaped ampersand is text
    }
    return std::nullopt;
}

wchar_t FoldAcceleratorCase(wchar_t c) {
    const auto code = static_cast<unsigned>(c);
    if (code >= 'A' && code <= 'Z') return static_cast<wchar_t>(code + 0x20);
    // Latin-1: the capitals 0xC0-0xDE map 0x20 up, except the multiplication sign.
    if (code >= 0xC0 && code <= 0xDE && code != 0xD7) return static_cast<wchar_t>(code + 0x20);
    if (code == 0x130) return L'i';  // capital I with dot above has the plain i as its small letter
    // Latin Extended-A pairs capital and small letter; which of the pair is capital changes
    // where the dotless i and the kra break the rhythm.
    const bool evenCapital =
        (code >= 0x100 && code <= 0x12F) || (code >= 0x132 && code <= 0x137) || (code >= 0x14A && code <= 0x177);
    const bool oddCapital = (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E);
    if ((evenCapital && code % 2 == 0) || (oddCapital && code % 2 == 1)) return static_cast<wchar_t>(code + 1);
    if (code == 0x178) return static_cast<wchar_t>(0xFF);  // Y with diaeresis pairs with Latin-1's small one
    return c;
}

std::optional<wchar_t> ImplicitAcceleratorOf(std::wstring_view caption) {
    if (AcceleratorOf(caption)) return std::nullopt;
    const std::size_t first = caption.find_first_not_of(L' ');
    if (first == std::wstring_view::npos || caption[first] == L'&') return std::nullopt;
    return caption[first];
}

std::optional<std::size_t> FindAccelButton(std::span<const MenuBarButton> buttons, wchar_t key) {
    const wchar_t wanted = FoldAcceleratorCase(key);
    for (const bool implicit : {false, true}) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const MenuBarButton& button = buttons[i];
            if (!button.Enabled || !button.Visible) continue;
            const std::optional<wchar_t> accelerator =
                implicit ? ImplicitAcceleratorOf(button.Caption) : AcceleratorOf(button.Caption);
            if (accelerator && FoldAcceleratorCase(*accelerator) == wanted) return i;
        }
    }
    return std::nullopt;
}

}  // namespace skin::form
