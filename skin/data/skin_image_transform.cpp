#include <algorithm>
#include <utility>

#include "skin/data/skin_image.h"

namespace skin {

void MakeGray(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Pixel p = row[x];
            const auto mean = static_cast<std::uint8_t>((PixelRed(p) + PixelGreen(p) + PixelBlue(p)) / 3);
            row[x] = MakePixel(mean, mean, mean);
        }
    }
}

void MirrorHorizontal(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) std::reverse(bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
}

void FlipVertical(Bitmap& bitmap) {
    for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + bitmap.Width(), bitmap.Row(bottom));
}

namespace {

// Builds the turned image in a new bitmap and replaces the input with it. A view becomes an
// owning bitmap, since its memory cannot change shape.
template <typename Place>
void Rotate(Bitmap& bitmap, Place&& place) {
    const int w = bitmap.Width(), h = bitmap.Height();
    Bitmap turned(h, w);
    for (int y = 0; y < h; ++y) {
        const Pixel* row = bitmap.Row(y);
        for (int x = 0; x < w; ++x) {
            const Point to = place(x, y, w, h);
            turned.At(to.X, to.Y) = row[x];
        }
    }
    bitmap = std::move(turned);
}

}  // namespace

void RotateLeft(Bitmap& bitmap) {
    Rotate(bitmap, [](int x, int y, int w, int) { return Point{y, w - 1 - x}; });
}

void RotateRight(Bitmap& bitmap) {
    Rotate(bitmap, [](int x, int y, int, int h) { return Point{h - 1 - y, x}; });
}

}  // namespace skin
