#include "win/support/gui_objects.h"

#include <cstdint>

namespace testing_support {

int CountGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<int>(reported);
    int live = 0;
    for (std::uintptr_t handle = 0x20; handle <= 0xFFFF; ++handle)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(handle)) != 0) ++live;
    return live;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Wine makes a default IME window for a thread's first top-level window; it is not ours.
bool IsSystemHelperWindow(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, L"IME") == 0;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    if (IsSystemHelperWindow(window)) return TRUE;
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

}  // namespace

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace testing_support
