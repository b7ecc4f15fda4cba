#include "framework/glyph_frames.h"

#include <gtest/gtest.h>

TEST(GlyphFrames, PicksTheFrameOfStateAndGroupInAStrip) {
    struct Case {
        int state, stateCount;
        bool enabled, pressed;
        int want;
    };
    const Case cases[] = {
        // Check box: unchecked, checked, grayed.
        {0, 3, true, false, 0},
        {1, 3, true, false, 1},
        {2, 3, true, false, 2},
        {0, 3, false, false, 6},
        {2, 3, false, false, 8},
        {1, 3, true, true, 4},
        {2, 3, true, true, 5},
        // Disabled wins over pressed.
        {1, 3, false, true, 7},
        // Radio button: unchecked, checked.
        {1, 2, true, false, 1},
        {0, 2, false, false, 4},
        {1, 2, true, true, 3},
        // A state the strip does not have falls back to the first.
        {7, 2, true, false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GlyphFrameIndex(c.state, c.stateCount, c.enabled, c.pressed), c.want)
            << c.state << "/" << c.stateCount << " enabled " << c.enabled << " pressed " << c.pressed;
    }
    EXPECT_EQ(GlyphFrameWidth(117, 9), 13);
    EXPECT_EQ(GlyphFrameWidth(8, 9), 0);
    EXPECT_EQ(GlyphFrameWidth(60, 0), 0);
}
