#pragma once
// The arithmetic of a scroll bar drawn by the skin: where the thumb sits for a range, page and
// position, what part of the bar a point falls on, and where a dragged thumb goes. It follows the
// system's own scroll bar so the skinned bar and the real one under it always agree.

namespace skin::controls {

// The values of a scroll bar as the system keeps them (SCROLLINFO).
struct ScrollValues {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// Along the bar's axis, from its first pixel: where the thumb begins and ends. Empty (0, 0) when
// the bar is too short for a thumb.
struct ThumbSpan {
    int Start = 0;
    int End = 0;
    int Length() const { return End - Start; }
    bool Empty() const { return End <= Start; }
    bool operator==(const ThumbSpan&) const = default;
};

// The smallest thumb the system draws for a page-sized thumb.
inline constexpr int kMinThumbLength = 8;

// Rounded a * b / c (halves away from zero), 0 for c == 0; the system's MulDiv.
int MulDivRound(int a, int b, int c);

// The thumb of a bar `length` long with arrow buttons `arrow` long at both ends. The position
// counts from the range minimum; a range of zero and a page beyond the range are safe; the thumb
// never leaves the part between the arrows.
ThumbSpan ComputeThumb(int length, int arrow, const ScrollValues& values);

// How long each arrow button is drawn: `arrow`, or half the bar when it is shorter than two.
int ArrowLength(int length, int arrow);

// Parts of a bar, numbered as the scroll codes that a press on them starts.
enum ScrollPart : int { kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumb = 5 };

// The part under `p` (pixels from the bar's first pixel along its axis).
ScrollPart HitTestBar(int p, int length, int arrow, const ThumbSpan& thumb);

// The thumb's start while it is dragged `delta` pixels from where the press found it, kept
// between the arrows.
int DragThumbStart(int pressThumbStart, int delta, int length, int arrow, int thumbLength);

// The position a thumb starting at `thumbStart` stands for (the inverse of ComputeThumb).
int PositionFromThumb(int thumbStart, int length, int arrow, const ScrollValues& values);

// A 1-based frame index kept inside 1..frameCount (1 when there are no frames).
int ClampFrame(int index, int frameCount);

}  // namespace skin::controls
