// Real mouse input on a skinned caption: a caption button goes hot, pressed and hot again and
// runs its action; the caption drags the window unless it is maximised; a double click
// maximises only a window with a maximise box.

#include <gtest/gtest.h>

#include <atomic>

#include "form_skin_fixture.h"
#include "skin/form/caption_button_rules.h"
#include "support/message_pump.h"

namespace {

using form_test::AttachSkin;
using form_test::InputThread;
using form_test::LoadSkin;
using form_test::MouseButton;
using form_test::MoveMouseTo;
using form_test::ScreenShowsButton;
using form_test::TestWindow;
using form_test::WaitFor;
using form_test::WindowRectOf;
using skin::form::ButtonState;

std::optional<std::size_t> ButtonWithAction(const skin::win::TSkinForm& form, int action) {
    const auto buttons = form.CaptionButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].Visible && buttons[i].Action() == action && !buttons[i].Picture().Empty()) return i;
    }
    return std::nullopt;
}

POINT ScreenCentre(HWND window, const skin::Rect& r) {
    const RECT outer = WindowRectOf(window);
    return {outer.left + (r.Left + r.Right) / 2, outer.top + (r.Top + r.Bottom) / 2};
}

TEST(FormCaptionInput, MaximiseButtonShowsHotPressedHotAndMaximises) {
    auto skin = LoadSkin("graphite");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 320, 160);
    const HWND hwnd = window.Handle();
    auto form = AttachSkin(*skin, hwnd);
    const auto index = ButtonWithAction(*form, 1);
    ASSERT_TRUE(index);
    const skin::form::CaptionButton& button = form->CaptionButtons()[*index];
    const POINT centre = ScreenCentre(hwnd, button.BoundsRect);

    std::atomic<int> step{0};
    InputThread input([&] {
        MoveMouseTo(centre);
        WaitFor([&] { return step.load() >= 1; });
        MouseButton(true);
        WaitFor([&] { return step.load() >= 2; });
        MouseButton(false);
    });
    const auto stateIs = [&](ButtonState state) { return form->CaptionButtons()[*index].State == state; };
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return stateIs(ButtonState::Hot); }));
    EXPECT_TRUE(ScreenShowsButton(hwnd, form->CaptionButtons()[*index], 3));
    step = 1;
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return stateIs(ButtonState::Pressed); }));
    EXPECT_TRUE(ScreenShowsButton(hwnd, form->CaptionButtons()[*index], 2));
    EXPECT_FALSE(IsZoomed(hwnd));
    step = 2;
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return IsZoomed(hwnd) != FALSE; }));
    input.Join();
    EXPECT_EQ(form->WindowState(), 1);
}

TEST(FormCaptionInput, CaptionDragMovesTheWindowButNotWhenMaximised) {
    auto skin = LoadSkin("meadow");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 300, 150);
    const HWND hwnd = window.Handle();
    auto form = AttachSkin(*skin, hwnd);
    const auto drag = [&](POINT from) {
        InputThread input([&] {
            MoveMouseTo(from);
            MouseButton(true);
            MoveMouseTo({from.x + 25, from.y + 15});
            MoveMouseTo({from.x + 50, from.y + 30});
            MouseButton(false);
            MoveMouseTo({from.x + 50, from.y + 80});
        });
        input.Join();
    };
    const RECT before = WindowRectOf(hwnd);
    const POINT grip{before.left + 80, before.top + form->Metrics().TitleHeight / 2 + 2};
    window.ClearLog();
    drag(grip);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] {
        const RECT now = WindowRectOf(hwnd);
        return now.left == before.left + 50 && now.top == before.top + 30;
    }));

    ShowWindow(hwnd, SW_MAXIMIZE);
    testing_support::PumpPendingMessages();
    ASSERT_EQ(form->WindowState(), 1);
    const RECT maximised = WindowRectOf(hwnd);
    window.ClearLog();
    drag({maximised.left + 80, maximised.top + form->Metrics().TitleHeight / 2 + 2});
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return window.Received(WM_MOUSEMOVE); }));
    const RECT after = WindowRectOf(hwnd);
    EXPECT_EQ(after.left, maximised.left);
    EXPECT_EQ(after.top, maximised.top);
    EXPECT_TRUE(IsZoomed(hwnd));
}

TEST(FormCaptionInput, DoubleClickOnCaptionMaximisesOnlyWithAMaximiseBox) {
    struct Case {
        DWORD Style;
        bool Maximises;
    };
    for (const Case& c :
         {Case{WS_OVERLAPPEDWINDOW, true}, Case{WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, false}}) {
        SCOPED_TRACE(c.Maximises ? "with maximise box" : "without maximise box");
        auto skin = LoadSkin("graphite");
        TestWindow window(c.Style, 0, 280, 140);
        const HWND hwnd = window.Handle();
        auto form = AttachSkin(*skin, hwnd);
        const RECT outer = WindowRectOf(hwnd);
        const POINT caption{outer.left + 90, outer.top + form->Metrics().TitleHeight / 2 + 2};
        window.ClearLog();
        InputThread input([&] {
            MoveMouseTo(caption);
            MouseButton(true);
            MouseButton(false);
            MouseButton(true);
            MouseButton(false);
            MoveMouseTo({caption.x, outer.top + form->Metrics().TitleHeight + 40});
        });
        input.Join();
        ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return window.Received(WM_MOUSEMOVE); }));
        testing_support::PumpPendingMessages();
        EXPECT_EQ(IsZoomed(hwnd) != FALSE, c.Maximises);
        bool maximiseCommand = false;
        for (const MSG& m : window.Messages())
            maximiseCommand |= m.message == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == SC_MAXIMIZE;
        EXPECT_EQ(maximiseCommand, c.Maximises);
    }
}

}  // namespace
