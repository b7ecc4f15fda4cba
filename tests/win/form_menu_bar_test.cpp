// The skinned menu bar driven by real keys and clicks: F10 and Down open the first drop-down, the
// arrow keys move between drop-downs with wrap-around, Escape closes, a disabled item runs nothing.

#include <gtest/gtest.h>

#include "form_skin_fixture.h"
#include "framework/win/menus.h"
#include "skin/form/win/skin_menu_bar.h"
#include "support/message_pump.h"

namespace {

using form_test::AttachSkin;
using form_test::InputThread;
using form_test::LoadSkin;
using form_test::MouseButton;
using form_test::MoveMouseTo;
using form_test::TapKey;
using form_test::TestWindow;
using form_test::WaitFor;
using form_test::WindowRectOf;

struct MenuFixture {
    HMENU Bar = CreateMenu();
    std::vector<HMENU> DropDowns;
    MenuFixture() {
        const wchar_t* names[] = {L"&File", L"&Edit", L"&View", L"&Help"};
        for (int i = 0; i < 4; ++i) {
            HMENU dropDown = CreatePopupMenu();
            AppendMenuW(dropDown, MF_STRING, static_cast<UINT_PTR>(100 + i * 10), L"First");
            AppendMenuW(dropDown, MF_STRING, static_cast<UINT_PTR>(101 + i * 10), L"Second");
            const UINT disabled = i == 3 ? MF_GRAYED : 0;
            AppendMenuW(Bar, MF_POPUP | disabled, reinterpret_cast<UINT_PTR>(dropDown), names[i]);
            DropDowns.push_back(dropDown);
        }
    }
};

// The drop-down shown now, seen from the input thread; null when none is open.
HMENU OpenDropDown() {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) return nullptr;
    // With a time-out: the test thread may already have stopped pumping.
    DWORD_PTR menu = 0;
    if (!SendMessageTimeoutW(menuWindow, MN_GETHMENU, 0, 0, SMTO_NORMAL, 1000, &menu)) return nullptr;
    return reinterpret_cast<HMENU>(menu);
}

TEST(FormMenuBar, F10DownOpensTheFirstDropDownArrowsWrapEscapeCloses) {
    auto skin = LoadSkin("graphite");
    MenuFixture menus;
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 320, 160, nullptr, menus.Bar);
    const HWND hwnd = window.Handle();
    auto form = AttachSkin(*skin, hwnd);
    ASSERT_NE(form->MenuBar(), nullptr);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    testing_support::PumpPendingMessages();
    window.ClearLog();

    std::vector<HMENU> seen;
    bool closedAfterEscape = false;
    InputThread input([&] {
        const auto expectOpen = [&](HMENU menu) {
            if (WaitFor([&] { return OpenDropDown() == menu; }))
                seen.push_back(menu);
            else
                seen.push_back(OpenDropDown());
        };
        TapKey(VK_F10);  // lights "File"
        TapKey(VK_DOWN);
        expectOpen(menus.DropDowns[0]);
        TapKey(VK_RIGHT);
        expectOpen(menus.DropDowns[1]);
        TapKey(VK_LEFT);
        expectOpen(menus.DropDowns[0]);
        TapKey(VK_LEFT);  // wraps past the disabled last item to "View"
        expectOpen(menus.DropDowns[2]);
        TapKey(VK_RIGHT);  // and from "View" round to "File"
        expectOpen(menus.DropDowns[0]);
        TapKey(VK_ESCAPE);
        closedAfterEscape = WaitFor([&] { return OpenDropDown() == nullptr; });
        TapKey(VK_ESCAPE);  // from the lit bar back to the window
        // Two moves, so that the window hears of one wherever an earlier test left the mouse.
        MoveMouseTo({WindowRectOf(hwnd).left + 149, WindowRectOf(hwnd).bottom - 30});
        MoveMouseTo({WindowRectOf(hwnd).left + 150, WindowRectOf(hwnd).bottom - 30});
    });
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return window.Received(WM_MOUSEMOVE); }, 10000));
    input.Join();
    const std::vector<HMENU> expected{menus.DropDowns[0], menus.DropDowns[1], menus.DropDowns[0], menus.DropDowns[2],
                                      menus.DropDowns[0]};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(closedAfterEscape);
    EXPECT_FALSE(form->MenuTracking());
    EXPECT_FALSE(window.Received(WM_COMMAND));
}

TEST(FormMenuBar, DisabledItemOpensNothingAndPostsNoCommand) {
    auto skin = LoadSkin("meadow");
    MenuFixture menus;
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 320, 160, nullptr, menus.Bar);
    const HWND hwnd = window.Handle();
    auto form = AttachSkin(*skin, hwnd);
    ASSERT_NE(form->MenuBar(), nullptr);
    const skin::Rect help = form->MenuBar()->ButtonRect(3);
    ASSERT_GT(help.Width(), 0);
    const RECT outer = WindowRectOf(hwnd);
    const POINT target{outer.left + (help.Left + help.Right) / 2, outer.top + (help.Top + help.Bottom) / 2};
    window.ClearLog();
    // Had a drop-down opened, its modal loop would swallow the mouse move that ends the script
    // and the window would never see it.
    InputThread input([&] {
        MoveMouseTo(target);
        MouseButton(true);
        MouseButton(false);
        MoveMouseTo({target.x, outer.bottom - 30});
    });
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return window.Received(WM_MOUSEMOVE); }, 10000));
    input.Join();
    testing_support::PumpPendingMessages();
    EXPECT_EQ(OpenDropDown(), nullptr);
    EXPECT_FALSE(window.Received(WM_COMMAND));
}

}  // namespace

namespace {

TEST(FormMenuBar, AltLetterOpensTheDropDownOfItsAccelerator) {
    auto skin = form_test::LoadSkin("graphite");
    MenuFixture menus;
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 320, 160, nullptr, menus.Bar);
    const HWND hwnd = window.Handle();
    auto form = AttachSkin(*skin, hwnd);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    testing_support::PumpPendingMessages();
    window.ClearLog();
    HMENU opened = nullptr;
    InputThread input([&] {
        form_test::Key(VK_MENU, true);
        TapKey('V');
        form_test::Key(VK_MENU, false);
        if (WaitFor([&] { return OpenDropDown() != nullptr; })) opened = OpenDropDown();
        TapKey(VK_ESCAPE);
        WaitFor([&] { return OpenDropDown() == nullptr; });
        TapKey(VK_ESCAPE);  // from the lit bar back to the window
        MoveMouseTo({WindowRectOf(hwnd).left + 159, WindowRectOf(hwnd).bottom - 20});  // two moves, as above
        MoveMouseTo({WindowRectOf(hwnd).left + 160, WindowRectOf(hwnd).bottom - 20});
    });
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return window.Received(WM_MOUSEMOVE); }, 10000));
    input.Join();
    EXPECT_EQ(opened, menus.DropDowns[2]);
    EXPECT_FALSE(form->MenuTracking());
}

}  // namespace

namespace {

TEST(FormSystemMenu, RightClickOnCaptionShowsTheSkinnedSystemMenuWhoseCloseClosesTheWindow) {
    auto skin = form_test::LoadSkin("graphite");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 300, 150);
    const HWND hwnd = window.Handle();
    auto form = AttachSkin(*skin, hwnd);
    ASSERT_NE(form->SystemPopupMenu(), nullptr);
    const HMENU systemPopup = form->SystemPopupMenu()->Handle();
    ASSERT_EQ(GetMenuItemCount(systemPopup), 5);  // Restore, Maximize, Minimize, separator, Close
    const RECT outer = WindowRectOf(hwnd);
    const POINT caption{outer.left + 100, outer.top + form->Metrics().TitleHeight / 2 + 2};
    HMENU shown = nullptr;
    UINT restoreState = 0;
    InputThread input([&] {
        MoveMouseTo(caption);
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        SendInput(2, click, sizeof(INPUT));
        if (WaitFor([&] { return OpenDropDown() != nullptr; })) shown = OpenDropDown();
        restoreState = GetMenuState(systemPopup, 0, MF_BYPOSITION);
        TapKey(VK_UP);  // from nothing selected, up selects the last item: " Close "
        TapKey(VK_RETURN);
    });
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return IsWindow(hwnd) == FALSE; }, 10000));
    input.Join();
    EXPECT_EQ(shown, systemPopup);
    EXPECT_NE(restoreState & MF_GRAYED, 0u) << "a window in its normal state has nothing to restore";
}

}  // namespace
