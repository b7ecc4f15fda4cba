#include "framework/tab_set_layout.h"

#include <algorithm>
#include <numeric>

TTabSetLayout LayoutTabSet(const std::vector<int>& widths, int firstIndex, int startMargin, int endMargin,
                           int clientWidth, int scrollerWidth) {
    TTabSetLayout layout;
    const int count = static_cast<int>(widths.size());
    if (count == 0) return layout;
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    layout.Overflow = startMargin + total + endMargin > clientWidth;
    const int right = clientWidth - endMargin - (layout.Overflow ? scrollerWidth : 0);
    // From the end backwards: how many of the last tabs fit.
    int used = startMargin;
    layout.LastFirstIndex = count - 1;
    for (int i = count - 1; i >= 0; --i) {
        if (used + widths[static_cast<std::size_t>(i)] > right && i != count - 1) break;
        used += widths[static_cast<std::size_t>(i)];
        layout.LastFirstIndex = i;
    }
    if (!layout.Overflow) layout.LastFirstIndex = 0;
    layout.FirstIndex = std::clamp(firstIndex, 0, layout.LastFirstIndex);
    int x = startMargin;
    for (int i = layout.FirstIndex; i < count; ++i) {
        const int width = widths[static_cast<std::size_t>(i)];
        if (x + width > right && i != layout.FirstIndex) break;
        layout.Lefts.push_back(x);
        layout.Rights.push_back(x + width);
        x += width;
    }
    return layout;
}

int TabSetTabAt(const TTabSetLayout& layout, int x) {
    for (std::size_t i = 0; i < layout.Lefts.size(); ++i) {
        if (x >= layout.Lefts[i] && x < layout.Rights[i]) return layout.FirstIndex + static_cast<int>(i);
    }
    return -1;
}
