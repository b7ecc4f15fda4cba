#pragma once
// Placing the menu-bar buttons and finding the one under the mouse.

#include <optional>
#include <span>

#include "skin/data/skin_objects.h"
#include "skin/form/menu_bar_button.h"

namespace skin::form {

// Distance of the first button from the bar's leading edge (the right edge when right-to-left).
// `menuBar` is the skin's menu bar image object, null when the skin has none.
int MenuBarStartOffset(const TDataSkinObject* menuBar, bool rightToLeft, int barWidth);

// Lays the buttons out in order from the leading edge of `bar` (window coordinates), each as
// wide as its caption plus padding and one pixel less high than the bar. A hidden button gets an
// empty rectangle and takes no room; an empty caption gives a zero-width button.
void LayoutMenuBar(std::span<MenuBarButton> buttons, const Rect& bar, int startOffset, bool rightToLeft);

// The first button with a caption whose rectangle contains the point.
std::optional<std::size_t> HitMenuButton(std::span<const MenuBarButton> buttons, Point point);

}  // namespace skin::form
