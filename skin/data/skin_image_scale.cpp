#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "skin/data/skin_image.h"
#include "skin/data/skin_image_internal.h"

namespace skin {

namespace {

// Enlarging: the source pixel under the centre of the destination pixel, rounded down.
int EnlargedSource(std::int64_t i, std::int64_t s, std::int64_t d) {
    return static_cast<int>(((2 * i + 1) * s - 1) / (2 * d));
}

}  // namespace

int StretchSourceColumn(int index, int sourceLength, int destLength) {
    if (sourceLength == destLength) return index;
    const std::int64_t i = index, s = sourceLength, d = destLength;
    if (sourceLength < destLength) return EnlargedSource(i, s, d);
    if (destLength == 1) return sourceLength - 2;
    return static_cast<int>(((2 * i + 2) * s - d) / (2 * d));
}

int StretchSourceRow(int index, int sourceLength, int destLength) {
    if (sourceLength == destLength) return index;
    const std::int64_t i = index, s = sourceLength, d = destLength;
    if (sourceLength < destLength) return EnlargedSource(i, s, d);
    return static_cast<int>((2 * i * s + d) / (2 * d));
}

namespace internal {

namespace {

constexpr Pixel kBackground = 0;

void FillRow(Pixel* row, int count, Pixel value) { std::fill(row, row + count, value); }

std::size_t Bytes(int pixels) { return static_cast<std::size_t>(pixels) * sizeof(Pixel); }

}  // namespace

Surface SurfaceFor(Bitmap& dest, const Rect& target) {
    return Surface{dest, target.Left, target.Top, Intersect(target, dest.Bounds())};
}

void StretchInto(const Surface& surface, const Rect& destRect, const Bitmap& source, const Rect& sourceRect) {
    if (destRect.IsEmpty()) return;
    const Rect visible = Intersect(destRect.Offset(surface.OriginX, surface.OriginY), surface.Clip);
    if (visible.IsEmpty()) return;
    Bitmap& dest = surface.Dest;
    const int width = visible.Width();
    if (sourceRect.IsEmpty() || source.Empty()) {
        for (int y = visible.Top; y < visible.Bottom; ++y) FillRow(dest.Row(y) + visible.Left, width, kBackground);
        return;
    }

    const int destW = destRect.Width();
    const int destH = destRect.Height();
    const int srcW = sourceRect.Width();
    const int srcH = sourceRect.Height();
    const int firstX = visible.Left - surface.OriginX - destRect.Left;  // column within destRect
    const int firstY = visible.Top - surface.OriginY - destRect.Top;

    // Source column for every visible destination column; -1 where it falls outside the source.
    thread_local auto* kept = new std::vector<int>;  // never destroyed, as the engine's other per-thread state
    std::vector<int>& columns = *kept;
    columns.resize(static_cast<std::size_t>(width));
    bool allInside = true;
    for (int i = 0; i < width; ++i) {
        const int sx = sourceRect.Left + StretchSourceColumn(firstX + i, srcW, destW);
        const bool inside = sx >= 0 && sx < source.Width();
        allInside = allInside && inside;
        columns[static_cast<std::size_t>(i)] = inside ? sx : -1;
    }
    // Unscaled and fully inside: rows are plain copies.
    const bool straight = allInside && srcW == destW;

    int previousSourceRow = -1;
    const Pixel* previousRow = nullptr;
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        Pixel* out = dest.Row(y) + visible.Left;
        const int sy = sourceRect.Top + StretchSourceRow(firstY + (y - visible.Top), srcH, destH);
        if (sy < 0 || sy >= source.Height()) {
            FillRow(out, width, kBackground);
            previousRow = nullptr;
            continue;
        }
        if (sy == previousSourceRow && previousRow != nullptr) {
            std::memcpy(out, previousRow, Bytes(width));
        } else if (straight) {
            std::memcpy(out, source.Row(sy) + columns[0], Bytes(width));
        } else {
            const Pixel* in = source.Row(sy);
            const int* map = columns.data();
            if (allInside) {
                for (int i = 0; i < width; ++i) out[i] = in[map[i]];
            } else {
                for (int i = 0; i < width; ++i) out[i] = map[i] >= 0 ? in[map[i]] : kBackground;
            }
        }
        previousSourceRow = sy;
        previousRow = out;
    }
}

void TileInto(const Surface& surface, const Rect& destRect, const Bitmap& source, const Rect& sourceRect,
              const Rect& limit) {
    if (sourceRect.IsEmpty()) return;
    const Rect visible = Intersect(
        Intersect(destRect.Offset(surface.OriginX, surface.OriginY), limit.Offset(surface.OriginX, surface.OriginY)),
        surface.Clip);
    if (visible.IsEmpty()) return;
    Bitmap& dest = surface.Dest;
    const int tileW = sourceRect.Width();
    const int tileH = sourceRect.Height();
    const int left = surface.OriginX + destRect.Left;  // tile grid origin in dest coordinates
    const int top = surface.OriginY + destRect.Top;
    const int width = visible.Width();
    // Part of the tile's columns that lies inside the source bitmap.
    const int insideFrom = std::clamp(-sourceRect.Left, 0, tileW);
    const int insideTo = std::clamp(source.Width() - sourceRect.Left, insideFrom, tileW);

    for (int y = visible.Top; y < visible.Bottom; ++y) {
        Pixel* out = dest.Row(y) + visible.Left;
        if (y - tileH >= visible.Top) {  // the tile row repeats: copy the row one tile above
            std::memcpy(out, dest.Row(y - tileH) + visible.Left, Bytes(width));
            continue;
        }
        const int sy = sourceRect.Top + (y - top) % tileH;
        if (sy < 0 || sy >= source.Height()) {
            FillRow(out, width, kBackground);
            continue;
        }
        const Pixel* in = source.Row(sy);
        int x = 0;
        int tx = (visible.Left - left) % tileW;
        while (x < width) {
            const int run = std::min(tileW - tx, width - x);
            // Split the run into the part before, inside and after the source's columns.
            const int a = std::clamp(insideFrom - tx, 0, run);
            const int b = std::clamp(insideTo - tx, a, run);
            FillRow(out + x, a, kBackground);
            if (b > a) std::memcpy(out + x + a, in + (sourceRect.Left + tx + a), Bytes(b - a));
            FillRow(out + x + b, run - b, kBackground);
            x += run;
            tx = 0;
        }
    }
}

namespace {

// The part of an unscaled copy of sourceRect to (x, y) that lies inside both bitmaps: the
// destination rectangle and the source pixel that lands on its top-left corner.
struct ClippedCopy {
    Rect out;
    int sx = 0;
    int sy = 0;
};

std::optional<ClippedCopy> ClipCopy(const Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect) {
    const Rect src = Intersect(sourceRect, source.Bounds());
    if (src.IsEmpty()) return std::nullopt;
    const int dx = x + (src.Left - sourceRect.Left);
    const int dy = y + (src.Top - sourceRect.Top);
    const Rect out = Intersect(Rect{dx, dy, dx + src.Width(), dy + src.Height()}, dest.Bounds());
    if (out.IsEmpty()) return std::nullopt;
    return ClippedCopy{out, src.Left + (out.Left - dx), src.Top + (out.Top - dy)};
}

}  // namespace

void CopyPixels(Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect) {
    const auto clip = ClipCopy(dest, x, y, source, sourceRect);
    if (!clip) return;
    const Rect& out = clip->out;
    for (int row = 0; row < out.Height(); ++row)
        std::memmove(dest.Row(out.Top + row) + out.Left, source.Row(clip->sy + row) + clip->sx, Bytes(out.Width()));
}

void CopyPixelsKeyed(Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect, Pixel key) {
    const auto clip = ClipCopy(dest, x, y, source, sourceRect);
    if (!clip) return;
    const Rect& out = clip->out;
    const int sx = clip->sx;
    const int sy = clip->sy;
    const int width = out.Width();
    for (int row = 0; row < out.Height(); ++row) {
        Pixel* o = dest.Row(out.Top + row) + out.Left;
        const Pixel* in = source.Row(sy + row) + sx;
        for (int i = 0; i < width; ++i) {
            // Compare the color bytes only: the unused high byte of a DIB pixel may hold anything.
            if ((in[i] & 0x00FFFFFFu) != key) o[i] = in[i];
        }
    }
}

}  // namespace internal

void CopyBitmap(Bitmap& dest, int x, int y, const Bitmap& source) {
    if (!WithinDrawRange(x) || !WithinDrawRange(y)) return;
    internal::CopyPixels(dest, x, y, source, source.Bounds());
}

void CopyBitmapRect(Bitmap& dest, int x, int y, const Bitmap& source, const Rect& sourceRect) {
    if (!WithinDrawRange(sourceRect) || !WithinDrawRange(x) || !WithinDrawRange(y)) return;
    internal::CopyPixels(dest, x, y, source, sourceRect);
}

void StretchBitmap(Bitmap& dest, const Rect& destRect, const Bitmap& source, const Rect& sourceRect) {
    if (destRect.IsEmpty() || sourceRect.IsEmpty() || !WithinDrawRange(destRect) || !WithinDrawRange(sourceRect))
        return;
    const internal::Surface surface = internal::SurfaceFor(dest, destRect);
    internal::StretchInto(surface, Rect{0, 0, destRect.Width(), destRect.Height()}, source, sourceRect);
}

}  // namespace skin
