#include "skin/form/menu_navigation.h"

namespace skin::form {

ArrowKey ArrowForLayout(ArrowKey pressed, bool rightToLeft) {
    if (!rightToLeft) return pressed;
    return pressed == ArrowKey::Left ? ArrowKey::Right : ArrowKey::Left;
}

BarMove BarMoveFor(ArrowKey key, const OpenMenuItem& current) {
    if (key == ArrowKey::Left) return (!current.Exists || current.InOpenDropDown) ? BarMove::Previous : BarMove::None;
    return (!current.Exists || !current.HasSubItems) ? BarMove::Next : BarMove::None;
}

std::uintptr_t MirroredKeyCode(unsigned message, std::uintptr_t wParam) {
    constexpr unsigned kKeyDown = 0x0100, kKeyUp = 0x0101, kSysKeyDown = 0x0104, kSysKeyUp = 0x0105;
    constexpr std::uintptr_t kLeft = 0x25, kRight = 0x27;
    if (message != kKeyDown && message != kKeyUp && message != kSysKeyDown && message != kSysKeyUp) return wParam;
    if (wParam == kLeft) return kRight;
    if (wParam == kRight) return kLeft;
    return wParam;
}

std::optional<std::size_t> BarMoveTarget(std::span<const MenuBarButton> buttons, std::size_t openIndex, BarMove move) {
    const std::size_t count = buttons.size();
    if (move == BarMove::None || count == 0) return std::nullopt;
    // From outside the bar, Next starts at the first button and Previous at the last.
    std::size_t index = openIndex < count ? openIndex : (move == BarMove::Next ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        index = move == BarMove::Next ? (index + 1) % count : (index + count - 1) % count;
        if (index == openIndex) break;
        const MenuBarButton& button = buttons[index];
        if (button.Visible && !button.BoundsRect.IsEmpty()) return index;
    }
    return std::nullopt;
}

}  // namespace skin::form
