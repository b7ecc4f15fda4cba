// The skinned frame's pixels read back from real windows, the window region and the hit-test
// answers at points computed from the skin.

#include <gtest/gtest.h>

#include "form_skin_fixture.h"
#include "skin/form/caption_button.h"
#include "skin/form/caption_button_rules.h"
#include "support/message_pump.h"

namespace {

using form_test::AttachSkin;
using form_test::LoadSkin;
using form_test::PrintWindowPixels;
using form_test::RgbOf;
using form_test::TestWindow;
using form_test::WindowRectOf;

constexpr std::uint32_t kMagentaRgb = 0x00FF00FF;

// Window pixel (x, y) of the left edge against the edge image's frame `frame` for the rows the
// image keeps unscaled (its top margin) and the bottom margin rows counted from the bottom.
void ExpectLeftEdgeMatches(const skin::Bitmap& window, const skin::TDataSkinBorder& edge, int frame) {
    const int count = edge.FrameCount > 0 ? edge.FrameCount : 1;
    const int width = edge.Map.Width() / count;
    const int frameHeight = edge.Map.Height();
    const int topRows = std::min(edge.Margins.Top, window.Height());
    int compared = 0;
    for (int y = 0; y < topRows; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t expected = RgbOf(edge.Map.Row(y)[(frame - 1) * width + x]);
            ASSERT_EQ(RgbOf(window.Row(y)[x]), expected) << "top part at " << x << "," << y;
            ++compared;
        }
    }
    for (int r = 1; r <= edge.Margins.Bottom; ++r) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t expected = RgbOf(edge.Map.Row(frameHeight - r)[(frame - 1) * width + x]);
            ASSERT_EQ(RgbOf(window.Row(window.Height() - r)[x]), expected) << "bottom part at " << x << ",-" << r;
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

TEST(FormPaint, FramePixelsAreTheEdgeImagesActiveAndInactive) {
    for (const char* skinName : {"graphite", "meadow"}) {
        SCOPED_TRACE(skinName);
        auto skin = LoadSkin(skinName);
        TestWindow window(WS_OVERLAPPEDWINDOW, 0, 260, 150);
        auto form = AttachSkin(*skin, window.Handle());
        const auto& left = *skin->Objects().BorderLeft;

        SendMessageW(window.Handle(), WM_NCACTIVATE, TRUE, 0);
        ExpectLeftEdgeMatches(PrintWindowPixels(window.Handle()).Pixels(), left, 1);

        SendMessageW(window.Handle(), WM_NCACTIVATE, FALSE, 0);
        EXPECT_FALSE(form->Active());
        ExpectLeftEdgeMatches(PrintWindowPixels(window.Handle()).Pixels(), left, left.FrameCount >= 2 ? 2 : 1);
    }
}

TEST(FormPaint, CaptionShowsTheWindowTextAndRepaintsWhenItChanges) {
    auto skin = LoadSkin("graphite");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 300, 120);
    auto form = AttachSkin(*skin, window.Handle());
    SetWindowTextW(window.Handle(), L"");
    const skin::Bitmap empty = PrintWindowPixels(window.Handle()).Pixels();
    SetWindowTextW(window.Handle(), L"WWWWWWWW");
    const skin::Bitmap titled = PrintWindowPixels(window.Handle()).Pixels();
    const COLORREF text = RGB(236, 238, 242);  // the skin's active caption text colour
    int textPixels = 0;
    int changed = 0;
    for (int y = 0; y < form->Metrics().TitleHeight; ++y) {
        for (int x = 0; x < titled.Width(); ++x) {
            const std::uint32_t p = RgbOf(titled.Row(y)[x]);
            if (p != RgbOf(empty.Row(y)[x])) ++changed;
            if (p == ((GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text))) ++textPixels;
        }
    }
    EXPECT_GT(changed, 0);
    EXPECT_GT(textPixels, 0);
}

TEST(FormPaint, RegionCutsExactlyTheMagentaPixelsOfTheSideEdges) {
    auto skin = LoadSkin("graphite");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 240, 140);
    auto form = AttachSkin(*skin, window.Handle());
    ASSERT_TRUE(form->HasRegion());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window.Handle(), region), ERROR);
    const RECT outer = WindowRectOf(window.Handle());
    const int height = outer.bottom - outer.top;
    for (const auto* edge : {skin->Objects().BorderLeft.get(), skin->Objects().BorderRight.get()}) {
        const bool isLeft = edge == skin->Objects().BorderLeft.get();
        const int width = edge->Map.Width() / std::max(edge->FrameCount, 1);
        const int x0 = isLeft ? 0 : (outer.right - outer.left) - width;
        int cut = 0;
        for (int y = 0; y < edge->Margins.Top; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool magenta = RgbOf(edge->Map.Row(y)[x]) == kMagentaRgb;
                EXPECT_EQ(PtInRegion(region, x0 + x, y) != FALSE, !magenta) << x << "," << y;
                cut += magenta ? 1 : 0;
            }
        }
        for (int r = 1; r <= edge->Margins.Bottom; ++r) {
            for (int x = 0; x < width; ++x) {
                const bool magenta = RgbOf(edge->Map.Row(edge->Map.Height() - r)[x]) == kMagentaRgb;
                EXPECT_EQ(PtInRegion(region, x0 + x, height - r) != FALSE, !magenta) << x << ",-" << r;
            }
        }
        EXPECT_GT(cut, 0) << "the skin's corners are rounded";
    }
    DeleteObject(region);
}

TEST(FormPaint, HitTestAnswersAtPointsTakenFromTheSkin) {
    auto skin = LoadSkin("graphite");
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 7, L"&Go");
    TestWindow window(WS_OVERLAPPEDWINDOW, 0, 300, 160, nullptr, menu);
    auto form = AttachSkin(*skin, window.Handle());
    const RECT outer = WindowRectOf(window.Handle());
    const auto& m = form->Metrics();
    const auto hit = [&](int x, int y) {
        return SendMessageW(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(outer.left + x, outer.top + y));
    };
    const int width = outer.right - outer.left;
    EXPECT_EQ(hit(width / 2, m.TitleHeight / 2 + 2), HTCAPTION);
    EXPECT_EQ(hit(width / 2, m.TitleHeight + m.MenuBarHeight / 2), HTMENU);
    EXPECT_EQ(hit(width / 2, m.TitleHeight + m.MenuBarHeight + 20), HTCLIENT);
    for (const auto& button : form->CaptionButtons()) {
        if (!button.Visible || button.Action() < 0) continue;
        const int cx = (button.BoundsRect.Left + button.BoundsRect.Right) / 2;
        const int cy = (button.BoundsRect.Top + button.BoundsRect.Bottom) / 2;
        EXPECT_EQ(hit(cx, cy), HTCAPTION) << "action " << button.Action();
    }
}

}  // namespace

namespace {

// The pixels of the caption's icon button, as the window printed them.
std::vector<std::uint32_t> IconButtonPixels(const skin::win::TSkinForm& form, HWND window) {
    std::vector<std::uint32_t> pixels;
    const base::win::DibSection printed = PrintWindowPixels(window);
    for (const auto& button : form.CaptionButtons()) {
        if (!skin::form::ShowsWindowIcon(button.Action()) || !button.Visible) continue;
        for (int y = button.BoundsRect.Top; y < button.BoundsRect.Bottom; ++y)
            for (int x = button.BoundsRect.Left; x < button.BoundsRect.Right; ++x)
                pixels.push_back(RgbOf(printed.Pixels().At(x, y)));
    }
    return pixels;
}

}  // namespace

TEST(FormPaint, AWindowWithoutAnIconShowsTheIconItsSkinsFirstWindowLent) {
    auto skin = LoadSkin("graphite");
    TestWindow withIcon(WS_OVERLAPPEDWINDOW, 0, 260, 150);
    TestWindow withoutIcon(WS_OVERLAPPEDWINDOW, 0, 260, 150);
    TestWindow beforeLending(WS_OVERLAPPEDWINDOW, 0, 260, 150);
    auto bare = AttachSkin(*skin, beforeLending.Handle());
    ASSERT_TRUE(skin->IconBitmap().Empty());

    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    SendMessageW(withIcon.Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    auto lender = AttachSkin(*skin, withIcon.Handle());
    EXPECT_FALSE(skin->IconBitmap().Empty());
    auto borrower = AttachSkin(*skin, withoutIcon.Handle());

    const auto lent = IconButtonPixels(*lender, withIcon.Handle());
    ASSERT_FALSE(lent.empty());  // the skin shows an icon button, or this proves nothing
    EXPECT_EQ(IconButtonPixels(*borrower, withoutIcon.Handle()), lent);
    // A window skinned before any icon was lent shows the skin's own button picture instead.
    EXPECT_NE(IconButtonPixels(*bare, beforeLending.Handle()), lent);
}
