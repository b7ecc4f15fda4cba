// Progress fill arithmetic and the up-down control's halves, frames and button states.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/range_rules.h"

namespace {

using namespace skin::controls;

TEST(ControlsRangeRules, ProgressFillUsesTheMinimumAndClamps) {
    struct Case {
        int length, min, max, pos, filled;
    };
    const std::vector<Case> cases = {
        {200, 0, 100, 0, 0},      {200, 0, 100, 50, 100},
        {200, 0, 100, 100, 200},  {200, 0, 100, 150, 200},
        {200, 0, 100, -5, 0},     {200, 50, 150, 100, 100},
        {200, 50, 150, 50, 0},    {200, 50, 150, 20, 0},
        {200, -100, 100, 0, 100}, {200, 0, 0, 0, 0},
        {200, 10, 5, 7, 0},       {0, 0, 100, 50, 0},
        {300, 0, 3, 1, 100},      {7, 0, 2147483647, 2147483647, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " at " << c.pos);
        EXPECT_EQ(ProgressFillLength(c.length, c.min, c.max, c.pos), c.filled);
    }
    EXPECT_EQ(ProgressChunkCount(0, 8), 0);
    EXPECT_EQ(ProgressChunkCount(16, 8), 2);
    EXPECT_EQ(ProgressChunkCount(17, 8), 3);
    EXPECT_EQ(ProgressChunkCount(17, 0), 0);
}

TEST(ControlsRangeRules, UpDownHalvesFramesAndStates) {
    const Rect work{1, 1, 17, 41};  // inset by one, as inside an edit
    const UpDownButtons v = SplitUpDown(work, false);
    EXPECT_EQ(v.First, (Rect{1, 1, 17, 21}));
    EXPECT_EQ(v.Second, (Rect{1, 21, 17, 41}));
    EXPECT_EQ(v.FirstArrow, UpDownArrow::Up);
    EXPECT_EQ(v.SecondArrow, UpDownArrow::Down);
    const UpDownButtons h = SplitUpDown(Rect{0, 0, 31, 16}, true);
    EXPECT_EQ(h.First, (Rect{0, 0, 15, 16}));
    EXPECT_EQ(h.Second, (Rect{15, 0, 31, 16}));
    EXPECT_EQ(h.SecondArrow, UpDownArrow::Right);

    EXPECT_EQ(UpDownHalfAt(work, false, 5, 20), 0);
    EXPECT_EQ(UpDownHalfAt(work, false, 5, 21), 1);
    EXPECT_EQ(UpDownHalfAt(Rect{0, 0, 31, 16}, true, 14, 3), 0);
    EXPECT_EQ(UpDownHalfAt(Rect{0, 0, 31, 16}, true, 15, 3), 1);

    struct FrameCase {
        int state;
        UpDownArrow arrow;
        int frame;
    };
    const std::vector<FrameCase> frames = {
        {1, UpDownArrow::Up, 1},    {2, UpDownArrow::Up, 2},   {3, UpDownArrow::Up, 3},   {4, UpDownArrow::Up, 4},
        {1, UpDownArrow::Down, 5},  {2, UpDownArrow::Down, 6}, {1, UpDownArrow::Left, 1}, {2, UpDownArrow::Left, 2},
        {3, UpDownArrow::Right, 7}, {9, UpDownArrow::Down, 8}, {0, UpDownArrow::Up, 1},
    };
    for (const auto& f : frames) EXPECT_EQ(UpDownFrame(f.state, f.arrow), f.frame) << f.state;

    EXPECT_EQ(UpDownButtonStates(work, false, 5, 30, true, true), (UpDownStates{1, 2}));
    EXPECT_EQ(UpDownButtonStates(work, false, 5, 3, true, true), (UpDownStates{2, 1}));
    EXPECT_EQ(UpDownButtonStates(work, false, 5, 30, false, true), (UpDownStates{1, 1}));
    EXPECT_EQ(UpDownButtonStates(work, false, 5, 30, true, false), (UpDownStates{3, 3}));
}

}  // namespace
