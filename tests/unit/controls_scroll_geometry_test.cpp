// Scroll bar arithmetic: the thumb for a range, page and position, the part under a point, a
// dragged thumb and the position it stands for.

#include <gtest/gtest.h>

#include "skin/controls/scroll_bar_geometry.h"

namespace {

using skin::controls::ScrollValues;
using skin::controls::ThumbSpan;

TEST(ControlsScrollGeometry, ThumbFollowsRangePageAndPosition) {
    struct Case {
        const char* what;
        int length, arrow;
        ScrollValues values;
        ThumbSpan thumb;
    };
    const Case cases[] = {
        {"at the top", 200, 16, {0, 99, 10, 0}, {16, 33}},
        {"at the last position", 200, 16, {0, 99, 10, 90}, {167, 184}},
        {"half way", 200, 16, {0, 99, 10, 45}, {92, 109}},
        {"range minimum not zero", 200, 16, {100, 199, 10, 145}, {92, 109}},
        {"position beyond the range", 200, 16, {0, 99, 10, 500}, {167, 184}},
        {"position below the range", 200, 16, {0, 99, 10, -5}, {16, 33}},
        {"no page: arrow-sized thumb", 200, 16, {0, 100, 0, 50}, {92, 108}},
        {"maximum equals minimum", 200, 16, {50, 50, 0, 50}, {16, 32}},
        {"maximum below minimum", 200, 16, {10, 5, 0, 7}, {16, 32}},
        {"tiny page: smallest thumb", 200, 16, {0, 9999, 1, 0}, {16, 24}},
        {"page beyond the range: no thumb", 200, 16, {0, 9, 20, 0}, {}},
        {"bar shorter than two arrows", 20, 16, {0, 99, 10, 0}, {}},
        {"bar exactly two arrows", 32, 16, {0, 99, 10, 0}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(skin::controls::ComputeThumb(c.length, c.arrow, c.values), c.thumb) << c.what;
}

TEST(ControlsScrollGeometry, PartsUnderPointsAndArrowLengths) {
    const ThumbSpan thumb{92, 109};
    const std::pair<int, int> points[] = {{0, 0},   {15, 0},  {16, 2},  {91, 2},  {92, 5},
                                          {108, 5}, {109, 3}, {183, 3}, {184, 1}, {199, 1}};
    for (const auto& [p, part] : points) EXPECT_EQ(skin::controls::HitTestBar(p, 200, 16, thumb), part) << p;
    // A bar shorter than two arrows is split between them.
    EXPECT_EQ(skin::controls::ArrowLength(20, 16), 10);
    EXPECT_EQ(skin::controls::ArrowLength(200, 16), 16);
    EXPECT_EQ(skin::controls::HitTestBar(9, 20, 16, {}), skin::controls::kLineUp);
    EXPECT_EQ(skin::controls::HitTestBar(10, 20, 16, {}), skin::controls::kLineDown);
}

TEST(ControlsScrollGeometry, DraggedThumbStaysBetweenArrowsAndMapsBackToPositions) {
    EXPECT_EQ(skin::controls::DragThumbStart(92, 50, 200, 16, 17), 142);
    EXPECT_EQ(skin::controls::DragThumbStart(92, 500, 200, 16, 17), 167);
    EXPECT_EQ(skin::controls::DragThumbStart(92, -500, 200, 16, 17), 16);
    EXPECT_EQ(skin::controls::DragThumbStart(20, 5, 30, 16, 17), 16);  // no room at all
    const ScrollValues values{100, 199, 10, 0};
    for (int pos = 100; pos <= 190; ++pos) {
        ScrollValues at = values;
        at.Pos = pos;
        const ThumbSpan thumb = skin::controls::ComputeThumb(200, 16, at);
        EXPECT_EQ(skin::controls::PositionFromThumb(thumb.Start, 200, 16, values), pos);
    }
    EXPECT_EQ(skin::controls::PositionFromThumb(500, 200, 16, values), 190);
    EXPECT_EQ(skin::controls::PositionFromThumb(50, 200, 16, {5, 5, 0, 5}), 5);
}

TEST(ControlsScrollGeometry, RoundingAndFrameIndices) {
    EXPECT_EQ(skin::controls::MulDivRound(7, 1, 2), 4);
    EXPECT_EQ(skin::controls::MulDivRound(-7, 1, 2), -4);
    EXPECT_EQ(skin::controls::MulDivRound(5, 5, 0), 0);
    EXPECT_EQ(skin::controls::ClampFrame(0, 4), 1);
    EXPECT_EQ(skin::controls::ClampFrame(9, 4), 4);
    EXPECT_EQ(skin::controls::ClampFrame(3, 0), 1);
}

}  // namespace
