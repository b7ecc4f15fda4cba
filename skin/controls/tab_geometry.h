#pragma once
// Geometry of the tab skins: where a tab control's tabs lie (from its style), the page and the
// tab strip around it, where a tab lands in the strip buffer (drawn lying down for tabs on the
// left or right and turned at the end), and which tabs of a tab set fit its width.

#include <cstdint>
#include <span>
#include <vector>

#include "base/geometry.h"

namespace skin::controls {

using base::Rect;

enum class TabOrientation : std::uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// From a tab control's window style: TCS_BOTTOM (2) and TCS_VERTICAL (0x80).
TabOrientation TabOrientationFromStyle(std::uint32_t style);

// The page rectangle the skin frames: the control's display area (`adjusted`, what the control
// reports for its whole rectangle) grown by 4 on each side, with the edge towards the tabs moved
// one pixel into the page.
Rect TabPageRect(const Rect& adjusted, TabOrientation orientation);

// The strip between the control's edge and the page, on the tabs' side.
Rect TabStripRect(const Rect& control, const Rect& page, TabOrientation orientation);

// Width and height of the strip buffer: the strip's, exchanged for left and right strips.
struct TabBufferSize {
    int Width = 0;
    int Height = 0;
    constexpr bool operator==(const TabBufferSize&) const = default;
};
TabBufferSize TabStripBufferSize(const Rect& strip, TabOrientation orientation);

// A tab's rectangle (control coordinates) in the strip buffer, one pixel towards the page for
// top, bottom and right strips. Left and right strips lie down: the buffer is turned a quarter
// left (left strip) or right (right strip) when it goes to the screen.
Rect TabItemInBuffer(const Rect& item, TabOrientation orientation, const Rect& control, const Rect& page,
                     int bufferWidth);

// One tab of a tab set that fits: its index and horizontal extent.
struct TabSetPlacement {
    int Index = 0;
    int Left = 0;
    int Right = 0;
    constexpr bool operator==(const TabSetPlacement&) const = default;
};

// Tab-set tabs from `firstIndex` on, laid out from `startMargin`: each is its text width + 9 wide;
// a tab is placed only when x + width + 9 (+ 12 more with the scroller showing) stays within
// `end`. A tab that does not fit is skipped and takes no room, so a later, narrower tab may still
// be placed.
std::vector<TabSetPlacement> FitTabSetTabs(std::span<const int> textWidths, int firstIndex, int startMargin, int end,
                                           bool scrollerVisible);

}  // namespace skin::controls
