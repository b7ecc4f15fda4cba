// Geometry of a tab set: a strip of tabs side by side, scrolled by a first shown tab.
#pragma once

#include <vector>

struct TTabSetLayout {
    // The first tab shown (the requested one, kept inside the tabs).
    int FirstIndex = 0;
    // Left and right edges of the shown tabs, FirstIndex onwards.
    std::vector<int> Lefts;
    std::vector<int> Rights;
    // Not every tab fits: the scroller is shown and the tabs end before it.
    bool Overflow = false;
    // The largest useful FirstIndex: from it on, the remaining tabs fit.
    int LastFirstIndex = 0;
};

// Lays out tabs of the given widths from `firstIndex`, starting `startMargin` from the left and
// ending at least `endMargin` before the right edge (and before a scroller `scrollerWidth` wide
// when the tabs overflow). At least one tab is shown when there are any.
TTabSetLayout LayoutTabSet(const std::vector<int>& widths, int firstIndex, int startMargin, int endMargin,
                           int clientWidth, int scrollerWidth);

// The tab under x in a layout, or -1.
int TabSetTabAt(const TTabSetLayout& layout, int x);
