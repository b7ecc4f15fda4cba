#pragma once
// Where the parts of a skinned menu item go: the glyph box (image or check mark), the caption,
// the shortcut, and the separator's piece of the item image; left-to-right and mirrored.

#include "skin/data/skin_objects.h"

namespace skin::form {

inline constexpr int kMenuGlyphSize = 16;

struct MenuItemFacts {
    Rect Item;  // the item's rectangle in the bitmap it is composed in
    int GlyphSize = kMenuGlyphSize;
    int MarginLeft = 0;  // the item image's left margin when the skin has one, else 0
    bool Separator = false;
    bool RightToLeft = false;
};

struct MenuItemLayout {
    Rect GlyphBox;  // empty for a separator
    Rect TextRect;  // where the caption is measured and drawn
};

// The glyph box's size: the image list's width (16 without one), at least 16 for a checked item.
int MenuGlyphSize(int imageWidth, bool checked);

MenuItemLayout LayoutMenuItem(const MenuItemFacts& facts);

// `measured` moved so that it sits vertically centred in `within` (half the difference, rounded
// towards zero); its left and right stay.
Rect CentreVertically(const Rect& measured, const Rect& within);

// Where the shortcut text goes: left to right, from the caption's right edge to 10 pixels before
// the text rectangle's right edge; mirrored, from 11 pixels inside the item's left edge to the
// caption's left edge.
Rect ShortcutRect(const Rect& measuredText, const Rect& textRect, const Rect& item, bool rightToLeft);

// Where the check mark bitmap (width x height) goes in the glyph box: centred, one pixel right
// and down.
Rect CheckMarkRect(const Rect& glyphBox, int width, int height);

// Width added to a measured item: the item image's left margin, and room for the glyph (less
// when the menu has images, whose own width is part of the measuring).
int PopupItemExtraWidth(int marginLeft, bool hasImages);
int MainItemExtraWidth(int marginLeft, bool hasImages);

// A plain Windows item measured from its text: width and height given the text's extent.
struct MeasuredSize {
    int Width = 0;
    int Height = 0;
};
MeasuredSize MeasureWindowsItem(int textWidth, int systemHeight, bool emptyText, int marginLeft);

// The part of the item image (five frames side by side) a separator is drawn from: frame 2,
// only its bottom-most `itemHeight` rows when the image is higher than the item.
Rect SeparatorSourceRect(int imageWidth, int imageHeight, int itemHeight);

}  // namespace skin::form
