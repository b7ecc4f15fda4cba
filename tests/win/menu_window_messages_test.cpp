// What a menu window ("#32768") really receives while TrackPopupMenu shows it, watched through a
// window procedure put in place from a thread CBT hook, and whether a message filter runs inside
// the menu loop. The popup skin is built on exactly these messages.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "form_skin_fixture.h"

namespace {

struct Watch {
    HHOOK Cbt = nullptr;
    HHOOK Filter = nullptr;
    HWND MenuWindow = nullptr;
    WNDPROC Old = nullptr;
    std::vector<UINT> Messages;
    int FilterCalls = 0;
    RECT Window{};
    RECT Client{};
    RECT FirstItem{};
    RECT LastItem{};
};
Watch* g_watch = nullptr;

LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_watch->Messages.push_back(msg);
    return CallWindowProcW(g_watch->Old, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK WatchCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t name[32] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 32);
        if (std::wstring(name) == L"#32768" && g_watch->MenuWindow == nullptr) {
            g_watch->MenuWindow = reinterpret_cast<HWND>(wParam);
            g_watch->Old = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(g_watch->MenuWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchProc)));
        }
    }
    return CallNextHookEx(g_watch->Cbt, code, wParam, lParam);
}

LRESULT CALLBACK WatchFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU) ++g_watch->FilterCalls;
    return CallNextHookEx(g_watch->Filter, code, wParam, lParam);
}

void CALLBACK CloseMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND menu = g_watch->MenuWindow;
    if (menu == nullptr) return;
    GetWindowRect(menu, &g_watch->Window);
    GetClientRect(menu, &g_watch->Client);
    const auto hmenu = reinterpret_cast<HMENU>(SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
    GetMenuItemRect(nullptr, hmenu, 0, &g_watch->FirstItem);
    GetMenuItemRect(nullptr, hmenu, static_cast<UINT>(GetMenuItemCount(hmenu) - 1), &g_watch->LastItem);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
}

bool Has(const std::vector<UINT>& messages, UINT msg) {
    for (UINT m : messages)
        if (m == msg) return true;
    return false;
}

TEST(MenuWindowMessages, TrackPopupMenuPaintsThroughPaintNotPrintAndHasNoFrameArea) {
    form_test::TestWindow owner(WS_OVERLAPPEDWINDOW, 0, 200, 120);
    Watch watch;
    g_watch = &watch;
    watch.Cbt = SetWindowsHookExW(WH_CBT, WatchCbt, nullptr, GetCurrentThreadId());
    watch.Filter = SetWindowsHookExW(WH_MSGFILTER, WatchFilter, nullptr, GetCurrentThreadId());
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"One");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 2, L"Two");
    SetTimer(nullptr, 0, 300, CloseMenuTimer);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, 100, 100, 0, owner.Handle(), nullptr);
    UnhookWindowsHookEx(watch.Filter);
    UnhookWindowsHookEx(watch.Cbt);
    DestroyMenu(menu);
    g_watch = nullptr;

    ASSERT_NE(watch.MenuWindow, nullptr);
    EXPECT_GT(watch.FilterCalls, 0);
    EXPECT_TRUE(Has(watch.Messages, WM_NCPAINT));
    EXPECT_TRUE(Has(watch.Messages, WM_ERASEBKGND));
    EXPECT_TRUE(Has(watch.Messages, WM_PAINT));
    EXPECT_FALSE(Has(watch.Messages, WM_PRINT));
    EXPECT_FALSE(Has(watch.Messages, WM_PRINTCLIENT));
    // No non-client area: the window paints its own frame, and the items start 3 pixels inside.
    EXPECT_EQ(watch.Client.right, watch.Window.right - watch.Window.left);
    EXPECT_EQ(watch.Client.bottom, watch.Window.bottom - watch.Window.top);
    EXPECT_EQ(watch.FirstItem.left - watch.Window.left, 3);
    EXPECT_EQ(watch.FirstItem.top - watch.Window.top, 3);
    EXPECT_EQ(watch.Window.bottom - watch.LastItem.bottom, 3);
}

}  // namespace
