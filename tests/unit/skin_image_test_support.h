#pragma once

// Helpers for the bitmap and skin image tests: images whose pixels name their own coordinates,
// and destinations fenced by guard pixels that must never change.

#include <cstdint>
#include <random>
#include <vector>

#include "skin/data/pixels.h"

namespace skin::testing {

// Pixel naming a source position: red = tag, green = x, blue = y (x, y below 256). Never magenta
// unless the caller makes it so (tag 0xFF with x 0 and y 0xFF).
constexpr Pixel Coord(int tag, int x, int y) {
    return MakePixel(static_cast<std::uint8_t>(tag), static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y));
}

// A w x h image of Coord(tag, x, y).
inline Bitmap CoordImage(int w, int h, int tag = 1) {
    Bitmap image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.At(x, y) = Coord(tag, x, y);
    return image;
}

// A strip of `count` frames (side by side or stacked) of fw x fh; frame k (1-based) carries tag k
// and its pixels name their position inside the frame.
inline Bitmap FrameStrip(int fw, int fh, int count, bool vertical) {
    Bitmap strip(vertical ? fw : fw * count, vertical ? fh * count : fh);
    for (int k = 0; k < count; ++k)
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                strip.At(vertical ? x : k * fw + x, vertical ? k * fh + y : y) = Coord(k + 1, x, y);
    return strip;
}

// Random pixels, never magenta.
inline Bitmap RandomImage(int w, int h, std::mt19937& random) {
    Bitmap image(w, h);
    std::uniform_int_distribution<std::uint32_t> color(0, 0x00FFFFFFu);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Pixel p = color(random);
            if (p == kMagenta) p ^= 1;
            image.At(x, y) = p;
        }
    return image;
}

// A destination of w x h pixels inside a larger buffer whose border of `guard` pixels on every side
// holds a fixed pattern; Intact() tells whether anything wrote outside the destination.
class GuardedCanvas {
public:
    GuardedCanvas(int w, int h, Pixel fill = 0x00123456u, int guard = 4)
        : guard_(guard),
          stride_(w + 2 * guard),
          rows_(h + 2 * guard),
          buffer_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(rows_), kGuard),
          view_(Bitmap::View(buffer_.data() + guard * stride_ + guard, w, h, stride_)) {
        view_.Fill(fill);
    }
    GuardedCanvas(const GuardedCanvas&) = delete;
    GuardedCanvas& operator=(const GuardedCanvas&) = delete;
    Bitmap& Dest() { return view_; }
    bool Intact() const {
        for (int y = 0; y < rows_; ++y)
            for (int x = 0; x < stride_; ++x) {
                const bool inside = y >= guard_ && y < rows_ - guard_ && x >= guard_ && x < stride_ - guard_;
                if (!inside && buffer_[static_cast<std::size_t>(y * stride_ + x)] != kGuard) return false;
            }
        return true;
    }

private:
    static constexpr Pixel kGuard = 0x00C0FFEEu;
    int guard_;
    int stride_;
    int rows_;
    std::vector<Pixel> buffer_;
    Bitmap view_;
};

}  // namespace skin::testing
