#include "win/support/window_probe.h"

#include "base/win/handles.h"
#include "win/support/message_pump.h"

namespace testing_support {

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};  // the longest class name Windows registers
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

COLORREF ClientPixel(HWND window, int x, int y) {
    const base::win::WindowDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

COLORREF WindowPixel(HWND window, int x, int y) {
    const base::win::WindowDc dc(window, base::win::WindowDc::Area::Window);
    return GetPixel(dc.Get(), x, y);
}

void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPendingMessages();
}

}  // namespace testing_support
