#include "skin/form/menu_bar_layout.h"

namespace skin::form {
namespace {

constexpr int kStartWithoutImage = 6;
constexpr int kStartAfterLeftMargin = 4;
constexpr int kStartAfterRightMargin = 8;
constexpr int kStartInNarrowBar = 12;
constexpr int kCaptionPadding = 10;

}  // namespace

int MenuBarStartOffset(const TDataSkinObject* menuBar, bool rightToLeft, int barWidth) {
    if (menuBar == nullptr) return kStartWithoutImage;
    const int start =
        rightToLeft ? menuBar->Margins.Right + kStartAfterRightMargin : menuBar->Margins.Left + kStartAfterLeftMargin;
    return barWidth < start ? kStartInNarrowBar : start;
}

void LayoutMenuBar(std::span<MenuBarButton> buttons, const Rect& bar, int startOffset, bool rightToLeft) {
    int edge = rightToLeft ? bar.Right - startOffset : bar.Left + startOffset;
    for (MenuBarButton& button : buttons) {
        if (!button.Visible) {
            button.BoundsRect = {};
            continue;
        }
        const int width = button.Caption.empty() ? 0 : button.TextWidth + kCaptionPadding;
        const int left = rightToLeft ? edge - width : edge;
        button.BoundsRect = {left, bar.Top, left + width, bar.Bottom - 1};
        edge = rightToLeft ? edge - width : edge + width;
    }
}

std::optional<std::size_t> HitMenuButton(std::span<const MenuBarButton> buttons, Point point) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i].Caption.empty() && buttons[i].BoundsRect.Contains(point.X, point.Y)) return i;
    }
    return std::nullopt;
}

}  // namespace skin::form
