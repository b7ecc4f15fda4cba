#include "skin/form/menu_separators.h"

#include <optional>

namespace skin::form {

void TidySeparators(std::span<MenuEntry> entries) {
    const auto isItem = [](const MenuEntry& e) { return e.Visible && !e.IsSeparator; };
    std::optional<std::size_t> first;
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!isItem(entries[i])) continue;
        if (!first) first = i;
        last = i;
    }
    if (!first) {
        for (MenuEntry& e : entries)
            if (e.IsSeparator) e.Visible = false;
        return;
    }

    for (std::size_t i = 0; i < *first; ++i)
        if (entries[i].IsSeparator) entries[i].Visible = false;

    constexpr std::size_t kNoRun = static_cast<std::size_t>(-1);
    std::size_t runEnd = kNoRun;  // last separator of the current run
    for (std::size_t i = *first + 1; i <= *last; ++i) {
        MenuEntry& e = entries[i];
        if (e.IsSeparator) {
            if (runEnd != kNoRun) entries[runEnd].Visible = false;
            runEnd = i;
        } else if (e.Visible) {
            if (runEnd != kNoRun) entries[runEnd].Visible = true;
            runEnd = kNoRun;
        }
    }

    for (std::size_t i = *last + 1; i < entries.size(); ++i)
        if (entries[i].IsSeparator) entries[i].Visible = false;
}

}  // namespace skin::form
