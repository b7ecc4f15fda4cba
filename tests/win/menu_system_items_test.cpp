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

std::uint32_t At(const base::Bitmap& b, int x, int y) { return form_test::RgbOf(b.At(x, y)); }
std::uint32_t Rgb(COLORREF colour) { return form_test::RgbOf(skin::ColorToPixel(colour)); }

int CountColour(const base::Bitmap& b, const RECT& r, COLORREF colour) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) count += At(b, x, y) == Rgb(colour) ? 1 : 0;
    return count;
}

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
            EXPECT_EQ(At(pixels, x, 4), Rgb(GetSysColor(COLOR_BTNSHADOW))) << "framework " << framework << " x " << x;
            EXPECT_EQ(At(pixels, x, 5), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)))
                << "framework " << framework << " x " << x;
        }
        EXPECT_EQ(CountColour(pixels, RECT{0, 0, 120, 8}, GetSysColor(COLOR_MENUTEXT)), 0) << "framework " << framework;
        for (int y : {0, 1, 2, 3, 6, 7})
            EXPECT_EQ(At(pixels, 60, y), Rgb(GetSysColor(COLOR_MENU))) << "framework " << framework << " y " << y;
    }
}

}  // namespace
