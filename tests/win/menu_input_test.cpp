// Skinned menus driven by real keys and clicks under the skin manager: the keyboard into a
// drop-down and its submenu and an item run with Enter; a disabled command that runs nothing;
// the skinned system menu's commands; marks taken off again with the texts intact.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/win/menus.h"
#include "menu_support.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"

namespace {

using form_test::InputThread;
using form_test::TapKey;
using form_test::WaitFor;
using testing_support::PumpMessagesUntil;
using testing_support::PumpPendingMessages;

// Menus shown now, seen from the input thread.
std::vector<HMENU> ShownMenus() {
    std::vector<HMENU> menus;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        DWORD_PTR menu = 0;
        if (IsWindowVisible(w) && SendMessageTimeoutW(w, MN_GETHMENU, 0, 0, SMTO_NORMAL, 1000, &menu))
            menus.push_back(reinterpret_cast<HMENU>(menu));
    }
    return menus;
}

bool Shown(HMENU menu) {
    for (HMENU m : ShownMenus())
        if (m == menu) return true;
    return false;
}

// A click at a screen point: the pointer moved there, then the button (the right one when
// `right`) down and up in one SendInput.
void ClickAtOnce(POINT screen, bool right = false) {
    form_test::MoveMouseTo(screen);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

POINT ItemCentre(HMENU menu, UINT position) {
    RECT r{};
    GetMenuItemRect(nullptr, menu, position, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<WPARAM> Commands(const form_test::TestWindow& window) {
    std::vector<WPARAM> commands;
    for (const MSG& m : window.Messages())
        if (m.message == WM_COMMAND) commands.push_back(LOWORD(m.wParam));
    return commands;
}

struct BarMenus {
    HMENU Bar = CreateMenu();
    HMENU File = CreatePopupMenu();
    HMENU More = CreatePopupMenu();
    BarMenus() {
        AppendMenuW(More, MF_STRING, 201, L"Deeper");
        AppendMenuW(File, MF_STRING, 101, L"&Open\tCtrl+O");
        AppendMenuW(File, MF_POPUP, reinterpret_cast<UINT_PTR>(More), L"&More");
        AppendMenuW(File, MF_STRING | MF_GRAYED, 105, L"&Locked");
        AppendMenuW(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(File), L"&File");
        AppendMenuW(Bar, MF_STRING | MF_GRAYED, 300, L"&Run");
    }
    ~BarMenus() {
        if (IsMenu(Bar)) DestroyMenu(Bar);
    }
};

struct SkinnedWindow {
    form_test::TestWindow Window;
    skin::win::TSkinForm* Form = nullptr;
    explicit SkinnedWindow(HMENU bar) : Window(WS_OVERLAPPEDWINDOW, 0, 320, 160, nullptr, bar) {
        SetForegroundWindow(Window.Handle());
        SetFocus(Window.Handle());
        skin::win::SkinManager->AddFormSkin(Window.Handle());
        PumpPendingMessages();
        Form = skin::win::SkinManager->FindFormSkin(Window.Handle());
    }
};

TEST(MenuInput, KeyboardIntoSubmenuRunsItemAltLightsEscapeCloses) {
    menu_test::RunningSkin skin("graphite");
    BarMenus menus;
    SkinnedWindow skinned(menus.Bar);
    ASSERT_NE(skinned.Form, nullptr);
    ASSERT_NE(skinned.Form->MenuBar(), nullptr);
    const HWND hwnd = skinned.Window.Handle();
    skinned.Window.ClearLog();

    bool fileOpened = false, subOpened = false, closedAfterEnter = false, reopenedWithAlt = false,
         closedAfterEscape = false;
    InputThread input([&] {
        TapKey(VK_F10);  // lights "File"
        TapKey(VK_DOWN);
        fileOpened = WaitFor([&] { return Shown(menus.File); });
        TapKey(VK_DOWN);  // from "Open" to "More"
        TapKey(VK_RIGHT);
        subOpened = WaitFor([&] { return Shown(menus.More); });
        TapKey(VK_RETURN);  // runs "Deeper"
        closedAfterEnter = WaitFor([] { return ShownMenus().empty(); });
        TapKey(VK_MENU);  // Alt alone lights the bar as well
        TapKey(VK_DOWN);
        reopenedWithAlt = WaitFor([&] { return Shown(menus.File); });
        TapKey(VK_ESCAPE);
        closedAfterEscape = WaitFor([] { return ShownMenus().empty(); });
        TapKey(VK_ESCAPE);  // from the lit bar back to the window
    });
    PumpMessagesUntil([&] { return closedAfterEscape; }, 20000);
    input.Join();
    PumpPendingMessages();

    EXPECT_TRUE(fileOpened);
    EXPECT_TRUE(subOpened);
    EXPECT_TRUE(closedAfterEnter);
    EXPECT_TRUE(reopenedWithAlt);
    EXPECT_TRUE(closedAfterEscape);
    EXPECT_EQ(Commands(skinned.Window), std::vector<WPARAM>{201});
    DestroyWindow(hwnd);
    PumpPendingMessages();
}

TEST(MenuInput, DisabledTopLevelCommandRunsNothingWhenClicked) {
    menu_test::RunningSkin skin("graphite");
    BarMenus menus;
    SkinnedWindow skinned(menus.Bar);
    ASSERT_NE(skinned.Form->MenuBar(), nullptr);
    const HWND hwnd = skinned.Window.Handle();
    skinned.Window.ClearLog();
    RECT window{};
    GetWindowRect(hwnd, &window);
    const skin::Rect run = skinned.Form->MenuBar()->ButtonRect(1);
    ASSERT_FALSE(run.IsEmpty());
    bool done = false;
    InputThread input([&] {
        ClickAtOnce({window.left + (run.Left + run.Right) / 2, window.top + (run.Top + run.Bottom) / 2});
        Sleep(300);
        done = true;
    });
    PumpMessagesUntil([&] { return done; }, 5000);
    input.Join();
    PumpMessagesUntil([] { return false; }, 200);
    EXPECT_TRUE(Commands(skinned.Window).empty());
    DestroyWindow(hwnd);
    PumpPendingMessages();
}

TEST(MenuInput, SkinnedSystemMenuCommands) {
    menu_test::RunningSkin skin("graphite");
    SkinnedWindow skinned(nullptr);
    ASSERT_NE(skinned.Form, nullptr);
    TPopupMenu* systemMenu = skinned.Form->SystemPopupMenu();
    ASSERT_NE(systemMenu, nullptr);
    ASSERT_TRUE(systemMenu->OwnerDraw());  // drawn by the skin
    const HWND hwnd = skinned.Window.Handle();
    const HMENU menu = systemMenu->Handle();

    // Positions: Restore, Maximize, Minimize, separator, Close.
    const auto choose = [&](UINT position) {
        bool chosen = false;
        InputThread input([&] {
            RECT r{};
            GetWindowRect(hwnd, &r);
            // A second right click within the double-click time only asks for the menu again.
            Sleep(GetDoubleClickTime() + 100);
            ClickAtOnce({(r.left + r.right) / 2, std::max(r.top, 0L) + 8}, true);
            if (WaitFor([&] { return Shown(menu); })) {
                Sleep(100);  // let the menu take its first mouse position before the click
                ClickAtOnce(ItemCentre(menu, position));
            }
            // A menu still open after a missed click is closed, so the test thread gets out of it.
            for (int i = 0; i < 3 && !WaitFor([] { return ShownMenus().empty(); }, 2000); ++i) TapKey(VK_ESCAPE);
            chosen = true;
        });
        PumpMessagesUntil([&] { return chosen; }, 10000);
        input.Join();
        PumpMessagesUntil([] { return false; }, 300);
    };
    choose(1);
    EXPECT_TRUE(IsZoomed(hwnd));
    choose(0);
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_FALSE(IsIconic(hwnd));
    choose(2);
    EXPECT_TRUE(IsIconic(hwnd));
    ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
    PumpMessagesUntil([] { return false; }, 200);
    skinned.Window.ClearLog();
    choose(4);
    EXPECT_TRUE(skinned.Window.Received(WM_CLOSE) || !IsWindow(hwnd));
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    PumpPendingMessages();
}

TEST(MenuInput, DetachTakesTheOwnerDrawMarksOffAndTextsSurvive) {
    menu_test::RunningSkin skin("meadow");
    BarMenus menus;
    SkinnedWindow skinned(menus.Bar);
    ASSERT_NE(skinned.Form->MenuBar(), nullptr);
    const auto typeOf = [](HMENU menu, UINT position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, position, TRUE, &info);
        return info.fType;
    };
    const auto textOf = [](HMENU menu, UINT position) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 63;
        GetMenuItemInfoW(menu, position, TRUE, &info);
        return std::wstring(text);
    };
    bool marked = false;
    std::wstring markedText;
    menu_test::WhileMenuOpen([&](HWND) {
        marked = (typeOf(menus.File, 0) & MFT_OWNERDRAW) != 0 && (typeOf(menus.More, 0) & MFT_OWNERDRAW) != 0;
        markedText = textOf(menus.File, 0);
        return true;
    });
    PostMessageW(skinned.Window.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    PostMessageW(skinned.Window.Handle(), WM_KEYDOWN, VK_DOWN, 0);  // F10 lights the bar, Down opens
    PumpMessagesUntil([&] { return !markedText.empty(); }, 5000);
    PumpPendingMessages();
    EXPECT_TRUE(marked);
    EXPECT_EQ(markedText, L"&Open\tCtrl+O");  // the text stays readable while the item is marked

    skinned.Form->Detach();
    EXPECT_EQ(GetMenu(skinned.Window.Handle()), menus.Bar);
    const std::pair<HMENU, UINT> items[] = {{menus.File, 0}, {menus.File, 1}, {menus.File, 2}, {menus.More, 0}};
    for (const auto& [menu, position] : items) EXPECT_EQ(typeOf(menu, position) & MFT_OWNERDRAW, 0u);
    wchar_t text[64] = {};
    EXPECT_GT(GetMenuStringW(menus.File, 101, text, 64, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, L"&Open\tCtrl+O");
    EXPECT_GT(GetMenuStringW(menus.File, 1, text, 64, MF_BYPOSITION), 0);
    EXPECT_STREQ(text, L"&More");
    EXPECT_GT(GetMenuStringW(menus.More, 201, text, 64, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, L"Deeper");
    DestroyWindow(skinned.Window.Handle());
    PumpPendingMessages();
}

}  // namespace
