// Top-level parent windows for tests that put Windows' own controls in them.
#pragma once

#include <windows.h>

namespace testing_support {

// A kind of parent window: its own window class (registered on first use, button face as its
// background, `procedure` as its window procedure), caption and size.
struct ParentKind {
    const wchar_t* className;
    const wchar_t* caption;
    int width;
    int height;
    WNDPROC procedure = &DefWindowProcW;
};

// A visible overlapped window of that kind at x, y on the screen.
HWND CreateParent(const ParentKind& kind, int x, int y);

}  // namespace testing_support
