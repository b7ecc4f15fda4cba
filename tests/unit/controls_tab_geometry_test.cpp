// Tab skin geometry: orientation from the style, the page and strip rectangles, where a tab
// lands in the strip buffer (checked by turning the buffer as the screen copy does), and which
// tab-set tabs fit.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/controls/tab_geometry.h"

namespace {

using skin::controls::Rect;
using skin::controls::TabOrientation;
using skin::controls::TabSetPlacement;

TEST(ControlsTabGeometry, OrientationPageAndStripForEachSide) {
    struct Case {
        const char* what;
        std::uint32_t style;
        TabOrientation orientation;
        Rect page, strip;
    };
    // A 200 x 150 control whose display area is (4, 26, 196, 146) on top; the same sizes
    // mirrored for the other sides.
    const Rect control{0, 0, 200, 150};
    const struct {
        std::uint32_t style;
        Rect adjusted;
    } inputs[] = {{0x0000, {4, 26, 196, 146}},
                  {0x0002, {4, 4, 196, 124}},
                  {0x0080 | 0x0200, {26, 4, 196, 146}},
                  {0x0082 | 0x0200, {4, 4, 174, 146}}};
    const Case cases[] = {
        {"top", 0x0000, TabOrientation::Top, {0, 23, 200, 150}, {0, 0, 200, 23}},
        {"bottom", 0x0002, TabOrientation::Bottom, {0, 0, 200, 127}, {0, 127, 200, 150}},
        {"left (multi-line too)", 0x0280, TabOrientation::Left, {23, 0, 200, 150}, {0, 0, 23, 150}},
        {"right", 0x0282, TabOrientation::Right, {0, 0, 177, 150}, {177, 0, 200, 150}},
    };
    for (int i = 0; i < 4; ++i) {
        const Case& c = cases[i];
        const auto orientation = skin::controls::TabOrientationFromStyle(inputs[i].style);
        EXPECT_EQ(orientation, c.orientation) << c.what;
        const Rect page = skin::controls::TabPageRect(inputs[i].adjusted, orientation);
        EXPECT_EQ(page, c.page) << c.what;
        EXPECT_EQ(skin::controls::TabStripRect(control, page, orientation), c.strip) << c.what;
    }
    // Other style bits do not matter.
    EXPECT_EQ(skin::controls::TabOrientationFromStyle(0x50000000u | 0x0100), TabOrientation::Top);
    EXPECT_EQ(skin::controls::TabStripBufferSize({177, 0, 200, 150}, TabOrientation::Right),
              (skin::controls::TabBufferSize{150, 23}));
    EXPECT_EQ(skin::controls::TabStripBufferSize({0, 0, 200, 23}, TabOrientation::Top),
              (skin::controls::TabBufferSize{200, 23}));
    EXPECT_EQ(skin::controls::TabStripBufferSize({0, 30, 200, 23}, TabOrientation::Bottom),
              (skin::controls::TabBufferSize{200, 0}));
}

// Marks each pixel of `r` in a lying-down buffer, turns the buffer as the screen copy does
// (left: a quarter counter-clockwise, right: clockwise) and returns the marked pixels' bounds in
// strip coordinates.
Rect TurnedBounds(const Rect& r, int bufferWidth, int bufferHeight, bool left) {
    Rect bounds{1 << 20, 1 << 20, -1, -1};
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            // RotateLeft: new (y, W - 1 - x); RotateRight: new (H - 1 - y, x).
            const int nx = left ? y : bufferHeight - 1 - y, ny = left ? bufferWidth - 1 - x : x;
            bounds = {std::min(bounds.Left, nx), std::min(bounds.Top, ny), std::max(bounds.Right, nx + 1),
                      std::max(bounds.Bottom, ny + 1)};
        }
    }
    return bounds;
}

TEST(ControlsTabGeometry, TabsLandInTheStripBufferForEachSide) {
    const Rect control{0, 0, 200, 150};
    const Rect item{2, 2, 60, 22};
    EXPECT_EQ(skin::controls::TabItemInBuffer(item, TabOrientation::Top, control, {0, 23, 200, 150}, 200),
              (Rect{2, 3, 60, 23}));
    // Bottom: the strip starts below the page; the tab moves up into it, one pixel past.
    const Rect bottomItem{2, 128, 60, 148};
    EXPECT_EQ(skin::controls::TabItemInBuffer(bottomItem, TabOrientation::Bottom, control, {0, 0, 200, 127}, 200),
              (Rect{2, 0, 60, 20}));

    // Left strip 23 wide, 150 high: the buffer is 150 x 23 and turns to the left.
    const Rect leftItem{2, 10, 22, 70};
    const Rect lying = skin::controls::TabItemInBuffer(leftItem, TabOrientation::Left, control, {23, 0, 200, 150}, 150);
    EXPECT_EQ(lying, (Rect{80, 2, 140, 22}));
    EXPECT_EQ(TurnedBounds(lying, 150, 23, true), leftItem);  // back where the control has it

    // Right strip from x 177: turned to the right, the tab comes back one pixel higher.
    const Rect rightItem{178, 10, 198, 70};
    const Rect lyingRight =
        skin::controls::TabItemInBuffer(rightItem, TabOrientation::Right, control, {0, 0, 177, 150}, 150);
    EXPECT_EQ(lyingRight, (Rect{9, 2, 69, 22}));
    EXPECT_EQ(TurnedBounds(lyingRight, 150, 23, false), (Rect{178 - 177, 9, 198 - 177, 69}));
}

TEST(ControlsTabGeometry, TabSetPlacesTheTabsThatFit) {
    struct Case {
        const char* what;
        std::vector<int> widths;
        int first, start, end;
        bool scroller;
        std::vector<TabSetPlacement> placed;
    };
    const Case cases[] = {
        {"all fit", {20, 30}, 0, 5, 200, false, {{0, 5, 34}, {1, 34, 73}}},
        {"exactly to the end", {20}, 0, 5, 34, false, {{0, 5, 34}}},
        {"one pixel short", {20}, 0, 5, 33, false, {}},
        {"scroller needs 12 more", {20}, 0, 5, 45, true, {}},
        {"scroller room given", {20}, 0, 5, 46, true, {{0, 5, 34}}},
        {"wide tab skipped, later narrow one placed", {20, 200, 10}, 0, 0, 60, false, {{0, 0, 29}, {2, 29, 48}}},
        {"from the first visible", {20, 30, 40}, 1, 0, 200, false, {{1, 0, 39}, {2, 39, 88}}},
        {"first beyond the list", {20}, 3, 0, 200, false, {}},
        {"negative first counts from 0", {20}, -2, 0, 200, false, {{0, 0, 29}}},
        {"no tabs", {}, 0, 0, 200, false, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(skin::controls::FitTabSetTabs(c.widths, c.first, c.start, c.end, c.scroller), c.placed) << c.what;
}

}  // namespace
