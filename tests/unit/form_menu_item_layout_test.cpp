// Menu item layout: glyph box, caption, shortcut and check mark places, left to right and
// mirrored; measured widths; the separator's piece of the item image.

#include <gtest/gtest.h>

#include "skin/form/menu_item_layout.h"

namespace skin::form {
namespace {

TEST(FormMenuItemLayout, GlyphBoxAndTextRectangle) {
    const Rect item{0, 0, 120, 20};
    struct Case {
        const char* what;
        MenuItemFacts facts;
        Rect glyph;
        Rect text;
    };
    const Case cases[] = {
        {"plain", {item, 16, 0, false, false}, {1, 1, 17, 17}, {20, 0, 119, 20}},
        {"skin margin", {item, 16, 4, false, false}, {5, 1, 21, 17}, {24, 0, 119, 20}},
        {"wide images", {item, 24, 0, false, false}, {1, 1, 25, 25}, {28, 0, 119, 20}},
        {"separator", {item, 16, 4, true, false}, {0, 1, 0, 1}, {3, 0, 119, 20}},
        {"mirrored", {item, 16, 0, false, true}, {103, 1, 119, 17}, {1, 0, 100, 20}},
        {"mirrored margin", {item, 16, 4, false, true}, {99, 1, 115, 17}, {1, 0, 96, 20}},
        {"mirrored separator", {item, 16, 4, true, true}, {120, 1, 120, 1}, {1, 0, 117, 20}},
        {"moved item", {{10, 40, 130, 60}, 16, 0, false, false}, {11, 41, 27, 57}, {30, 40, 129, 60}},
    };
    for (const Case& c : cases) {
        const MenuItemLayout layout = LayoutMenuItem(c.facts);
        EXPECT_EQ(layout.GlyphBox, c.glyph) << c.what;
        EXPECT_EQ(layout.TextRect, c.text) << c.what;
        EXPECT_EQ(c.facts.Separator, layout.GlyphBox.IsEmpty()) << c.what;
    }
}

TEST(FormMenuItemLayout, GlyphSizeCentringShortcutAndCheckMark) {
    EXPECT_EQ(MenuGlyphSize(0, false), 16);
    EXPECT_EQ(MenuGlyphSize(24, false), 24);
    EXPECT_EQ(MenuGlyphSize(12, false), 12);
    EXPECT_EQ(MenuGlyphSize(12, true), 16);

    EXPECT_EQ(CentreVertically({20, 0, 60, 13}, {20, 0, 119, 20}), (Rect{20, 3, 60, 16}));
    EXPECT_EQ(CentreVertically({20, 0, 60, 14}, {20, 10, 119, 30}), (Rect{20, 13, 60, 27}));

    // Left to right the keys end 10 pixels before the caption area's end; mirrored they start
    // 11 pixels inside the item and end where the caption begins.
    EXPECT_EQ(ShortcutRect({20, 3, 60, 16}, {20, 0, 119, 20}, {0, 0, 120, 20}, false), (Rect{60, 3, 109, 16}));
    EXPECT_EQ(ShortcutRect({70, 3, 100, 16}, {1, 0, 100, 20}, {0, 0, 120, 20}, true), (Rect{11, 3, 70, 16}));

    EXPECT_EQ(CheckMarkRect({1, 1, 17, 17}, 13, 13), (Rect{3, 3, 16, 16}));
    EXPECT_EQ(CheckMarkRect({1, 1, 17, 17}, 16, 16), (Rect{2, 2, 18, 18}));
}

TEST(FormMenuItemLayout, MeasuringAndSeparatorSource) {
    EXPECT_EQ(PopupItemExtraWidth(0, false), 35);
    EXPECT_EQ(PopupItemExtraWidth(6, true), 18);
    EXPECT_EQ(MainItemExtraWidth(6, true), 16);
    EXPECT_EQ(MainItemExtraWidth(0, false), 35);

    const MeasuredSize text = MeasureWindowsItem(50, 16, false, 4);
    EXPECT_EQ(text.Width, 80);
    EXPECT_EQ(text.Height, 20);
    EXPECT_EQ(MeasureWindowsItem(0, 16, true, 0).Height, 8);

    // Five frames of 20 pixels: frame 2 is x 20..40; a higher image gives its bottom rows.
    EXPECT_EQ(SeparatorSourceRect(100, 22, 8), (Rect{20, 14, 40, 22}));
    EXPECT_EQ(SeparatorSourceRect(100, 6, 8), (Rect{20, 0, 40, 6}));
}

}  // namespace
}  // namespace skin::form
