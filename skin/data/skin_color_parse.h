#pragma once
// Color text of a skin definition: up to three decimal numbers (red, green,
// blue) separated by any non-digit characters.

#include <string_view>

#include "base/color.h"

namespace skin {

// Parses a color text. The text is trimmed and scanned for runs of digits;
// a run that ends at a non-digit character becomes the next of red, green and
// blue. The run that ends the text counts only as blue after exactly two
// numbers ("10 20 30" is RGB(10, 20, 30), but "10 20" gives red 10 alone and
// "255" gives black). Missing components are 0, each keeps its low 8 bits,
// numbers after the third are ignored. Never fails: a text without digits is
// black.
TColor ParseColor(std::string_view text);

}  // namespace skin
