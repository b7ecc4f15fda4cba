#pragma once
// Status bar panel text as the status window stores it: a leading tab centres the text, two
// right-align it.

#include <string>
#include <string_view>

namespace skin::controls {

enum class TextAlign { Left, Center, Right };

struct StatusText {
    std::wstring Text;
    TextAlign Align = TextAlign::Left;
};

// Splits the alignment tabs off a panel's text; tabs further in stay part of the text.
StatusText SplitStatusText(std::wstring_view stored);

}  // namespace skin::controls
