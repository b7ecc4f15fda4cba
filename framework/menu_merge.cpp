#include "framework/menu_merge.h"

#include <algorithm>

std::vector<TMergedEntry> MergeMenuGroups(std::span<const int> frameGroups, std::span<const int> childGroups) {
    std::vector<TMergedEntry> merged;
    for (int i = 0; i < static_cast<int>(frameGroups.size()); ++i) {
        const int group = frameGroups[static_cast<std::size_t>(i)];
        if (std::find(childGroups.begin(), childGroups.end(), group) == childGroups.end()) merged.push_back({false, i});
    }
    auto groupOf = [&](const TMergedEntry& entry) {
        return entry.FromChild ? childGroups[static_cast<std::size_t>(entry.Index)]
                               : frameGroups[static_cast<std::size_t>(entry.Index)];
    };
    for (int i = 0; i < static_cast<int>(childGroups.size()); ++i) {
        const int group = childGroups[static_cast<std::size_t>(i)];
        auto place = std::find_if(merged.begin(), merged.end(),
                                  [&](const TMergedEntry& entry) { return groupOf(entry) > group; });
        merged.insert(place, {true, i});
    }
    return merged;
}
