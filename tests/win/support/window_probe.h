// A real window as a test looks at it: its class and text, where its client points are on the
// screen, the pixels its DCs read back; and making it paint now.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// The window's class name and its whole text.
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

// A point of the window's client area in screen coordinates.
POINT ScreenPoint(HWND window, int x, int y);

// A pixel read through the window's client-area DC (GetDC), client coordinates.
COLORREF ClientPixel(HWND window, int x, int y);
// A pixel read through the DC of the whole window, frame included (GetWindowDC), window
// coordinates. Both give CLR_INVALID for a point outside what the DC shows.
COLORREF WindowPixel(HWND window, int x, int y);

// Invalidates the window with its children, has them painted now and dispatches what that queued.
void Redraw(HWND window);

}  // namespace testing_support
