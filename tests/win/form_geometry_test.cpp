// The skinned frame's geometry on real windows: the client area keeps its size inside a frame
// as thick as the skin's edge images, and detaching gives everything back.

#include <gtest/gtest.h>

#include "form_skin_fixture.h"
#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"

namespace {

using form_test::AttachSkin;
using form_test::ClientOffset;
using form_test::ClientRectOf;
using form_test::LoadSkin;
using form_test::TestWindow;
using form_test::WindowRectOf;
using skin::form::FrameKind;

struct FrameCase {
    const char* Name;
    DWORD Style;
    DWORD ExStyle;
    FrameKind Kind;
};

const FrameCase kFrameCases[] = {
    {"sizable", WS_OVERLAPPEDWINDOW, 0, FrameKind::Sizable},
    {"fixed", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, FrameKind::Fixed},
    {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, FrameKind::Dialog},
    {"borderless popup", WS_POPUP, 0, FrameKind::BorderlessPopup},
};

int FrameOf(const skin::TDataSkinObject& edge, bool stacked) {
    const int count = edge.FrameCount > 0 ? edge.FrameCount : 1;
    return stacked ? edge.Map.Height() / count : edge.Map.Width() / count;
}

TEST(FormGeometry, ClientAreaKeepsItsSizeInsideTheSkinsFrameAndDetachRestoresTheWindow) {
    for (const char* skinName : {"graphite", "meadow"}) {
        auto skin = LoadSkin(skinName);
        ASSERT_FALSE(skin->SkinEmpty()) << skinName;
        const auto& objects = skin->Objects();
        for (const FrameCase& frame : kFrameCases) {
            SCOPED_TRACE(std::string(skinName) + " / " + frame.Name);
            TestWindow window(frame.Style, frame.ExStyle, 320, 180);
            const HWND hwnd = window.Handle();
            const RECT windowBefore = WindowRectOf(hwnd);
            const RECT clientBefore = ClientRectOf(hwnd);
            const LONG_PTR styleBefore = GetWindowLongPtrW(hwnd, GWL_STYLE);
            const LONG_PTR procBefore = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);

            auto form = AttachSkin(*skin, hwnd);
            EXPECT_EQ(form->FrameKind(), frame.Kind);
            EXPECT_EQ(form->Phase(), 1);
            EXPECT_EQ(SendMessageW(hwnd, skin::win::SM_ISSKINNED, 0, 0), 1);

            const RECT client = ClientRectOf(hwnd);
            EXPECT_EQ(client.right, clientBefore.right);
            EXPECT_EQ(client.bottom, clientBefore.bottom);
            const RECT outer = WindowRectOf(hwnd);
            const POINT offset = ClientOffset(hwnd);
            if (frame.Kind == FrameKind::BorderlessPopup) {
                EXPECT_EQ(outer.right - outer.left, windowBefore.right - windowBefore.left);
                EXPECT_EQ(offset.x, 0);
                EXPECT_EQ(offset.y, 0);
            } else {
                const int left = FrameOf(*objects.BorderLeft, false);
                const int right = FrameOf(*objects.BorderRight, false);
                const int top = FrameOf(*objects.BorderTop, true);
                const int bottom = FrameOf(*objects.BorderBottom, true);
                EXPECT_EQ(offset.x, left);
                EXPECT_EQ(offset.y, top);
                EXPECT_EQ(outer.right - outer.left, client.right + left + right);
                EXPECT_EQ(outer.bottom - outer.top, client.bottom + top + bottom);
                EXPECT_TRUE(form->HasRegion());
                EXPECT_NE(GetWindowRgn(hwnd, CreateRectRgn(0, 0, 0, 0)), ERROR);
            }

            form->Detach();
            testing_support::PumpPendingMessages();
            const RECT windowAfter = WindowRectOf(hwnd);
            EXPECT_EQ(windowAfter.right - windowAfter.left, windowBefore.right - windowBefore.left);
            EXPECT_EQ(windowAfter.bottom - windowAfter.top, windowBefore.bottom - windowBefore.top);
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE), styleBefore);
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), procBefore);
            EXPECT_FALSE(form->HasRegion());
            HRGN probe = CreateRectRgn(0, 0, 0, 0);
            EXPECT_EQ(GetWindowRgn(hwnd, probe), ERROR);
            DeleteObject(probe);
            EXPECT_EQ(SendMessageW(hwnd, skin::win::SM_ISSKINNED, 0, 0), 0);
        }
    }
}

TEST(FormGeometry, SkinnedAnswersBeforeApplyAndWindowEndRestoresTheProcedure) {
    auto skin = LoadSkin("graphite");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 200, 120);
    const HWND hwnd = window.Handle();
    auto form = std::make_unique<skin::win::TSkinForm>(nullptr);
    form->Handle = hwnd;
    form->Attach(skin.get());
    EXPECT_EQ(form->Phase(), 0);
    EXPECT_EQ(SendMessageW(hwnd, skin::win::SM_ISSKINNED, 0, 0), 1);
    SendMessageW(hwnd, skin::win::SM_SKINCONTROLS, 0, 1000);
    EXPECT_EQ(form->Phase(), 1);
    DestroyWindow(hwnd);
    EXPECT_EQ(form->Phase(), 6);
    EXPECT_FALSE(form->HasRegion());
}

TEST(FormGeometry, MenuBarTakesTheWindowsMenuAndGivesItBack) {
    auto skin = LoadSkin("meadow");
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&Open");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 300, 160, nullptr, menu);
    const HWND hwnd = window.Handle();
    const RECT clientBefore = ClientRectOf(hwnd);
    auto form = AttachSkin(*skin, hwnd);
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    ASSERT_NE(form->MenuBar(), nullptr);
    EXPECT_EQ(form->Metrics().MenuBarHeight, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(ClientOffset(hwnd).y, form->Metrics().TitleHeight + form->Metrics().MenuBarHeight);
    EXPECT_EQ(ClientRectOf(hwnd).bottom, clientBefore.bottom);
    form->Detach();
    EXPECT_EQ(GetMenu(hwnd), menu);
}

}  // namespace
