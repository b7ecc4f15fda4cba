#include "skin/form/caption_button_layout.h"

#include <algorithm>

namespace skin::form {
namespace {

constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignMenuBar = 100;

Point Origin(const TDataSkinSysButton& skin, int width, int height, const CaptionButtonPlacement& p) {
    const FrameMetrics& m = p.Metrics;
    switch (skin.Align) {
        case kAlignLeft: return {skin.XCoord, skin.YCoord};
        case kAlignRight: return {p.FrameWidth - skin.XCoord, skin.YCoord};
        case 2:
        case 8: return {p.CaptionTextRect.Left - width - skin.XCoord, skin.YCoord};
        case 3:
        case 9: return {p.CaptionTextRect.Right + skin.XCoord, skin.YCoord};
        case kAlignMenuBar: {
            const int x = p.RightToLeft ? skin.XCoord + m.BorderLeftWidth + p.MenuBarMargin
                                        : p.FrameWidth - skin.XCoord - m.BorderRightWidth - p.MenuBarMargin;
            return {x, m.TitleHeight + (m.MenuBarHeight - height) / 2};
        }
        default: return {0, 0};
    }
}

}  // namespace

Rect CaptionButtonRect(const CaptionButton& button, const CaptionButtonPlacement& placement) {
    const Bitmap& picture = button.Picture();
    const int width = picture.Width() / std::max(button.FrameCount, 1);
    const int height = picture.Height();
    const Point origin = Origin(*button.Skin, width, height, placement);
    return {origin.X, origin.Y, origin.X + width, origin.Y + height};
}

std::optional<int> LayoutCaptionButtons(std::span<CaptionButton> buttons, const CaptionButtonPlacement& placement) {
    std::optional<int> rightmostLeft;
    for (CaptionButton& button : buttons) {
        if (!button.Visible || button.Picture().Empty()) continue;
        button.BoundsRect = CaptionButtonRect(button, placement);
        if (button.Skin->Align == kAlignRight && (!rightmostLeft || button.BoundsRect.Left > *rightmostLeft))
            rightmostLeft = button.BoundsRect.Left;
    }
    if (rightmostLeft && *rightmostLeft > 0) return rightmostLeft;
    return std::nullopt;
}

std::optional<std::size_t> HitCaptionButton(std::span<const CaptionButton> buttons, Point point) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const CaptionButton& button = buttons[i];
        if (button.Visible && button.Action() >= 0 && button.BoundsRect.Contains(point.X, point.Y)) return i;
    }
    return std::nullopt;
}

}  // namespace skin::form
