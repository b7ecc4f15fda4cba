// Checks that the test environment gives real windows, a real display and pixels read back.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK PaintRedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &ps.rcPaint, red);
        DeleteObject(red);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(WineHarness, WindowPaintsAndPixelsReadBack) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaintRedProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HarnessRedWindow";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"harness", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30, nullptr,
                                nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    UpdateWindow(hwnd);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);

    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 40);
    EXPECT_EQ(client.bottom, 30);
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
    ReleaseDC(hwnd, dc);
    DestroyWindow(hwnd);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

}  // namespace
