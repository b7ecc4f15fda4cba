// The form skin never fails on bad skin data: a skin with nothing loaded, zero or negative
// frame counts, empty images and missing optional objects still give a working window.

#include <gtest/gtest.h>

#include "form_skin_fixture.h"
#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"

namespace {

using form_test::AttachSkin;
using form_test::TestWindow;

// Moves the mouse over the whole caption and asks for every non-client answer the skin gives.
void ExerciseNonClient(HWND hwnd) {
    const RECT outer = form_test::WindowRectOf(hwnd);
    for (int x = outer.left; x < outer.right; x += 7) {
        const LPARAM point = MAKELPARAM(x, outer.top + 5);
        SendMessageW(hwnd, WM_NCHITTEST, 0, point);
        SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, point);
    }
    SendMessageW(hwnd, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(hwnd, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(hwnd, skin::win::SM_NCREPAINT, 0, 0);
    (void)form_test::PrintWindowPixels(hwnd);
    SetWindowPos(hwnd, nullptr, 0, 0, 150, 90, SWP_NOMOVE | SWP_NOZORDER);
    testing_support::PumpPendingMessages();
}

TEST(FormBadSkin, NothingLoadedGivesNoFrameAndAWorkingWindow) {
    skin::win::TSkinData empty(nullptr);
    ASSERT_TRUE(empty.SkinEmpty());
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 200, 100);
    auto form = AttachSkin(empty, window.Handle());
    EXPECT_EQ(form->Metrics(), skin::form::FrameMetrics{});
    EXPECT_TRUE(form->CaptionButtons().empty());
    ExerciseNonClient(window.Handle());
    EXPECT_EQ(form_test::ClientOffset(window.Handle()).x, 0);
}

TEST(FormBadSkin, BrokenCountsEmptyImagesAndMissingObjectsAreSkipped) {
    auto skin = form_test::LoadSkin("graphite");
    // The loaded objects are broken in place, as a damaged skin package could leave them.
    auto& objects = const_cast<skin::TSkinObjects&>(skin->Objects());
    objects.BorderTop->FrameCount = 0;
    objects.BorderLeft->FrameCount = -3;
    objects.BorderRight->Map = {};
    objects.BorderBottom->FrameCount = 1000;
    objects.Title->Map = {};
    objects.MenuBar.reset();
    for (std::size_t i = 0; i < objects.SysButtons.size(); ++i) {
        if (i % 2 == 0)
            objects.SysButtons[i]->FrameCount = 0;
        else
            objects.SysButtons[i]->Map = {};
    }
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 5, L"&Item");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 220, 120, nullptr, menu);
    auto form = AttachSkin(*skin, window.Handle());
    EXPECT_EQ(form->Metrics().BorderRightWidth, 0);
    EXPECT_GE(form->Metrics().TitleHeight, 0);
    EXPECT_GE(form->Metrics().BorderLeftWidth, 0);
    ExerciseNonClient(window.Handle());
    form->Detach();
    EXPECT_EQ(GetMenu(window.Handle()), menu);
}

}  // namespace
