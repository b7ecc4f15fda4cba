#include "skin/form/menu_bar_keyboard.h"

#include "skin/form/menu_accelerator.h"

namespace skin::form {

bool KeyboardCanReach(const MenuBarButton& button) {
    return button.Visible && button.Enabled && !button.BoundsRect.IsEmpty();
}

std::optional<std::size_t> FirstKeyboardButton(std::span<const MenuBarButton> buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (KeyboardCanReach(buttons[i])) return i;
    return std::nullopt;
}

std::optional<std::size_t> KeyboardMoveTarget(std::span<const MenuBarButton> buttons, std::size_t from, BarMove move) {
    auto target = BarMoveTarget(buttons, from, move);
    // BarMoveTarget passes over what has no room; disabled buttons are passed over here.
    for (std::size_t guard = 0; target && !buttons[*target].Enabled && guard < buttons.size(); ++guard)
        target = BarMoveTarget(buttons, *target, move);
    if (!target || *target == from || !KeyboardCanReach(buttons[*target])) return std::nullopt;
    return target;
}

BarKeyResult BarKeyboardKey(std::span<const MenuBarButton> buttons, std::size_t highlighted, BarKey key,
                            bool rightToLeft) {
    switch (key) {
        case BarKey::Left:
        case BarKey::Right: {
            const ArrowKey pressed = key == BarKey::Left ? ArrowKey::Left : ArrowKey::Right;
            const BarMove move =
                ArrowForLayout(pressed, rightToLeft) == ArrowKey::Left ? BarMove::Previous : BarMove::Next;
            if (const auto target = KeyboardMoveTarget(buttons, highlighted, move))
                return {BarKeyAction::Highlight, *target};
            return {};
        }
        case BarKey::Up:
        case BarKey::Down:
        case BarKey::Enter:
            if (highlighted < buttons.size() && KeyboardCanReach(buttons[highlighted]))
                return {BarKeyAction::Open, highlighted};
            return {};
        case BarKey::Escape:
        case BarKey::MenuKey: return {BarKeyAction::Leave, highlighted};
        case BarKey::Other: return {};
    }
    return {};
}

BarKeyResult BarKeyboardChar(std::span<const MenuBarButton> buttons, wchar_t typed) {
    if (const auto button = FindAccelButton(buttons, typed)) return {BarKeyAction::Open, *button};
    return {};
}

}  // namespace skin::form
