#pragma once
// Moving between menu-bar drop-downs with the arrow keys while one is open.

#include <cstdint>
#include <optional>
#include <span>

#include "skin/form/menu_bar_button.h"

namespace skin::form {

enum class ArrowKey { Left, Right };
enum class BarMove { None, Previous, Next };

// In a right-to-left menu the bar runs from the right, so the arrows swap.
ArrowKey ArrowForLayout(ArrowKey pressed, bool rightToLeft);

// What a right-to-left drop-down makes of a message before the menu sees it: in a key message
// (key down or up, plain or with Alt) the Left and Right key codes swap; every other message,
// whatever its wParam holds, stays as it is.
std::uintptr_t MirroredKeyCode(unsigned message, std::uintptr_t wParam);

struct OpenMenuItem {
    bool Exists = false;          // an item of the drop-down is selected
    bool InOpenDropDown = false;  // the item, or its parent, is the open drop-down itself
    bool HasSubItems = false;
};

// Left leaves the drop-down when the selection is at its top level; Right leaves it unless the
// selected item opens a submenu of its own.
BarMove BarMoveFor(ArrowKey key, const OpenMenuItem& current);

// The button to open instead of `openIndex`, wrapping around the bar. Buttons that are hidden or
// have no room on the bar cannot be opened and are passed over; nothing when no other button
// can be opened.
std::optional<std::size_t> BarMoveTarget(std::span<const MenuBarButton> buttons, std::size_t openIndex, BarMove move);

}  // namespace skin::form
