#include "skin_data_test_support.h"

#include "skin/manager/win/skin_manager.h"

namespace skin_test {
namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == skin::win::SM_ISSKINNED && GetWindowLongPtrW(window, GWLP_USERDATA) != 0) return 1;
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClassFor(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSW wc{};
    if (GetClassInfoW(instance, name, &wc)) return;
    wc.lpfnWndProc = &TestWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&wc);
}

}  // namespace

TestWindow::TestWindow(const Options& options) {
    HINSTANCE instance = options.instance != nullptr ? options.instance : GetModuleHandleW(nullptr);
    RegisterClassFor(instance, options.className);
    window_ = CreateWindowExW(0, options.className, L"Skin test", options.style, 50, 50, options.width, options.height,
                              options.parent, nullptr, instance, nullptr);
    if (options.answerIsSkinned) SetWindowLongPtrW(window_, GWLP_USERDATA, 1);
}

bool TakeSkinControlsRequest(HWND window) {
    MSG msg;
    bool found = false;
    while (PeekMessageW(&msg, window, skin::win::SM_SKINCONTROLS, skin::win::SM_SKINCONTROLS, PM_REMOVE)) {
        if (msg.wParam == 0 && msg.lParam == 1000) found = true;
    }
    return found;
}

}  // namespace skin_test
