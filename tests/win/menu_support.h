// Shared set-up of the menu tests: the skin manager running with one of our skins, and a timer
// that looks at an open menu from inside the menu's own modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "base/bitmap.h"
#include "base/win/dib_section.h"
#include "skin/data/win/skin_data.h"

namespace menu_test {

// One of our skins loaded and registered with a running skin manager (its thread hook
// installed); freed with the manager.
class RunningSkin {
public:
    explicit RunningSkin(const std::string& name);
    ~RunningSkin();
    RunningSkin(const RunningSkin&) = delete;
    RunningSkin& operator=(const RunningSkin&) = delete;
    skin::win::TSkinData& Data() const { return *data_; }

private:
    std::unique_ptr<skin::win::TSkinData> data_;
};

// The shown menu window, or null.
HWND OpenMenuWindow();
// Runs `step` from a thread timer every `interval` ms while a menu is tracked, until it returns
// true; the menu is then closed with Escape. Call before TrackPopupMenu; the timer ends itself.
void WhileMenuOpen(std::function<bool(HWND menuWindow)> step, UINT interval = 100);
// What the screen shows in the window's rectangle.
base::win::DibSection ScreenOf(HWND window);
// A rectangle of a menu item, relative to its menu window.
RECT ItemRectInWindow(HWND menuWindow, HMENU menu, UINT position);

// A pixel of a picture read back from the screen as 0xRRGGBB (the unused byte cleared).
std::uint32_t RgbAt(const base::Bitmap& picture, int x, int y);
// How many pixels of `picture` inside `r` show `colour`.
int CountColour(const base::Bitmap& picture, const RECT& r, COLORREF colour);

}  // namespace menu_test
