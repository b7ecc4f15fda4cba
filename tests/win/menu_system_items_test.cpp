// Items of the skinned system menu and plain separators: the system menu's commands carry the
// skin data's glyphs (read back from the open menu: restore and close glyphs in their glyph
// boxes) and Close its "Shift+F4" short-cut text; a separator drawn without the skin's item image
// is an etched line, not the text "-".

#include <gtest/gtest.h>

#include "base/win/dib_section.h"
#include "form_skin_fixture.h"
#include "framework/shortcut.h"
#include "framework/win/img_list.h"
#include "framework/win/menus.h"
#include "menu_support.h"
#include "skin/data/skin_image.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_items.h"
#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"

namespace {

using menu_test::CountColour;
using menu_test::RgbAt;
std::uint32_t Rgb(COLORREF colour) { return form_test::RgbOf(skin::ColorToPixel(colour)); }

class SystemMenuItems : public ::testing::TestWithParam<std::string> {};

TEST_P(SystemMenuItems, CommandsShowTheSkinGlyphsAndCloseItsShortCut) {
    menu_test::RunningSkin skin(GetParam());
    form_test::TestWindow window(WS_OVERLAPPEDWINDOW, 0, 320, 160);
    SetForegroundWindow(window.Handle());
    skin::win::SkinManager->AddFormSkin(window.Handle());
    testing_support::PumpPendingMessages();
    skin::win::TSkinForm* form = skin::win::SkinManager->FindFormSkin(window.Handle());
    ASSERT_NE(form, nullptr);
    TPopupMenu* menu = form->SystemPopupMenu();
    ASSERT_NE(menu, nullptr);
    const TCustomImageList* glyphs = skin.Data().MenuGlyphs();
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(menu->Images(), glyphs);
    TMenuItem* items = menu->Items();
    ASSERT_EQ(items->Count(), 5);  // Restore, Maximize, Minimize, separator, Close
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem* item = items->Items(i);
        EXPECT_EQ(item->ImageIndex(), item->Tag()) << item->Caption();
        EXPECT_EQ(item->ShortCut(), item->Tag() == 3 ? TextToShortCut("Shift+F4") : TShortCut{0}) << item->Caption();
    }
    EXPECT_EQ(ShortCutToText(items->Items(4)->ShortCut()), "Shift+F4");

    base::Bitmap shot;
    RECT rows[5]{};
    const HMENU handle = menu->Handle();
    menu_test::WhileMenuOpen([&](HWND menuWindow) {
        for (UINT i = 0; i < 5; ++i) rows[i] = menu_test::ItemRectInWindow(menuWindow, handle, i);
        shot = menu_test::ScreenOf(menuWindow).Pixels();
        return true;
    });
    const RECT outer = form_test::WindowRectOf(window.Handle());
    SetCursorPos(1, 1);  // away from where the menu opens: no item is hot
    SendMessageW(window.Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(outer.left + 100, outer.top + 8));
    testing_support::PumpPendingMessages();
    ASSERT_FALSE(shot.Empty());

    // Glyph ink where the image list draws ink, the background where it draws none (glyph
    // points as in the skin data's own test of the glyphs).
    base::win::DibSection drawn(16, 16);
    const int glyphLeft = skin.Data().Objects().MenuItem->Margins.Left + 1;
    struct Point {
        int row;
        int glyph;
        int x, y;
    };
    const Point ink[] = {{0, 0, 5, 2}, {0, 0, 3, 9}, {4, 3, 7, 7}};
    const Point clear[] = {{0, 0, 5, 9}, {4, 3, 2, 7}};
    // A disabled item's glyph (Restore, in a window that is not maximised) is drawn disabled.
    for (const Point& p : ink) {
        drawn.Pixels().Fill(skin::ColorToPixel(RGB(255, 255, 255)));
        glyphs->Draw(drawn.Dc(), 0, 0, p.glyph, items->Items(p.row)->Enabled());
        const std::uint32_t want = RgbAt(drawn.Pixels(), p.x, p.y);
        ASSERT_NE(want, 0xFFFFFFu) << "glyph " << p.glyph << " has no ink at " << p.x << "," << p.y;
        EXPECT_EQ(RgbAt(shot, rows[p.row].left + glyphLeft + p.x, rows[p.row].top + 1 + p.y), want)
            << GetParam() << " glyph " << p.glyph << " at " << p.x << "," << p.y;
    }
    for (const Point& p : clear) {
        drawn.Pixels().Fill(skin::ColorToPixel(RGB(255, 255, 255)));
        glyphs->Draw(drawn.Dc(), 0, 0, p.glyph, items->Items(p.row)->Enabled());
        const std::uint32_t inkColour = RgbAt(drawn.Pixels(), 7, 7);
        EXPECT_NE(RgbAt(shot, rows[p.row].left + glyphLeft + p.x, rows[p.row].top + 1 + p.y), inkColour)
            << GetParam() << " glyph " << p.glyph << " at " << p.x << "," << p.y;
    }
    // The short-cut text at Close's right end, and nothing there on Minimize.
    const COLORREF text = ColorToRGB(skin.Data().Objects().MenuTextColor);
    const auto rightEnd = [](const RECT& r) { return RECT{r.right - 40, r.top, r.right - 8, r.bottom}; };
    EXPECT_GT(CountColour(shot, rightEnd(rows[4]), text), 5) << GetParam();
    EXPECT_EQ(CountColour(shot, rightEnd(rows[2]), text), 0) << GetParam();
    DestroyWindow(window.Handle());
    testing_support::PumpPendingMessages();
}

INSTANTIATE_TEST_SUITE_P(BothSkins, SystemMenuItems, ::testing::Values("graphite", "meadow"));

// Without the skin's item image (plain colours), separators of both kinds are an etched line
// 4 pixels down, with no trace of the caption "-".
TEST(MenuSeparatorItems, WithoutTheItemImageBothKindsAreAnEtchedLine) {
    for (const bool framework : {true, false}) {
        skin::win::MenuItemView view;
        view.Caption = L"-";
        view.Separator = true;
        view.FrameworkItem = framework;
        base::win::DibSection dib(120, 8);
        dib.Pixels().Fill(skin::ColorToPixel(RGB(10, 200, 10)));
        skin::win::DrawMenuItem(nullptr, nullptr, view, dib.Dc(), RECT{0, 0, 120, 8}, false);
        const base::Bitmap& pixels = dib.Pixels();
        for (int x : {10, 60, 110}) {
            EXPECT_EQ(RgbAt(pixels, x, 4), Rgb(GetSysColor(COLOR_BTNSHADOW)))
                << "framework " << framework << " x " << x;
            EXPECT_EQ(RgbAt(pixels, x, 5), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)))
                << "framework " << framework << " x " << x;
        }
        EXPECT_EQ(CountColour(pixels, RECT{0, 0, 120, 8}, GetSysColor(COLOR_MENUTEXT)), 0) << "framework " << framework;
        for (int y : {0, 1, 2, 3, 6, 7})
            EXPECT_EQ(RgbAt(pixels, 60, y), Rgb(GetSysColor(COLOR_MENU))) << "framework " << framework << " y " << y;
    }
}

}  // namespace
