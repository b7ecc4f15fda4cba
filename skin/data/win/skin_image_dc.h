#pragma once

// The skin primitives drawing onto a device context. Each builds its image with the portable
// primitive in memory and puts it on the DC in one blit (opaque: SetDIBitsToDevice; transparent:
// MaskBlt with a monochrome mask), so a skinned surface never flickers.

#include <windows.h>

#include <cstdint>

#include "skin/data/pixels.h"

namespace skin {

// Opaque copy of the whole bitmap with its top-left corner at (x, y). False when GDI fails.
bool DrawBitmap(HDC dc, int x, int y, const Bitmap& bitmap);
// Opaque copy of `sourceRect` (clipped to the bitmap) with its top-left corner at (x, y).
bool DrawBitmapRect(HDC dc, int x, int y, const Bitmap& bitmap, const Rect& sourceRect);

// Copies the top-left target-sized part of `source` to `target` on the DC, leaving the DC's
// pixels where the source has exactly `keyColor` (0x00BBGGRR). Uses MaskBlt with a monochrome
// mask and MAKEROP4(0x00AA0029, SRCCOPY).
void TransparentBlit(HDC dc, const Rect& target, const Bitmap& source, std::uint32_t keyColor);

void DrawSkinObject(HDC dc, const Rect& target, const Bitmap& strip, bool vertical, bool tile, bool transparent,
                    int frameCount, int frameNumber, const Rect& margins);
void DrawSkinStrip(HDC dc, const Rect& target, const Bitmap& strip, bool vertical, bool transparent, int frameCount,
                   int frameNumber, const Rect& margins);
// Only the eight outer parts reach the DC; its pixels inside the middle are left alone.
void DrawSkinBorder(HDC dc, const Rect& target, const Bitmap& strip, bool vertical, int frameCount, int frameNumber,
                    const Rect& margins);
void DrawSkinFrame(HDC dc, const Rect& target, const Bitmap& strip, bool transparent, int frameCount, int frameNumber);
void DrawSkinGlyph(HDC dc, const Rect& target, const Bitmap& strip, bool transparent, int frameCount, int frameNumber);

}  // namespace skin
