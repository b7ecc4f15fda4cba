#pragma once

// Building blocks shared by the skin primitives. Not for use outside skin_image*.cpp.

#include "skin/data/pixels.h"

namespace skin::internal {

// Where an image being composed lands: image pixel (x, y) goes to dest pixel
// (OriginX + x, OriginY + y), and only dest pixels inside Clip are written. Clip must lie inside
// the destination bitmap.
struct Surface {
    Bitmap& Dest;
    int OriginX = 0;
    int OriginY = 0;
    Rect Clip;
};

// A surface covering the part of `target` inside `dest`, with the image origin at the target's
// top-left corner.
Surface SurfaceFor(Bitmap& dest, const Rect& target);

// Stretches `sourceRect` of `source` onto `destRect` (image coordinates). Source pixels outside
// the source bitmap, and a source rectangle of no area, give black.
void StretchInto(const Surface& surface, const Rect& destRect, const Bitmap& source, const Rect& sourceRect);

// Repeats `sourceRect` of `source` from the top-left corner of `destRect` across and down,
// writing only inside `limit` (image coordinates). Source pixels outside the source bitmap give
// black; a source rectangle of no area writes nothing.
void TileInto(const Surface& surface, const Rect& destRect, const Bitmap& source, const Rect& sourceRect,
              const Rect& limit);

// Copies `source` pixels to (x, y) of `dest`, clipped; with a key, source pixels equal to it are
// skipped.
void CopyPixels(Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect);
void CopyPixelsKeyed(Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect, Pixel key);

// The nine-part scaling of `frame` (strip coordinates) into a w x h image on `surface`, after the
// L/R and T/B collapse rule. The parts partition the image, so every image pixel is written once;
// `withMiddle` false leaves the middle untouched (border drawing).
void NineSlice(const Surface& surface, int w, int h, const Bitmap& strip, const Rect& frame, const Rect& margins,
               bool tile, bool withMiddle);

}  // namespace skin::internal
