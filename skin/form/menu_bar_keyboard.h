#pragma once
// The menu bar worked from the keyboard while no drop-down is open: F10 or Alt highlights a
// button, the arrows move the highlight, Down or Enter opens, a letter picks by its mnemonic.

#include <cstddef>
#include <optional>
#include <span>

#include "skin/form/menu_bar_button.h"
#include "skin/form/menu_navigation.h"

namespace skin::form {

enum class BarKey { Left, Right, Up, Down, Enter, Escape, MenuKey, Other };

enum class BarKeyAction {
    None,       // the key means nothing here (and still reaches nobody else)
    Highlight,  // move the highlight to Index
    Open,       // open Index's drop-down (or run its command)
    Leave,      // leave the bar; the focus keeps its place
};

struct BarKeyResult {
    BarKeyAction Action = BarKeyAction::None;
    std::size_t Index = 0;
    bool operator==(const BarKeyResult&) const = default;
};

// A button the keyboard can reach: shown, with room on the bar, and enabled.
bool KeyboardCanReach(const MenuBarButton& button);

// Where the keyboard starts: the first reachable button.
std::optional<std::size_t> FirstKeyboardButton(std::span<const MenuBarButton> buttons);

// The reachable button before or after `from`, wrapping around the bar (nothing when no other
// button is reachable).
std::optional<std::size_t> KeyboardMoveTarget(std::span<const MenuBarButton> buttons, std::size_t from, BarMove move);

// A key pressed while `highlighted` is lit. A bar that reads from the right swaps Left and Right
// so that the arrows move the highlight the way they point on the screen.
BarKeyResult BarKeyboardKey(std::span<const MenuBarButton> buttons, std::size_t highlighted, BarKey key,
                            bool rightToLeft);

// A character typed while the bar is lit: the button with that mnemonic opens.
BarKeyResult BarKeyboardChar(std::span<const MenuBarButton> buttons, wchar_t typed);

}  // namespace skin::form
