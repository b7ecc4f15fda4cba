// Progress bar, track bar, up-down and header skins under Wine: pixels read back against the
// skin's strips on both of our skins, a pressed arrow shown while real input holds it and the
// buddy's value equal to an unskinned twin's, list view headers, and no GDI growth on repaints.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/controls/win/control_attachment.h"
#include "skin/controls/win/skin_range.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/data/skin_image.h"
#include "control_pixels.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/parent_window.h"
#include "support/window_probe.h"

namespace {

using skin::controls::SkinKind;
using testing_support::kUnpainted;

const testing_support::ParentKind kRangeParent{L"RangeTestParent", L"Opsezi", 420, 320};

HWND ChildOfClass(const wchar_t* windowClass, DWORD style, int x, int y, int w, int h, HWND parent) {
    return CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

skin::win::TSkinControl* AttachKind(skin::win::TSkinForm& form, SkinKind kind, HWND window) {
    skin::win::TSkinControl* skin = skin::win::CreateControlSkin(kind, &form);
    skin->InitSkinHandle(window, form.SkinData(), &form);
    return skin;
}

// Mismatching pixels once the window's paints settled (polled for up to a second).
int Mismatches(HWND window, const skin::Bitmap& expected, const RECT& skip = RECT{}) {
    int mismatches = -1;
    testing_support::PumpMessagesUntil(
        [&] {
            mismatches = testing_support::CountMismatches(testing_support::ScreenOfWindow(window), expected, skip);
            return mismatches == 0;
        },
        1000);
    return mismatches;
}

skin::Pixel Face(const skin::win::TSkinData& data) {
    return skin::ColorToPixel(ColorToRGB(data.Objects().ButtonFaceColor));
}

// The bar as the skin should show it, lying down (length x thickness), `done` of `total` filled.
skin::Bitmap ExpectedProgressBar(const skin::win::TSkinData& data, int length, int thickness, int done, int total) {
    const auto& p = *data.Objects().Progress;
    skin::Bitmap e(length, thickness, Face(data));
    if (p.Style == 1) {
        skin::DrawSkinObject(e, {0, 0, length, thickness}, p.Map, false, p.Tile != 0, p.Trans != 0, 1, 1, p.Margins);
        const int inner = length - p.Margins.Left - p.Margins.Right;
        const int filled = inner * done / total;
        const int y = (thickness - p.Map2.Height()) / 2;
        for (int x = p.Margins.Left; x < p.Margins.Left + filled; x += p.Map2.Width()) {
            const int right = std::min(x + p.Map2.Width(), p.Margins.Left + filled);
            skin::TransparentBlit(e, {x, y, right, y + p.Map2.Height()}, p.Map2, skin::kMagenta);
        }
    } else {
        skin::DrawSkinObject(e, {0, 0, length, thickness}, p.Map, false, p.Tile != 0, p.Trans != 0, 2, 1, p.Margins);
        const int filled = length * done / total;
        if (filled > 0)
            skin::DrawSkinObject(e, {0, 0, filled, thickness}, p.Map, false, p.Tile != 0, p.Trans != 0, 2, 2,
                                 p.Margins);
    }
    return e;
}

class ControlsRange : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { Application->Initialize(); }
};

TEST_P(ControlsRange, ProgressBarsFillTheirRangeHorizontallyAndVertically) {
    auto data = form_test::LoadSkin(GetParam());
    ASSERT_TRUE(data->Objects().Progress);
    const HWND parent = testing_support::CreateParent(kRangeParent, 20, 20);
    const HWND bar = ChildOfClass(PROGRESS_CLASSW, 0, 20, 20, 200, 20, parent);
    const HWND tall = ChildOfClass(PROGRESS_CLASSW, PBS_VERTICAL, 260, 20, 20, 160, parent);
    auto formSkin = form_test::AttachSkin(*data, parent);
    AttachKind(*formSkin, SkinKind::Progress, bar);
    AttachKind(*formSkin, SkinKind::Progress, tall);
    struct Case {
        int min, max, pos, done, total;
    };
    const std::array<Case, 4> cases = {{{0, 100, 0, 0, 1}, {50, 150, 100, 1, 2}, {10, 20, 20, 1, 1}, {0, 0, 0, 0, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " at " << c.pos);
        for (HWND w : {bar, tall}) {
            SendMessageW(w, PBM_SETRANGE32, static_cast<WPARAM>(c.min), c.max);
            SendMessageW(w, PBM_SETPOS, static_cast<WPARAM>(c.pos), 0);
        }
        EXPECT_EQ(Mismatches(bar, ExpectedProgressBar(*data, 200, 20, c.done, c.total)), 0) << "horizontal";
        skin::Bitmap lying = ExpectedProgressBar(*data, 160, 20, c.done, c.total);
        skin::RotateLeft(lying);  // the fill grows upwards from the bottom
        EXPECT_EQ(Mismatches(tall, lying), 0) << "vertical";
    }
    formSkin.reset();
    DestroyWindow(parent);
}

TEST_P(ControlsRange, TrackBarThumbComesFromTheSkin) {
    auto data = form_test::LoadSkin(GetParam());
    const HWND parent = testing_support::CreateParent(kRangeParent, 20, 20);
    const LONG_PTR parentProc = GetWindowLongPtrW(parent, GWLP_WNDPROC);
    const HWND track = ChildOfClass(TRACKBAR_CLASSW, TBS_HORZ, 20, 20, 240, 36, parent);
    SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(track, TBM_SETPOS, TRUE, 3);
    auto formSkin = form_test::AttachSkin(*data, parent);
    AttachKind(*formSkin, SkinKind::TrackBar, track);
    EXPECT_NE(GetWindowLongPtrW(parent, GWLP_WNDPROC), parentProc) << "the parent answers the notifications";
    RedrawWindow(track, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT thumb{};
    SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    RECT window{};
    GetWindowRect(track, &window);
    skin::Bitmap expected(window.right - window.left, window.bottom - window.top, kUnpainted);
    skin::DrawSkinFrame(expected, {thumb.left, thumb.top, thumb.right, thumb.bottom},
                        data->Objects().TrackThumbHorz->Map, true, 5, 2);
    EXPECT_EQ(Mismatches(track, expected), 0);
    formSkin.reset();
    EXPECT_EQ(GetWindowLongPtrW(parent, GWLP_WNDPROC), parentProc);
    DestroyWindow(parent);
}

// A spin pair: an edit and its up-down (0..100 at 50) at (x, y) of `parent`.
HWND SpinPair(HWND parent, int x, int y, HWND& buddy) {
    buddy = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, x, y, 80, 24, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    const HWND arrows =
        ChildOfClass(UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0, parent);
    SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageW(arrows, UDM_SETRANGE32, 0, 100);
    SendMessageW(arrows, UDM_SETPOS32, 0, 50);
    return arrows;
}

// Three clicks on the lower arrow.
void ClickLowerArrow(HWND arrows) {
    RECT r{};
    GetWindowRect(arrows, &r);
    testing_support::RunInput([&] {
        for (int i = 0; i < 3; ++i) testing_support::ClickAt(POINT{(r.left + r.right) / 2, r.bottom - 4});
    });
}

TEST_P(ControlsRange, UpDownShowsThePressedArrowAndStepsLikeItsTwin) {
    auto data = form_test::LoadSkin(GetParam());
    const auto& object = *data->Objects().UpDownVert;
    const HWND twinParent = testing_support::CreateParent(kRangeParent, 440, 20);
    HWND twinBuddy = nullptr;
    const HWND twin = SpinPair(twinParent, 20, 20, twinBuddy);
    SetForegroundWindow(twinParent);
    ClickLowerArrow(twin);
    const std::wstring twinText = testing_support::TextOf(twinBuddy);
    DestroyWindow(twinParent);

    const HWND parent = testing_support::CreateParent(kRangeParent, 20, 20);
    HWND buddy = nullptr;
    const HWND arrows = SpinPair(parent, 20, 20, buddy);
    auto formSkin = form_test::AttachSkin(*data, parent);
    auto* skin = skin::win::AttachUpDownSkin(formSkin.get(), data.get(), arrows, formSkin.get(),
                                             skin::win::UpDownPlacement::Standalone);
    ASSERT_NE(skin, nullptr);
    SetForegroundWindow(parent);
    ClickLowerArrow(arrows);
    EXPECT_EQ(testing_support::TextOf(buddy), twinText);
    EXPECT_EQ(twinText, L"47");

    RECT r{};
    GetWindowRect(arrows, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const auto expectedWith = [&](int upperFrame, int lowerFrame) {
        skin::Bitmap e(w, h, Face(*data));
        const skin::Rect upper{0, 0, w, h / 2}, lower{0, h / 2, w, h};
        skin::DrawSkinFrame(e, upper, object.Map, true, 8, upperFrame);
        skin::DrawSkinGlyph(e, upper, object.Map2, true, 8, upperFrame);
        skin::DrawSkinFrame(e, lower, object.Map, true, 8, lowerFrame);
        skin::DrawSkinGlyph(e, lower, object.Map2, true, 8, lowerFrame);
        return e;
    };
    EXPECT_EQ(Mismatches(arrows, expectedWith(1, 5)), 0) << "released";
    skin::Bitmap held;
    testing_support::RunInput([&] {
        form_test::MoveMouseTo(POINT{(r.left + r.right) / 2, r.bottom - 4});
        Sleep(30);
        form_test::MouseButton(true);
        Sleep(200);
        held = testing_support::ScreenOfWindow(arrows);
        form_test::MouseButton(false);
        Sleep(50);
    });
    EXPECT_EQ(testing_support::CountMismatches(held, expectedWith(1, 6)), 0) << "lower arrow held";
    EnableWindow(arrows, FALSE);
    InvalidateRect(arrows, nullptr, TRUE);
    EXPECT_EQ(Mismatches(arrows, expectedWith(3, 7)), 0) << "disabled";
    formSkin.reset();
    DestroyWindow(parent);
}

TEST_P(ControlsRange, HeaderItemsAndFillerComeFromTheSkin) {
    auto data = form_test::LoadSkin(GetParam());
    auto& bar = *const_cast<skin::TSkinObjects&>(data->Objects()).HeaderBar;
    // The header is drawn opaque on a cleared surface whatever the object's flag: nothing of an
    // earlier paint shows through its magenta.
    bar.Trans = 1;
    const HWND parent = testing_support::CreateParent(kRangeParent, 20, 20);
    const HWND header = ChildOfClass(WC_HEADERW, HDS_HORZ, 10, 10, 300, 24, parent);
    for (int i = 0; i < 2; ++i) {
        wchar_t text[] = L"Kolona";
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 60;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.pszText = text;
        SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    const HWND list = ChildOfClass(WC_LISTVIEWW, LVS_REPORT, 10, 50, 300, 150, parent);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 80;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    auto formSkin = form_test::AttachSkin(*data, parent);
    auto* headerSkin = new skin::win::TSkinHeader(formSkin.get());
    headerSkin->InitSkinHandle(header, data.get(), formSkin.get());
    auto* listSkin = static_cast<skin::win::TSkinListView*>(AttachKind(*formSkin, SkinKind::ListView, list));
    ASSERT_NE(listSkin->Header(), nullptr);
    EXPECT_EQ(listSkin->Header()->Handle(), reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)));

    skin::Bitmap expected(300, 24, kUnpainted);
    for (int i = 0; i < 2; ++i) {
        skin::DrawSkinObject(expected, {i * 60, 0, i * 60 + 60, 24}, bar.Map, false, bar.Tile != 0, false,
                             bar.FrameCount, 1, bar.Margins);
        expected.FillRect({i * 60 + 4, 3, i * 60 + 56, 21}, kUnpainted);  // the caption
    }
    skin::DrawSkinObject(expected, {120, 0, 300, 24}, bar.Map, false, bar.Tile != 0, false, bar.FrameCount, 1,
                         bar.Margins);
    InvalidateRect(header, nullptr, TRUE);
    EXPECT_EQ(Mismatches(header, expected), 0);
    formSkin.reset();
    DestroyWindow(parent);
}

TEST_P(ControlsRange, RepaintsKeepNoGdiObjects) {
    auto data = form_test::LoadSkin(GetParam());
    const HWND parent = testing_support::CreateParent(kRangeParent, 20, 20);
    const HWND bar = ChildOfClass(PROGRESS_CLASSW, 0, 20, 20, 200, 20, parent);
    SendMessageW(bar, PBM_SETPOS, 40, 0);
    const HWND track = ChildOfClass(TRACKBAR_CLASSW, TBS_HORZ, 20, 60, 200, 36, parent);
    HWND buddy = nullptr;
    const HWND arrows = SpinPair(parent, 20, 110, buddy);
    const HWND combo = ChildOfClass(L"COMBOBOX", CBS_DROPDOWN, 20, 150, 150, 120, parent);
    const HWND header = ChildOfClass(WC_HEADERW, HDS_HORZ, 200, 150, 180, 24, parent);
    auto formSkin = form_test::AttachSkin(*data, parent);
    AttachKind(*formSkin, SkinKind::Progress, bar);
    AttachKind(*formSkin, SkinKind::TrackBar, track);
    AttachKind(*formSkin, SkinKind::UpDown, arrows);
    AttachKind(*formSkin, SkinKind::ComBox, combo);
    AttachKind(*formSkin, SkinKind::Edit, buddy);
    (new skin::win::TSkinHeader(formSkin.get()))->InitSkinHandle(header, data.get(), formSkin.get());
    const auto repaint = [&] {
        RedrawWindow(parent, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    for (int i = 0; i < 5; ++i) repaint();
    testing_support::PumpMessagesFor(50);
    const int before = testing_support::CountGdiObjects();
    for (int i = 0; i < 500; ++i) repaint();
    testing_support::PumpMessagesFor(50);
    EXPECT_LE(testing_support::CountGdiObjects(), before + 2);
    formSkin.reset();
    DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(BothSkins, ControlsRange, ::testing::Values("graphite", "meadow"));

}  // namespace
