#include "skin/controls/scroll_bar_geometry.h"

#include <algorithm>
#include <cstdint>

namespace skin::controls {

namespace {

// The last position the thumb can reach: a page-sized thumb stops a page before the maximum.
int LastPosition(const ScrollValues& v) { return v.Max - std::max(v.Page - 1, 0); }

}  // namespace

int MulDivRound(int a, int b, int c) {
    if (c == 0) return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -static_cast<std::int64_t>(c) : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t result = magnitude / divisor;
    return static_cast<int>(negative ? -result : result);
}

ThumbSpan ComputeThumb(int length, int arrow, const ScrollValues& values) {
    const int track = length - 2 * arrow;
    if (track <= 0) return {};
    const int range = std::max(values.Max - values.Min, 0);
    int thumb = arrow;
    if (values.Page > 0) thumb = std::max(MulDivRound(track, values.Page, range + 1), kMinThumbLength);
    const int free = track - thumb;
    if (free < 0) return {};
    const int last = LastPosition(values);
    int start = arrow;
    if (last > values.Min) {
        const int pos = std::clamp(values.Pos, values.Min, last);
        start += MulDivRound(free, pos - values.Min, last - values.Min);
    }
    return {start, start + thumb};
}

int ArrowLength(int length, int arrow) { return length < 2 * arrow ? std::max(length, 0) / 2 : arrow; }

ScrollPart HitTestBar(int p, int length, int arrow, const ThumbSpan& thumb) {
    const int a = ArrowLength(length, arrow);
    if (p < a) return kLineUp;
    if (p >= length - a) return kLineDown;
    if (thumb.Empty()) return p < length / 2 ? kPageUp : kPageDown;
    if (p < thumb.Start) return kPageUp;
    if (p < thumb.End) return kThumb;
    return kPageDown;
}

int DragThumbStart(int pressThumbStart, int delta, int length, int arrow, int thumbLength) {
    const int last = length - arrow - thumbLength;
    if (last < arrow) return arrow;
    return std::clamp(pressThumbStart + delta, arrow, last);
}

int PositionFromThumb(int thumbStart, int length, int arrow, const ScrollValues& values) {
    const ThumbSpan span = ComputeThumb(length, arrow, values);
    const int free = length - 2 * arrow - span.Length();
    const int last = LastPosition(values);
    if (span.Empty() || free <= 0 || last <= values.Min) return values.Min;
    const int offset = std::clamp(thumbStart - arrow, 0, free);
    return values.Min + MulDivRound(offset, last - values.Min, free);
}

int ClampFrame(int index, int frameCount) { return frameCount < 1 ? 1 : std::clamp(index, 1, frameCount); }

}  // namespace skin::controls
