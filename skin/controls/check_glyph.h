#pragma once
// Which frame of a skin's check-box or radio-button glyph strip shows a given check state.

namespace skin::controls {

enum class CheckValue { Unchecked, Checked, Indeterminate };

// The 1-based frame of a strip of `frameCount` frames (0 or below counts as 1). Strips of
// 4 frames (unchecked, checked, unchecked disabled, checked disabled), 12-frame check strips and
// 8-frame radio strips have their own tables; any other count is clamped into the strip.
int CheckGlyphFrame(int frameCount, CheckValue value, bool disabled, bool radio);

}  // namespace skin::controls
