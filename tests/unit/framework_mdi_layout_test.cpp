// Menu merging by group index and the place of an MDI frame's client window.
#include <gtest/gtest.h>

#include <vector>

#include "framework/mdi_layout.h"
#include "framework/menu_merge.h"

TEST(MenuMerge, ChildItemsReplaceTheirGroupAndGoBeforeHigherGroups) {
    struct Case {
        std::vector<int> frame, child;
        std::vector<TMergedEntry> merged;
    };
    const Case cases[] = {
        // File(0) Window(9) + child Edit(1): Edit between them.
        {{0, 9}, {1}, {{false, 0}, {true, 0}, {false, 1}}},
        // The child's File(0) replaces the frame's File(0); its Edit(1) follows.
        {{0, 9}, {0, 1}, {{true, 0}, {true, 1}, {false, 1}}},
        // Two frame items of group 5 both give way to the child's one.
        {{0, 5, 5, 9}, {5}, {{false, 0}, {true, 0}, {false, 3}}},
        // Child items of a group beyond all of the frame's go last, in their own order.
        {{0}, {7, 3}, {{false, 0}, {true, 1}, {true, 0}}},
        // Nothing merged: the frame as it is.
        {{0, 1, 2}, {}, {{false, 0}, {false, 1}, {false, 2}}},
        {{}, {2, 2}, {{true, 0}, {true, 1}}},
    };
    for (const Case& c : cases) EXPECT_EQ(MergeMenuGroups(c.frame, c.child), c.merged);
}

TEST(MdiLayout, ClientWindowLeavesDockedBarsFree) {
    const TLayoutRect client{0, 0, 400, 300};
    struct Case {
        std::vector<TLayoutRect> bars;
        TLayoutRect area;
    };
    const Case cases[] = {
        {{}, {0, 0, 400, 300}},
        {{{0, 280, 400, 300}}, {0, 0, 400, 280}},                      // status bar at the bottom
        {{{0, 0, 400, 30}, {0, 280, 400, 300}}, {0, 30, 400, 280}},    // tool bar and status bar
        {{{10, 280, 200, 300}}, {0, 0, 400, 300}},                     // not as wide: ignored
        {{{0, 100, 400, 120}}, {0, 0, 400, 300}},                      // in the middle: ignored
        {{{0, 0, 400, 200}, {0, 150, 400, 300}}, {0, 200, 400, 200}},  // never inside out
    };
    for (const Case& c : cases) EXPECT_EQ(MdiClientArea(client, c.bars), c.area);
}
