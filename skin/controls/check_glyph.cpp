#include "skin/controls/check_glyph.h"

#include <algorithm>

#include "skin/controls/frame_count.h"

namespace skin::controls {

int CheckGlyphFrame(int frameCount, CheckValue value, bool disabled, bool radio) {
    frameCount = UsableFrameCount(frameCount);
    if (radio && value == CheckValue::Indeterminate) value = CheckValue::Checked;
    // The four-frame index: 1 unchecked, 2 checked, +2 disabled; indeterminate shows 4.
    int index = value == CheckValue::Checked ? 2 : 1;
    if (disabled) index += 2;
    if (value == CheckValue::Indeterminate) index = 4;
    if (!radio && frameCount == 12) {
        if (value == CheckValue::Indeterminate) return disabled ? 12 : 9;
        static constexpr int kTwelve[] = {1, 5, 4, 8};
        return kTwelve[index - 1];
    }
    if (radio && frameCount == 8) {
        static constexpr int kEight[] = {1, 5, 4, 8};
        return kEight[index - 1];
    }
    return std::clamp(index, 1, frameCount);
}

}  // namespace skin::controls
