#include "skin/form/frame_metrics.h"

#include <algorithm>

namespace skin::form {
namespace {

// One frame's extent along the axis the frames are laid out on; a missing object, an empty
// image or a nonsensical frame count never divide by zero.
int FrameExtent(const TDataSkinBorder* edge, bool stacked) {
    if (edge == nullptr || edge->Map.Empty()) return 0;
    const int count = std::max(edge->FrameCount, 1);
    return (stacked ? edge->Map.Height() : edge->Map.Width()) / count;
}

}  // namespace

FrameMetrics MeasureFrame(const TSkinObjects& objects, FrameKind kind, bool skinEmpty, int menuBarHeight) {
    FrameMetrics metrics;
    metrics.MenuBarHeight = std::max(menuBarHeight, 0);
    if (skinEmpty) return metrics;
    if (kind == FrameKind::BorderlessPopup) {
        metrics.MenuBarHeight = 0;
        return metrics;
    }
    metrics.TitleHeight = FrameExtent(objects.BorderTop.get(), true);
    metrics.BorderLeftWidth = FrameExtent(objects.BorderLeft.get(), false);
    metrics.BorderRightWidth = FrameExtent(objects.BorderRight.get(), false);
    metrics.BorderBottomHeight = FrameExtent(objects.BorderBottom.get(), true);
    return metrics;
}

FrameAreas LayoutFrame(const FrameMetrics& m, int width, int height) {
    const int left = m.BorderLeftWidth;
    const int right = width - m.BorderRightWidth;
    const int menuTop = m.TitleHeight;
    const int clientTop = m.TitleHeight + m.MenuBarHeight;
    const int clientBottom = height - m.BorderBottomHeight;
    FrameAreas areas;
    areas.LeftEdge = {0, 0, left, height};
    areas.RightEdge = {right, 0, width, height};
    areas.BottomEdge = {left, clientBottom, right, height};
    areas.CaptionStrip = {0, 0, width, m.TitleHeight};
    areas.TopEdge = {left, 0, right, m.TitleHeight};
    areas.MenuBar = {left, menuTop, right, clientTop};
    areas.Client = {left, clientTop, right, clientBottom};
    return areas;
}

std::optional<Rect> SkinnedClientRect(const FrameMetrics& m, FrameKind kind, MdiRole role, WindowState state,
                                      const Rect& proposed) {
    if (kind == FrameKind::BorderlessPopup) return std::nullopt;
    if (role == MdiRole::Child && state != WindowState::Normal) return std::nullopt;
    return Rect{proposed.Left + m.BorderLeftWidth, proposed.Top + m.TitleHeight + m.MenuBarHeight,
                proposed.Right - m.BorderRightWidth, proposed.Bottom - m.BorderBottomHeight};
}

FittedFrame FitFrame(const FrameMetrics& m, int clientWidth, int clientHeight, std::optional<int> neededCaptionWidth) {
    FittedFrame fitted;
    fitted.Width = clientWidth + m.BorderLeftWidth + m.BorderRightWidth;
    fitted.Height = clientHeight + m.TitleHeight + m.BorderBottomHeight + m.MenuBarHeight;
    if (neededCaptionWidth && fitted.Width < *neededCaptionWidth) {
        fitted.ChildShift = (*neededCaptionWidth - fitted.Width) / 2;
        fitted.Width = *neededCaptionWidth;
    }
    return fitted;
}

int DialogCaptionWidth(const TDataSkinTitle& title, int captionTextWidth) {
    // The title keeps TextShift in the left margin slot and TextRightClip in the right one.
    return title.Margins.Left + captionTextWidth + title.Margins.Right;
}

int SystemFrameClientHeight(int windowHeight, int menuBarHeight, int systemFrameHeight, int systemCaptionHeight) {
    return windowHeight - menuBarHeight - 2 * systemFrameHeight - systemCaptionHeight;
}

WindowSize UnskinnedWindowSize(const FrameMetrics& m, WindowSize skinned, WindowSize systemFrameExtra) {
    return {skinned.Width + systemFrameExtra.Width - m.BorderLeftWidth - m.BorderRightWidth,
            skinned.Height + systemFrameExtra.Height - m.TitleHeight - m.MenuBarHeight - m.BorderBottomHeight};
}

}  // namespace skin::form
