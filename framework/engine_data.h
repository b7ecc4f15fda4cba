// Per-object state that other layers (the skin engine above all) attach to a framework object,
// so they need no global map keyed by object that outlives what it describes.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

// Each party keys its state with an address of its own.
using TEngineDataKey = const void*;

class TEngineDataTable {
public:
    // Stores `data` under `key`, replacing (and releasing) what was there; null removes the entry.
    void Set(TEngineDataKey key, std::shared_ptr<void> data) {
        auto it = Find(key);
        if (it != entries_.end()) {
            // Released after the table is consistent again: its destructor may look at the table.
            std::shared_ptr<void> old = std::move(it->second);
            if (data) {
                it->second = std::move(data);
            } else {
                entries_.erase(it);
            }
            return;
        }
        if (data) entries_.emplace_back(key, std::move(data));
    }
    std::shared_ptr<void> Get(TEngineDataKey key) const {
        auto it = std::find_if(entries_.begin(), entries_.end(), [key](const auto& e) { return e.first == key; });
        return it != entries_.end() ? it->second : nullptr;
    }
    bool Empty() const { return entries_.empty(); }
    // Releases everything, newest first.
    void Clear() {
        while (!entries_.empty()) {
            std::shared_ptr<void> last = std::move(entries_.back().second);
            entries_.pop_back();
        }
    }

private:
    using Entry = std::pair<TEngineDataKey, std::shared_ptr<void>>;
    std::vector<Entry>::iterator Find(TEngineDataKey key) {
        return std::find_if(entries_.begin(), entries_.end(), [key](const Entry& e) { return e.first == key; });
    }

    std::vector<Entry> entries_;
};
