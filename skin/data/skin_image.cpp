#include "skin/data/skin_image.h"

#include "skin/data/skin_image_internal.h"

namespace skin {

namespace {

constexpr int kMaxCoordinate = kMaxDrawCoordinate;

bool Usable(const Rect& r) { return WithinDrawRange(r); }

bool UsableMargins(const Rect& m) {
    return m.Left >= 0 && m.Top >= 0 && m.Right >= 0 && m.Bottom >= 0 && m.Left < kMaxCoordinate &&
           m.Top < kMaxCoordinate && m.Right < kMaxCoordinate && m.Bottom < kMaxCoordinate;
}

// True when a draw of `strip` frame onto `target` can produce anything.
bool Drawable(const Rect& target, const Bitmap& strip, int frameCount) {
    return !target.IsEmpty() && Usable(target) && !strip.Empty() && frameCount >= 1;
}

// Composes an image of the target's size with `compose` and puts it on `dest`, either straight
// (only the visible part is ever computed) or through a scratch bitmap and a keyed copy.
template <typename Compose>
void Place(Bitmap& dest, const Rect& target, bool transparent, Compose&& compose) {
    const Rect visible = Intersect(target, dest.Bounds());
    if (visible.IsEmpty()) return;
    if (!transparent) {
        compose(internal::Surface{dest, target.Left, target.Top, visible});
        return;
    }
    Bitmap scratch(visible.Width(), visible.Height());
    compose(internal::Surface{scratch, target.Left - visible.Left, target.Top - visible.Top, scratch.Bounds()});
    internal::CopyPixelsKeyed(dest, visible.Left, visible.Top, scratch, scratch.Bounds(), kMagenta);
}

}  // namespace

Rect SkinFrameRect(const Bitmap& strip, bool vertical, int frameCount, int frameNumber) {
    if (frameCount < 1 || frameNumber < -kMaxCoordinate || frameNumber > kMaxCoordinate) return {};
    if (vertical) {
        const int fh = strip.Height() / frameCount;
        const std::int64_t y0 = std::int64_t{frameNumber - 1} * fh;
        if (y0 <= -kMaxCoordinate || y0 >= kMaxCoordinate) return {};
        return {0, static_cast<int>(y0), strip.Width(), static_cast<int>(y0) + fh};
    }
    const int fw = strip.Width() / frameCount;
    const std::int64_t x0 = std::int64_t{frameNumber - 1} * fw;
    if (x0 <= -kMaxCoordinate || x0 >= kMaxCoordinate) return {};
    return {static_cast<int>(x0), 0, static_cast<int>(x0) + fw, strip.Height()};
}

namespace internal {

void NineSlice(const Surface& surface, int w, int h, const Bitmap& strip, const Rect& frame, const Rect& margins,
               bool tile, bool withMiddle) {
    int l = margins.Left, t = margins.Top, r = margins.Right, b = margins.Bottom;
    if (w < l + r) l = r = 0;
    if (h < t + b) t = b = 0;
    const int x0 = frame.Left, y0 = frame.Top, fw = frame.Width(), fh = frame.Height();

    // Corners at their size, edges stretched along one axis. The parts do not overlap.
    if (l > 0 && t > 0) StretchInto(surface, {0, 0, l, t}, strip, {x0, y0, x0 + l, y0 + t});
    if (l > 0 && b > 0) StretchInto(surface, {0, h - b, l, h}, strip, {x0, y0 + fh - b, x0 + l, y0 + fh});
    if (r > 0 && t > 0) StretchInto(surface, {w - r, 0, w, t}, strip, {x0 + fw - r, y0, x0 + fw, y0 + t});
    if (l > 0) StretchInto(surface, {0, t, l, h - b}, strip, {x0, y0 + t, x0 + l, y0 + fh - b});
    if (t > 0) StretchInto(surface, {l, 0, w - r, t}, strip, {x0 + l, y0, x0 + fw - r, y0 + t});
    if (withMiddle) {
        const Rect middle{l, t, w - r, h - b};
        const Rect source{x0 + l, y0 + t, x0 + fw - r, y0 + fh - b};
        if (tile && !source.IsEmpty()) {
            // Tiles running past the middle would be covered by the right column and bottom row,
            // so they are cut at the middle's edges straight away.
            TileInto(surface, middle, strip, source, middle);
        } else {
            StretchInto(surface, middle, strip, source);
        }
    }
    if (r > 0 && b > 0) StretchInto(surface, {w - r, h - b, w, h}, strip, {x0 + fw - r, y0 + fh - b, x0 + fw, y0 + fh});
    if (r > 0) StretchInto(surface, {w - r, t, w, h - b}, strip, {x0 + fw - r, y0 + t, x0 + fw, y0 + fh - b});
    if (b > 0) StretchInto(surface, {l, h - b, w - r, h}, strip, {x0 + l, y0 + fh - b, x0 + fw - r, y0 + fh});
}

}  // namespace internal

Bitmap BuildSkinImage(const Rect& target, const Bitmap& strip, const Rect& margins, bool vertical, bool tile,
                      int frameCount, int frameNumber) {
    if (target.IsEmpty() || !Usable(target) || !Bitmap::SizeAllowed(target.Width(), target.Height())) return {};
    Bitmap image(target.Width(), target.Height());
    if (strip.Empty() || frameCount < 1 || !UsableMargins(margins)) return image;
    const Rect frame = SkinFrameRect(strip, vertical, frameCount, frameNumber);
    internal::NineSlice(internal::Surface{image, 0, 0, image.Bounds()}, image.Width(), image.Height(), strip, frame,
                        margins, tile, true);
    return image;
}

void DrawSkinObject(Bitmap& dest, const Rect& target, const Bitmap& strip, bool vertical, bool tile, bool transparent,
                    int frameCount, int frameNumber, const Rect& margins) {
    if (!Drawable(target, strip, frameCount) || !UsableMargins(margins)) return;
    const Rect frame = SkinFrameRect(strip, vertical, frameCount, frameNumber);
    Place(dest, target, transparent, [&](const internal::Surface& surface) {
        internal::NineSlice(surface, target.Width(), target.Height(), strip, frame, margins, tile, true);
    });
}

void DrawSkinBorder(Bitmap& dest, const Rect& target, const Bitmap& strip, bool vertical, int frameCount,
                    int frameNumber, const Rect& margins) {
    if (!Drawable(target, strip, frameCount) || !UsableMargins(margins)) return;
    const Rect frame = SkinFrameRect(strip, vertical, frameCount, frameNumber);
    Place(dest, target, false, [&](const internal::Surface& surface) {
        internal::NineSlice(surface, target.Width(), target.Height(), strip, frame, margins, false, false);
    });
}

void TileImage(Bitmap& dest, const Rect& target, const Bitmap& source, const Rect& sourceRect) {
    if (target.IsEmpty() || sourceRect.IsEmpty() || !Usable(target) || !Usable(sourceRect)) return;
    // The last row and column of tiles are whole: the tiled area is rounded up to full tiles.
    const int tileW = sourceRect.Width(), tileH = sourceRect.Height();
    const std::int64_t columns = (std::int64_t{target.Width()} + tileW - 1) / tileW;
    const std::int64_t rows = (std::int64_t{target.Height()} + tileH - 1) / tileH;
    const std::int64_t right = target.Left + columns * tileW;
    const std::int64_t bottom = target.Top + rows * tileH;
    const Rect extent{target.Left, target.Top, static_cast<int>(std::min<std::int64_t>(right, kMaxCoordinate)),
                      static_cast<int>(std::min<std::int64_t>(bottom, kMaxCoordinate))};
    const Rect local{0, 0, extent.Width(), extent.Height()};
    internal::TileInto(internal::SurfaceFor(dest, extent), local, source, sourceRect, local);
}

void DrawSkinStrip(Bitmap& dest, const Rect& target, const Bitmap& strip, bool vertical, bool transparent,
                   int frameCount, int frameNumber, const Rect& margins) {
    if (!Drawable(target, strip, frameCount) || !UsableMargins(margins)) return;
    const Rect frame = SkinFrameRect(strip, vertical, frameCount, frameNumber);
    const int w = target.Width(), h = target.Height();
    const int l = margins.Left, r = margins.Right;
    const int x0 = frame.Left, y0 = frame.Top, fw = frame.Width(), fh = frame.Height();
    Place(dest, target, transparent, [&](const internal::Surface& surface) {
        // Unlike the nine-part scaling the caps never collapse; the right cap is drawn last.
        internal::StretchInto(surface, {0, 0, l, h}, strip, {x0, y0, x0 + l, y0 + fh});
        const int m = fw - l - r;
        if (m > 0) {
            // Pieces m wide repeat across and stretch vertically; only those that can be seen are
            // drawn (the surface clips the rest).
            const Rect clip = surface.Clip.Offset(-surface.OriginX, -surface.OriginY);
            int x = l;
            if (clip.Left > l) x = l + (clip.Left - l) / m * m;
            for (; x < w - r && x < clip.Right; x += m)
                internal::StretchInto(surface, {x, 0, x + m, h}, strip, {x0 + l, y0, x0 + l + m, y0 + fh});
        }
        internal::StretchInto(surface, {w - r, 0, w, h}, strip, {x0 + fw - r, y0, x0 + fw, y0 + fh});
    });
}

void DrawSkinFrame(Bitmap& dest, const Rect& target, const Bitmap& strip, bool transparent, int frameCount,
                   int frameNumber) {
    if (!Drawable(target, strip, frameCount)) return;
    const Rect frame = SkinFrameRect(strip, false, frameCount, frameNumber);
    Place(dest, target, transparent, [&](const internal::Surface& surface) {
        internal::StretchInto(surface, {0, 0, target.Width(), target.Height()}, strip, frame);
    });
}

void DrawSkinGlyph(Bitmap& dest, const Rect& target, const Bitmap& strip, bool transparent, int frameCount,
                   int frameNumber) {
    // A target of zero size still receives the glyph centred on it; only a negative one does not.
    if (!Usable(target) || target.Width() < 0 || target.Height() < 0 || strip.Empty() || frameCount < 1) return;
    const Rect frame = SkinFrameRect(strip, false, frameCount, frameNumber);
    if (frame.IsEmpty()) return;
    const int x = target.Left + (target.Width() - frame.Width()) / 2;
    const int y = target.Top + (target.Height() - frame.Height()) / 2;
    const Rect placed{x, y, x + frame.Width(), y + frame.Height()};
    Place(dest, placed, transparent, [&](const internal::Surface& surface) {
        internal::StretchInto(surface, {0, 0, frame.Width(), frame.Height()}, strip, frame);
    });
}

void TransparentBlit(Bitmap& dest, const Rect& target, const Bitmap& source, std::uint32_t keyColor) {
    if (target.IsEmpty() || !Usable(target)) return;
    internal::CopyPixelsKeyed(dest, target.Left, target.Top, source, Rect{0, 0, target.Width(), target.Height()},
                              ColorToPixel(keyColor));
}

}  // namespace skin
