#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/geometry.h"

namespace base {

// One pixel as in a 32-bit Windows DIB: 0x00RRGGBB (bytes in memory: blue, green, red, unused).
using Pixel = std::uint32_t;

// The transparent key of every skin image. Magenta reads the same in pixel layout (0x00RRGGBB)
// and in color layout (0x00BBGGRR), so this constant serves both.
inline constexpr Pixel kMagenta = 0x00FF00FFu;

constexpr Pixel MakePixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (Pixel{red} << 16) | (Pixel{green} << 8) | Pixel{blue};
}
constexpr std::uint8_t PixelRed(Pixel p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t PixelGreen(Pixel p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t PixelBlue(Pixel p) { return static_cast<std::uint8_t>(p); }

// Color values (0x00BBGGRR, as TColor / COLORREF) to and from pixels. The high byte is dropped.
constexpr Pixel ColorToPixel(std::uint32_t color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
constexpr std::uint32_t PixelToColor(Pixel p) { return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu); }

// Largest width or height, and largest pixel count, a bitmap may have. Anything bigger is
// refused before allocating (a hostile file header must not make us allocate gigabytes).
inline constexpr int kMaxBitmapDimension = 32768;
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 25;  // 128 MiB of pixels

// A 32-bit pixel buffer with top-down rows.
//
// Either owns its pixels, or is a view over memory owned elsewhere (a DIB section on Windows),
// so GDI and the skin primitives can share pixels. Stride is counted in pixels (>= width).
// Copying always yields an owning deep copy, also of a view; moving keeps the mode.
// A bitmap with zero width or height is Empty().
class Bitmap {
public:
    Bitmap() = default;
    // Owning bitmap of width x height filled with `fill`. Throws std::invalid_argument for a
    // negative size and std::length_error beyond kMaxBitmapDimension / kMaxBitmapPixels.
    Bitmap(int width, int height, Pixel fill = 0);

    // Non-owning view over width x height pixels with rows `stride` pixels apart. The memory must
    // outlive the view. Throws std::invalid_argument for a null pointer with a non-empty size,
    // a negative size or stride < width.
    static Bitmap View(Pixel* pixels, int width, int height, int stride);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    // True when a size is allowed by the limits above.
    static bool SizeAllowed(std::int64_t width, std::int64_t height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool IsView() const { return view_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel* Row(int y) { return data_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    const Pixel* Row(int y) const { return data_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    // Unchecked access; the caller keeps (x, y) inside the bitmap.
    Pixel& At(int x, int y) { return Row(y)[x]; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    // Checked read: `outside` for coordinates outside the bitmap.
    Pixel Get(int x, int y, Pixel outside = 0) const { return Contains(x, y) ? At(x, y) : outside; }

    void Fill(Pixel value);
    // Fills the part of `r` that lies inside the bitmap.
    void FillRect(const Rect& r, Pixel value);

    // Replaces the contents with an owning width x height bitmap filled with `fill` (a view stops
    // being a view). Same exceptions as the constructor.
    void Reset(int width, int height, Pixel fill = 0);

    // An owning copy of the part of `r` inside the bitmap, at its clipped size.
    Bitmap Crop(const Rect& r) const;

    // Same size and same pixels (stride and ownership are not compared).
    bool operator==(const Bitmap& other) const;

private:
    std::vector<Pixel> storage_;
    Pixel* data_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    bool view_ = false;
};

}  // namespace base
