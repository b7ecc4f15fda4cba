// Which top-level menu items a frame shows while a child's menu is merged into its own.
#pragma once

#include <span>
#include <vector>

struct TMergedEntry {
    bool FromChild = false;  // the item is the child's, else the frame's
    int Index = 0;           // position in its own menu
    bool operator==(const TMergedEntry&) const = default;
};

// Merges by group index: every child item replaces the frame's items of the same group and is
// placed before the first frame item of a higher group; child items keep their own order.
// Both lists hold the group index of each item in menu order.
std::vector<TMergedEntry> MergeMenuGroups(std::span<const int> frameGroups, std::span<const int> childGroups);
