#include "skin/form/menu_item_layout.h"

#include <algorithm>

namespace skin::form {

int MenuGlyphSize(int imageWidth, bool checked) {
    const int size = imageWidth > 0 ? imageWidth : kMenuGlyphSize;
    return checked ? std::max(size, kMenuGlyphSize) : size;
}

MenuItemLayout LayoutMenuItem(const MenuItemFacts& facts) {
    const Rect& r = facts.Item;
    const int g = facts.GlyphSize;
    MenuItemLayout layout;
    if (facts.RightToLeft) {
        if (facts.Separator) {
            layout.GlyphBox = {r.Right, r.Top + 1, r.Right, r.Top + 1};
        } else {
            const int right = r.Right - 1 - facts.MarginLeft;
            layout.GlyphBox = {right - g, r.Top + 1, right, r.Top + 1 + g};
        }
        layout.TextRect = {r.Left + 1, r.Top, layout.GlyphBox.Left - 3, r.Bottom};
        return layout;
    }
    if (facts.Separator) {
        layout.GlyphBox = {0, r.Top + 1, 0, r.Top + 1};
    } else {
        const int left = r.Left + 1 + facts.MarginLeft;
        layout.GlyphBox = {left, r.Top + 1, left + g, r.Top + 1 + g};
    }
    layout.TextRect = {layout.GlyphBox.Right + 3, r.Top, r.Right - 1, r.Bottom};
    return layout;
}

Rect CentreVertically(const Rect& measured, const Rect& within) {
    const int top = within.Top + (within.Height() - measured.Height()) / 2;
    return {measured.Left, top, measured.Right, top + measured.Height()};
}

Rect ShortcutRect(const Rect& measuredText, const Rect& textRect, const Rect& item, bool rightToLeft) {
    if (rightToLeft) return {item.Left + 11, measuredText.Top, measuredText.Left, measuredText.Bottom};
    return {measuredText.Right, measuredText.Top, textRect.Right - 10, measuredText.Bottom};
}

Rect CheckMarkRect(const Rect& glyphBox, int width, int height) {
    const int left = glyphBox.Left + (glyphBox.Width() - width) / 2 + 1;
    const int top = glyphBox.Top + (glyphBox.Height() - height) / 2 + 1;
    return {left, top, left + width, top + height};
}

int PopupItemExtraWidth(int marginLeft, bool hasImages) { return marginLeft + (hasImages ? 12 : 35); }
int MainItemExtraWidth(int marginLeft, bool hasImages) { return marginLeft + (hasImages ? 10 : 35); }

MeasuredSize MeasureWindowsItem(int textWidth, int systemHeight, bool emptyText, int marginLeft) {
    return {textWidth + 26 + marginLeft, emptyText ? 8 : systemHeight + 4};
}

Rect SeparatorSourceRect(int imageWidth, int imageHeight, int itemHeight) {
    const int frameWidth = imageWidth / 5;
    const int top = imageHeight > itemHeight ? imageHeight - itemHeight : 0;
    return {frameWidth, top, 2 * frameWidth, imageHeight};
}

}  // namespace skin::form
