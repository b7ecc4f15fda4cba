#include "skin/data/win/skin_image_dc.h"

#include <algorithm>
#include <vector>

#include "skin/data/skin_image.h"
#include "base/win/dib_section.h"
#include "base/win/handles.h"

namespace skin {

namespace {

constexpr DWORD kKeepDestination = 0x00AA0029;

// The part of `area` (logical coordinates) that the DC can show; `area` itself when the DC
// reports no clip box.
Rect VisiblePart(HDC dc, const Rect& area) {
    RECT clip{};
    const int kind = ::GetClipBox(dc, &clip);
    if (kind == ERROR) return area;
    if (kind == NULLREGION) return {};
    return Intersect(area, Rect{clip.left, clip.top, clip.right, clip.bottom});
}

// The pixels under `visible` (logical coordinates) when `dc` is a memory DC holding a 32-bit
// top-down DIB section that the skin primitives can write straight into: plain text mapping, no
// mirroring, and a clip that is one rectangle (writing to memory does not go through GDI's clip).
// What GDI still has to draw on the DC is flushed first. Empty when any of this does not hold.
Bitmap DirectPixels(HDC dc, const Rect& visible) {
    if (::GetObjectType(dc) != OBJ_MEMDC || ::GetMapMode(dc) != MM_TEXT || ::GetGraphicsMode(dc) != GM_COMPATIBLE ||
        ::GetLayout(dc) != 0)
        return {};
    RECT clip{};
    if (::GetClipBox(dc, &clip) != SIMPLEREGION) return {};
    DIBSECTION section{};
    const auto bitmap = static_cast<HBITMAP>(::GetCurrentObject(dc, OBJ_BITMAP));
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section)) return {};
    const BITMAP& bits = section.dsBm;
    if (bits.bmBits == nullptr || bits.bmBitsPixel != 32 || section.dsBmih.biHeight >= 0 || bits.bmWidthBytes % 4 != 0)
        return {};
    POINT at{visible.Left, visible.Top};
    if (!::LPtoDP(dc, &at, 1)) return {};
    if (at.x < 0 || at.y < 0 || at.x + visible.Width() > bits.bmWidth || at.y + visible.Height() > bits.bmHeight)
        return {};
    ::GdiFlush();
    const int stride = bits.bmWidthBytes / 4;
    auto* first = static_cast<Pixel*>(bits.bmBits) + static_cast<std::ptrdiff_t>(at.y) * stride + at.x;
    return Bitmap::View(first, visible.Width(), visible.Height(), stride);
}

// Renders the visible part of `area` with `render(pixels, areaInPixels)`: straight into the DC's
// own pixels where it has them (a paint buffer, a kept picture), else into a scratch bitmap put
// on the DC in one blit (keyed on magenta when transparent).
template <typename Render>
void DrawThroughScratch(HDC dc, const Rect& area, bool transparent, Render&& render) {
    if (!WithinDrawRange(area) || area.Width() < 0 || area.Height() < 0) return;
    const Rect visible = VisiblePart(dc, area);
    if (visible.IsEmpty() || !Bitmap::SizeAllowed(visible.Width(), visible.Height())) return;
    const Rect inPixels = area.Offset(-visible.Left, -visible.Top);
    Bitmap direct = DirectPixels(dc, visible);
    if (!direct.Empty() && !transparent) {
        direct.Fill(0);  // what the render leaves uncovered is black, as from the scratch
        render(direct, inPixels);
        return;
    }
    Bitmap scratch(visible.Width(), visible.Height());
    render(scratch, inPixels);
    if (!direct.Empty()) {
        const Pixel key = ColorToPixel(kSkinTransparentColor);
        for (int y = 0; y < scratch.Height(); ++y) {
            const Pixel* from = scratch.Row(y);
            Pixel* to = direct.Row(y);
            for (int x = 0; x < scratch.Width(); ++x)
                if ((from[x] & 0x00FFFFFFu) != key) to[x] = from[x];
        }
        return;
    }
    if (transparent) {
        TransparentBlit(dc, visible, scratch, kSkinTransparentColor);
    } else {
        DrawBitmap(dc, visible.Left, visible.Top, scratch);
    }
}

// A monochrome bitmap with 1 where the source pixel has the key color.
base::win::UniqueHBitmap MakeKeyMask(const Bitmap& source, int width, int height, Pixel key) {
    const int rowBytes = (width + 15) / 16 * 2;  // CreateBitmap rows are WORD aligned
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const Pixel* row = source.Row(y);
        std::uint8_t* out = bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rowBytes);
        for (int x = 0; x < width; ++x)
            if ((row[x] & 0x00FFFFFFu) == key) out[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
    }
    return base::win::UniqueHBitmap(::CreateBitmap(width, height, 1, 1, bits.data()));
}

}  // namespace

bool DrawBitmapRect(HDC dc, int x, int y, const Bitmap& bitmap, const Rect& sourceRect) {
    if (!WithinDrawRange(sourceRect) || !WithinDrawRange(x) || !WithinDrawRange(y)) return false;
    const Rect src = Intersect(sourceRect, bitmap.Bounds());
    if (src.IsEmpty()) return true;
    x += src.Left - sourceRect.Left;
    y += src.Top - sourceRect.Top;
    // Pass the rows of `src` as a top-down DIB of their own, so no scan-line origin rules apply.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.Stride();
    info.bmiHeader.biHeight = -src.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const Pixel* first = bitmap.Row(src.Top);
    const int lines =
        ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(src.Width()), static_cast<DWORD>(src.Height()), src.Left, 0, 0,
                            static_cast<UINT>(src.Height()), first, &info, DIB_RGB_COLORS);
    return lines > 0;
}

bool DrawBitmap(HDC dc, int x, int y, const Bitmap& bitmap) {
    return DrawBitmapRect(dc, x, y, bitmap, bitmap.Bounds());
}

void TransparentBlit(HDC dc, const Rect& target, const Bitmap& source, std::uint32_t keyColor) {
    if (!WithinDrawRange(target) || target.Width() < 0 || target.Height() < 0) return;
    // The bitmap's top-left target-sized part; nothing exists beyond the bitmap.
    const int width = std::min(target.Width(), source.Width());
    const int height = std::min(target.Height(), source.Height());
    if (width <= 0 || height <= 0) return;
    base::win::DibSection image = base::win::DibSection::FromBitmap(
        source.Width() == width && source.Height() == height ? source : source.Crop({0, 0, width, height}), dc);
    base::win::UniqueHBitmap mask = MakeKeyMask(source, width, height, ColorToPixel(keyColor));
    if (!mask) return;
    ::MaskBlt(dc, target.Left, target.Top, width, height, image.Dc(), 0, 0, mask.Get(), 0, 0,
              MAKEROP4(kKeepDestination, SRCCOPY));
}

void DrawSkinObject(HDC dc, const Rect& target, const Bitmap& strip, bool vertical, bool tile, bool transparent,
                    int frameCount, int frameNumber, const Rect& margins) {
    if (strip.Empty() || frameCount < 1) return;
    DrawThroughScratch(dc, target, transparent, [&](Bitmap& scratch, const Rect& at) {
        DrawSkinObject(scratch, at, strip, vertical, tile, false, frameCount, frameNumber, margins);
    });
}

void DrawSkinStrip(HDC dc, const Rect& target, const Bitmap& strip, bool vertical, bool transparent, int frameCount,
                   int frameNumber, const Rect& margins) {
    if (strip.Empty() || frameCount < 1) return;
    DrawThroughScratch(dc, target, transparent, [&](Bitmap& scratch, const Rect& at) {
        DrawSkinStrip(scratch, at, strip, vertical, false, frameCount, frameNumber, margins);
    });
}

void DrawSkinFrame(HDC dc, const Rect& target, const Bitmap& strip, bool transparent, int frameCount, int frameNumber) {
    if (strip.Empty() || frameCount < 1) return;
    DrawThroughScratch(dc, target, transparent, [&](Bitmap& scratch, const Rect& at) {
        DrawSkinFrame(scratch, at, strip, false, frameCount, frameNumber);
    });
}

void DrawSkinGlyph(HDC dc, const Rect& target, const Bitmap& strip, bool transparent, int frameCount, int frameNumber) {
    if (!WithinDrawRange(target) || target.Width() < 0 || target.Height() < 0 || strip.Empty() || frameCount < 1)
        return;
    const Rect frame = SkinFrameRect(strip, false, frameCount, frameNumber);
    if (frame.IsEmpty()) return;
    const int x = target.Left + (target.Width() - frame.Width()) / 2;
    const int y = target.Top + (target.Height() - frame.Height()) / 2;
    const Rect placed{x, y, x + frame.Width(), y + frame.Height()};
    DrawThroughScratch(dc, placed, transparent, [&](Bitmap& scratch, const Rect& at) {
        DrawSkinGlyph(scratch, at, strip, false, frameCount, frameNumber);
    });
}

void DrawSkinBorder(HDC dc, const Rect& target, const Bitmap& strip, bool vertical, int frameCount, int frameNumber,
                    const Rect& margins) {
    if (target.IsEmpty() || !WithinDrawRange(target) || strip.Empty() || frameCount < 1) return;
    if (margins.Left < 0 || margins.Top < 0 || margins.Right < 0 || margins.Bottom < 0) return;
    const Rect visible = VisiblePart(dc, target);
    if (visible.IsEmpty() || !Bitmap::SizeAllowed(visible.Width(), visible.Height())) return;
    Bitmap scratch(visible.Width(), visible.Height());
    const Rect at = target.Offset(-visible.Left, -visible.Top);
    DrawSkinBorder(scratch, at, strip, vertical, frameCount, frameNumber, margins);
    // Only the four bands that hold the eight outer parts go to the DC.
    const int w = target.Width(), h = target.Height();
    int l = margins.Left, t = margins.Top, r = margins.Right, b = margins.Bottom;
    if (w < l + r) l = r = 0;
    if (h < t + b) t = b = 0;
    const Rect bands[] = {{0, 0, w, t}, {0, h - b, w, h}, {0, t, l, h - b}, {w - r, t, w, h - b}};
    for (const Rect& band : bands) {
        const Rect part = Intersect(band.Offset(at.Left, at.Top), scratch.Bounds());
        if (!part.IsEmpty()) DrawBitmapRect(dc, visible.Left + part.Left, visible.Top + part.Top, scratch, part);
    }
}

}  // namespace skin
