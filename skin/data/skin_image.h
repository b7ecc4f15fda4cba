#pragma once

// Drawing primitives for skin images on portable bitmaps.
//
// A skin strip holds `frameCount` equal frames, side by side or (vertical) stacked; frame numbers
// start at 1. Margins are given as a Rect whose Left/Top/Right/Bottom hold the four fixed sizes
// L, T, R, B of a frame. Stretching is nearest-neighbour and picks source pixels as GDI's
// StretchBlt in COLORONCOLOR mode does (checked against it by the Windows tests), so portable and
// on-screen results agree.
//
// Safety rules shared by every primitive:
// - Nothing is ever written outside the destination bitmap, whatever the rectangles.
// - A target of negative width or height, an empty strip, a frame count below 1, negative margins
//   or coordinates beyond kMaxDrawCoordinate draw nothing (BuildSkinImage returns a black image
//   of the target's size for a bad strip, count or margins).
// - Source pixels outside the strip (a frame number beyond the count, margins larger than the
//   frame) are never read; they come out as black (0) background pixels, and so does a stretched
//   part whose source has no area.
// - Key colors are color values (0x00BBGGRR, as TColor); kMagenta is the same in both layouts.
//   Key tests look at the color bytes only; the unused high byte of a pixel is ignored.
// - Source and destination must be different bitmaps.

#include <cstdint>
#include <vector>

#include "skin/data/pixels.h"

namespace skin {

// Key color of every transparent skin draw.
inline constexpr std::uint32_t kSkinTransparentColor = kMagenta;

// Every primitive refuses (draws nothing for) rectangles and positions with a coordinate beyond
// +-kMaxDrawCoordinate, so no size or offset computation can overflow.
inline constexpr int kMaxDrawCoordinate = 1 << 28;
constexpr bool WithinDrawRange(int value) { return value > -kMaxDrawCoordinate && value < kMaxDrawCoordinate; }
constexpr bool WithinDrawRange(const Rect& r) {
    return WithinDrawRange(r.Left) && WithinDrawRange(r.Top) && WithinDrawRange(r.Right) && WithinDrawRange(r.Bottom);
}

// Rectangle of frame `frameNumber` (1-based) in the strip: fw = width / count and fh = height
// (side by side), or fw = width and fh = height / count (vertical). The rectangle may lie partly
// or wholly outside the strip for frame numbers beyond the count. Empty for a count below 1.
Rect SkinFrameRect(const Bitmap& strip, bool vertical, int frameCount, int frameNumber);

// --- Basic copies (the portable BitBlt / StretchBlt / MaskBlt) ---

// Copies `source` with its top-left corner at (x, y) of `dest` (opaque, clipped).
void CopyBitmap(Bitmap& dest, int x, int y, const Bitmap& source);
// Copies the part `sourceRect` of `source` with its top-left corner at (x, y) of `dest`.
void CopyBitmapRect(Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect);
// Nearest-neighbour stretch of `sourceRect` of `source` onto `destRect` of `dest`, with the
// COLORONCOLOR pixel choice (see StretchSourceColumn/Row). Rectangles of no area draw nothing.
void StretchBitmap(Bitmap& dest, const Rect& destRect, const Bitmap& source, const Rect& sourceRect);

// The source pixel (0 .. sourceLength - 1) that a COLORONCOLOR stretch puts at destination pixel
// `index` (0 .. destLength - 1), as GDI picks it. Enlarging takes the pixel under the destination
// pixel's centre (rounded down) on both axes. Shrinking differs per axis: a column takes the last
// source column that ends before the destination column's end (the last but one for a single
// column), a row takes the source row nearest to the start of its span (rounded half up). Both lengths must be positive.
int StretchSourceColumn(int index, int sourceLength, int destLength);
int StretchSourceRow(int index, int sourceLength, int destLength);

// --- The skin primitives ---

// A new bitmap of the target's size holding the nine-part scaling of the frame: corners at their
// size, edges stretched along one axis, middle stretched or (tile) tiled. Where the target is
// narrower than L + R, L and R count as 0; where it is lower than T + B, T and B count as 0.
// Returns an empty bitmap for a target of no area or one beyond the bitmap size limits.
// Source pixels outside the strip (and an empty strip or a frame count below 1) give black.
Bitmap BuildSkinImage(const Rect& target, const Bitmap& strip, const Rect& margins, bool vertical, bool tile,
                      int frameCount, int frameNumber);

// Draws the nine-part scaling of the frame at `target`, opaque or with magenta transparent.
// Only the part of the target inside `dest` is computed, so huge targets cost nothing extra.
void DrawSkinObject(Bitmap& dest, const Rect& target, const Bitmap& strip, bool vertical, bool tile, bool transparent,
                    int frameCount, int frameNumber, const Rect& margins);

// Repeats `sourceRect` of `source` over `target` starting at its top-left corner. Like the
// drawing it is modelled on, the last row and column of tiles are not cut at the target's right
// and bottom edges (only at the destination's bounds).
void TileImage(Bitmap& dest, const Rect& target, const Bitmap& source, const Rect& sourceRect);

// Three-part horizontal scaling: left cap L wide, middle pieces repeated across and stretched
// vertically, right cap R wide (drawn last, over the left cap on a narrow target). T and B unused.
void DrawSkinStrip(Bitmap& dest, const Rect& target, const Bitmap& strip, bool vertical, bool transparent,
                   int frameCount, int frameNumber, const Rect& margins);

// The eight outer parts of the nine-part scaling, opaque; the middle of `dest` is left as it was.
void DrawSkinBorder(Bitmap& dest, const Rect& target, const Bitmap& strip, bool vertical, int frameCount,
                    int frameNumber, const Rect& margins);

// The whole frame (frames side by side) stretched to the target, no margins.
void DrawSkinFrame(Bitmap& dest, const Rect& target, const Bitmap& strip, bool transparent, int frameCount,
                   int frameNumber);

// The frame (side by side) unscaled, centred in the target (also when larger than the target).
void DrawSkinGlyph(Bitmap& dest, const Rect& target, const Bitmap& strip, bool transparent, int frameCount,
                   int frameNumber);

// Copies the top-left target-sized part of `source` to `target`, leaving destination pixels
// where the source has exactly `keyColor`.
void TransparentBlit(Bitmap& dest, const Rect& target, const Bitmap& source, std::uint32_t keyColor);

// --- Regions ---

// Batches of at most this many rectangles make up a region; the list grows by this step.
inline constexpr std::size_t kRegionBatchSize = 2000;
inline constexpr std::size_t kRegionGrowStep = 500;

// Rectangles (one pixel high, per row, left to right) of all pixels that are NOT within the key
// range: red in [key red, min(255, key red + redTolerance)], likewise green and blue. Offsets
// (dx, dy) are added. Each inner vector is one batch of at most kRegionBatchSize rectangles; the
// Windows side ORs the batches into one region. Only key pixels (or an empty bitmap): no batches.
// Works on any height, including one row. Offsets beyond the draw range give no rectangles.
using RegionRects = std::vector<std::vector<Rect>>;
RegionRects CreateRegionFromBitmap(const Bitmap& bitmap, int dx, int dy, std::uint8_t blueTolerance,
                                   std::uint8_t greenTolerance, std::uint8_t redTolerance, std::uint32_t keyColor);

// --- Transforms (in place) ---
// Bitmaps are always 32 bits per pixel here, so the "24 bits per pixel" conversion the skin
// painters ask for is only the pixel maths; the unused high byte is cleared.

// Every pixel's red, green and blue become (R + G + B) / 3.
void MakeGray(Bitmap& bitmap);
// Pixel x of each row takes pixel width - 1 - x.
void MirrorHorizontal(Bitmap& bitmap);
// Row height - 1 - y takes row y.
void FlipVertical(Bitmap& bitmap);
// Quarter turn counter-clockwise; width and height swap. New (y, width - 1 - x) = old (x, y).
void RotateLeft(Bitmap& bitmap);
// Quarter turn clockwise; width and height swap. New (height - 1 - y, x) = old (x, y).
void RotateRight(Bitmap& bitmap);

}  // namespace skin
