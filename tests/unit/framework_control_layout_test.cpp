// Geometry of radio group buttons and status bar parts.
#include <gtest/gtest.h>

#include <vector>

#include "framework/control_layout.h"

TEST(ControlLayout, RadioGroupButtonsFillColumnsTopToBottom) {
    struct Case {
        int index, count, columns, width, height, textHeight;
        int left, top, cellWidth, cellHeight;
    };
    const Case cases[] = {
        // One column: 3 rows of (105 - 13 - 6) / 3 = 28, remainder 2 split: top margin 13 + 1 + 1.
        {0, 3, 1, 185, 105, 13, 8, 15, 175, 28},
        {2, 3, 1, 185, 105, 13, 8, 71, 175, 28},
        // Two columns of 5 items: 3 rows; item 3 is the first of the second column.
        {3, 5, 2, 210, 100, 13, 108, 14 + (81 % 3) / 2, 100, 27},
        {4, 5, 2, 210, 100, 13, 108, 14 + 27, 100, 27},
        // Columns are at least one.
        {1, 2, 0, 100, 60, 10, 8, 11 + (44 % 2) / 2 + 22, 90, 22},
    };
    for (const Case& c : cases) {
        const TCellBounds cell = RadioGroupButtonBounds(c.index, c.count, c.columns, c.width, c.height, c.textHeight);
        EXPECT_EQ(cell.Left, c.left) << c.index << "/" << c.count;
        EXPECT_EQ(cell.Top, c.top) << c.index << "/" << c.count;
        EXPECT_EQ(cell.Width, c.cellWidth) << c.index << "/" << c.count;
        EXPECT_EQ(cell.Height, c.cellHeight) << c.index << "/" << c.count;
    }
    EXPECT_EQ(RadioGroupButtonBounds(0, 0, 1, 100, 100, 13).Width, 0);
}

TEST(ControlLayout, StatusBarPartsAddUpAndTheLastExtends) {
    EXPECT_EQ(StatusBarPartEdges({}), std::vector<int>{});
    EXPECT_EQ(StatusBarPartEdges({50}), std::vector<int>{-1});
    EXPECT_EQ(StatusBarPartEdges({50, 120, 30}), (std::vector<int>{50, 170, -1}));
    EXPECT_EQ(StatusBarPartEdges({-5, 40, 10}), (std::vector<int>{0, 40, -1}));
}
