#pragma once
// Keeping a drop-down free of separators that separate nothing.

#include <span>

namespace skin::form {

struct MenuEntry {
    bool Visible = true;
    bool IsSeparator = false;
};

// Hides separators before the first and after the last visible item, and in each run of
// separators between visible items keeps only the last one (showing it if it was hidden).
// Hidden items do not count as items; only separators' visibility changes.
void TidySeparators(std::span<MenuEntry> entries);

}  // namespace skin::form
