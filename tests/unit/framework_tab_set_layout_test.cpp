#include "framework/tab_set_layout.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TabSetLayout, PlacesTabsFromTheFirstShownAndScrollsOnlyWhenTheyOverflow) {
    struct Case {
        std::vector<int> widths;
        int firstIndex;
        int clientWidth;
        int wantFirst;
        std::vector<int> wantLefts;
        bool wantOverflow;
        int wantLastFirst;
    };
    // Margins 5 and 5, a scroller 30 wide.
    const std::vector<Case> cases = {
        {{}, 0, 200, 0, {}, false, 0},
        {{40, 50, 60}, 0, 200, 0, {5, 45, 95}, false, 0},
        // Everything fits: a requested first tab is ignored.
        {{40, 50, 60}, 2, 200, 0, {5, 45, 95}, false, 0},
        // 5 + 150 + 5 > 120: room for 120 - 5 - 30 = 85 pixels of tabs.
        {{40, 50, 60}, 0, 120, 0, {5}, true, 2},
        {{40, 40, 40}, 0, 120, 0, {5, 45}, true, 1},
        {{40, 40, 40}, 1, 120, 1, {5, 45}, true, 1},
        // Past the last useful first tab it is held there.
        {{40, 40, 40}, 5, 120, 1, {5, 45}, true, 1},
        // A tab wider than the room is still shown on its own.
        {{300, 40}, 0, 120, 0, {5}, true, 1},
    };
    for (const Case& c : cases) {
        const TTabSetLayout layout = LayoutTabSet(c.widths, c.firstIndex, 5, 5, c.clientWidth, 30);
        EXPECT_EQ(layout.FirstIndex, c.wantFirst);
        EXPECT_EQ(layout.Lefts, c.wantLefts);
        EXPECT_EQ(layout.Overflow, c.wantOverflow);
        EXPECT_EQ(layout.LastFirstIndex, c.wantLastFirst);
        ASSERT_EQ(layout.Rights.size(), layout.Lefts.size());
        for (std::size_t i = 0; i < layout.Lefts.size(); ++i) {
            EXPECT_EQ(layout.Rights[i] - layout.Lefts[i], c.widths[static_cast<std::size_t>(c.wantFirst) + i]);
        }
    }
    const TTabSetLayout layout = LayoutTabSet({40, 40, 40}, 1, 5, 5, 120, 30);
    EXPECT_EQ(TabSetTabAt(layout, 4), -1);
    EXPECT_EQ(TabSetTabAt(layout, 5), 1);
    EXPECT_EQ(TabSetTabAt(layout, 44), 1);
    EXPECT_EQ(TabSetTabAt(layout, 45), 2);
    EXPECT_EQ(TabSetTabAt(layout, 85), -1);
}
