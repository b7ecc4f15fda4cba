#include "skin/controls/range_rules.h"

#include <algorithm>
#include <cstdint>

namespace skin::controls {

int ProgressFillLength(int length, int minimum, int maximum, int position) {
    if (length <= 0 || maximum <= minimum) return 0;
    const std::int64_t span = std::int64_t{maximum} - minimum;
    const std::int64_t done = std::clamp<std::int64_t>(std::int64_t{position} - minimum, 0, span);
    return static_cast<int>(std::int64_t{length} * done / span);
}

int ProgressChunkCount(int filled, int chunkWidth) {
    if (filled <= 0 || chunkWidth <= 0) return 0;
    return (filled + chunkWidth - 1) / chunkWidth;
}

int UpDownFrame(int state, UpDownArrow arrow) {
    const int s = std::clamp(state, 1, 4);
    const bool second = arrow == UpDownArrow::Down || arrow == UpDownArrow::Right;
    return s + (second ? 4 : 0);
}

UpDownButtons SplitUpDown(const Rect& work, bool horizontal) {
    UpDownButtons b;
    if (horizontal) {
        const int half = work.Width() / 2;
        b.First = {work.Left, work.Top, work.Left + half, work.Bottom};
        b.Second = {work.Left + half, work.Top, work.Right, work.Bottom};
        b.FirstArrow = UpDownArrow::Left;
        b.SecondArrow = UpDownArrow::Right;
    } else {
        const int half = work.Height() / 2;
        b.First = {work.Left, work.Top, work.Right, work.Top + half};
        b.Second = {work.Left, work.Top + half, work.Right, work.Bottom};
    }
    return b;
}

int UpDownHalfAt(const Rect& work, bool horizontal, int x, int y) {
    if (horizontal) return x < work.Left + work.Width() / 2 ? 0 : 1;
    return y < work.Top + work.Height() / 2 ? 0 : 1;
}

UpDownStates UpDownButtonStates(const Rect& work, bool horizontal, int cursorX, int cursorY, bool pressed,
                                bool enabled) {
    if (!enabled) return {kUpDownDisabled, kUpDownDisabled};
    UpDownStates s;
    if (!pressed) return s;
    (UpDownHalfAt(work, horizontal, cursorX, cursorY) == 0 ? s.First : s.Second) = kUpDownPressed;
    return s;
}

}  // namespace skin::controls
