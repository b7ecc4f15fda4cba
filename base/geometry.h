#pragma once

namespace base {

// A rectangle in pixels; Right and Bottom are exclusive.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // True when the rectangle covers no pixel (zero or negative width or height).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr bool operator==(const Rect&) const = default;
};

struct Point {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const Point&) const = default;
};

// The overlap of two rectangles; an empty result is normalised to {0,0,0,0}.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top, a.Right < b.Right ? a.Right : b.Right,
           a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
    return r.IsEmpty() ? Rect{} : r;
}

}  // namespace base
