#include "skin/controls/tab_geometry.h"

#include <algorithm>

namespace skin::controls {

namespace {

constexpr std::uint32_t kBottom = 0x0002;    // TCS_BOTTOM (TCS_RIGHT with TCS_VERTICAL)
constexpr std::uint32_t kVertical = 0x0080;  // TCS_VERTICAL

}  // namespace

TabOrientation TabOrientationFromStyle(std::uint32_t style) {
    const bool bottom = (style & kBottom) != 0, vertical = (style & kVertical) != 0;
    if (bottom && vertical) return TabOrientation::Right;
    if (bottom) return TabOrientation::Bottom;
    if (vertical) return TabOrientation::Left;
    return TabOrientation::Top;
}

Rect TabPageRect(const Rect& adjusted, TabOrientation orientation) {
    Rect page{adjusted.Left - 4, adjusted.Top - 4, adjusted.Right + 4, adjusted.Bottom + 4};
    switch (orientation) {
        case TabOrientation::Top: ++page.Top; break;
        case TabOrientation::Bottom: --page.Bottom; break;
        case TabOrientation::Left: ++page.Left; break;
        case TabOrientation::Right: --page.Right; break;
    }
    return page;
}

Rect TabStripRect(const Rect& control, const Rect& page, TabOrientation orientation) {
    switch (orientation) {
        case TabOrientation::Top: return {control.Left, control.Top, control.Right, page.Top};
        case TabOrientation::Bottom: return {control.Left, page.Bottom, control.Right, control.Bottom};
        case TabOrientation::Left: return {control.Left, control.Top, page.Left, control.Bottom};
        case TabOrientation::Right: return {page.Right, control.Top, control.Right, control.Bottom};
    }
    return {};
}

TabBufferSize TabStripBufferSize(const Rect& strip, TabOrientation orientation) {
    const int width = std::max(strip.Width(), 0), height = std::max(strip.Height(), 0);
    if (orientation == TabOrientation::Left || orientation == TabOrientation::Right) return {height, width};
    return {width, height};
}

Rect TabItemInBuffer(const Rect& r, TabOrientation orientation, const Rect& control, const Rect& page,
                     int bufferWidth) {
    switch (orientation) {
        case TabOrientation::Top: return r.Offset(0, 1);
        case TabOrientation::Bottom: return r.Offset(0, -(page.Bottom + 1));
        case TabOrientation::Left: return {bufferWidth - r.Bottom, r.Left, bufferWidth - r.Top, r.Right};
        case TabOrientation::Right: return {r.Top - 1, control.Right - r.Right, r.Bottom - 1, control.Right - r.Left};
    }
    return r;
}

std::vector<TabSetPlacement> FitTabSetTabs(std::span<const int> textWidths, int firstIndex, int startMargin, int end,
                                           bool scrollerVisible) {
    std::vector<TabSetPlacement> placed;
    const int room = scrollerVisible ? 21 : 9;
    int x = startMargin;
    for (int i = std::max(firstIndex, 0); i < static_cast<int>(textWidths.size()); ++i) {
        const int w = std::max(textWidths[static_cast<std::size_t>(i)], 0);
        if (x + w + room > end) continue;
        placed.push_back({i, x, x + w + 9});
        x += w + 9;
    }
    return placed;
}

}  // namespace skin::controls
