// Pixel read-back for the control skin tests: what the screen shows in a window's rectangle,
// compared with an image drawn from the skin's strips where that image is not left blank.
#pragma once

#include <windows.h>

#include <functional>

#include "base/bitmap.h"

namespace testing_support {

// A colour no skin strip uses: pixels of an expected image still holding it are not compared.
inline constexpr base::Pixel kUnpainted = 0x00123457u;

// The screen in the window's rectangle, unused byte cleared.
base::Bitmap ScreenOfWindow(HWND window);

// Pixels where `expected` is painted (not kUnpainted) and outside `skip` that differ on `screen`.
int CountMismatches(const base::Bitmap& screen, const base::Bitmap& expected, const RECT& skip = RECT{});

// Runs `script` on an input thread while this thread pumps, then lets the results settle.
void RunInput(const std::function<void()>& script);

// A left click at a screen point, with the pauses real input has.
void ClickAt(POINT screen);

}  // namespace testing_support
