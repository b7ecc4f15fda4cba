#include "win/support/parent_window.h"

namespace testing_support {

HWND CreateParent(const ParentKind& kind, int x, int y) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW known{};
    known.cbSize = sizeof(known);
    if (!GetClassInfoExW(instance, kind.className, &known)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = kind.procedure;
        wc.hInstance = instance;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kind.className;
        RegisterClassExW(&wc);
    }
    return CreateWindowExW(0, kind.className, kind.caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, kind.width,
                           kind.height, nullptr, nullptr, instance, nullptr);
}

}  // namespace testing_support
