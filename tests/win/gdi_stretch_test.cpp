// The portable nearest-neighbour stretch against GDI's StretchBlt in COLORONCOLOR mode.

#include <gtest/gtest.h>

#include "skin/data/skin_image.h"
#include "base/win/dib_section.h"
#include "base/win/handles.h"

namespace skin {
namespace {

// Each pixel names its coordinates, so any difference shows which source pixel was picked.
Bitmap Numbered(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.At(x, y) = MakePixel(7, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y));
    return b;
}

TEST(GdiStretch, PortableStretchPicksTheSamePixelsAsStretchBlt) {
    for (int sw = 1; sw <= 21; sw += 2)
        for (int dw = 1; dw <= 34; dw += 3) {
            const int sh = 1 + (sw * 7 + dw) % 13, dh = 1 + (dw * 5 + sw) % 19;
            const Bitmap source = Numbered(sw, sh);
            base::win::DibSection src = base::win::DibSection::FromBitmap(source);
            base::win::DibSection gdi(dw, dh);
            {
                base::win::ScopedStretchMode mode(gdi.Dc(), COLORONCOLOR);
                ASSERT_TRUE(::StretchBlt(gdi.Dc(), 0, 0, dw, dh, src.Dc(), 0, 0, sw, sh, SRCCOPY));
            }
            Bitmap portable(dw, dh);
            StretchBitmap(portable, portable.Bounds(), source, source.Bounds());
            ASSERT_TRUE(gdi.Pixels() == portable) << sw << "x" << sh << " -> " << dw << "x" << dh;
        }
}

// Source rectangles inside the source bitmap: GDI cuts a source rectangle at the bitmap's edge and
// scales the destination with it, while the portable stretch reads black there, so only in-bounds
// sources are compared.
TEST(GdiStretch, SubRectanglesAtOffsetsAgree) {
    const Bitmap source = Numbered(40, 30);
    base::win::DibSection src = base::win::DibSection::FromBitmap(source);
    const Rect cases[][2] = {
        {{3, 4, 20, 9}, {5, 6, 11, 28}}, {{1, 1, 38, 29}, {0, 0, 40, 7}}, {{10, 2, 13, 27}, {2, 3, 9, 9}}};
    for (const auto& c : cases) {
        const Rect dst = c[0], from = c[1];
        base::win::DibSection gdi(40, 30);
        Bitmap portable(40, 30);
        {
            base::win::ScopedStretchMode mode(gdi.Dc(), COLORONCOLOR);
            ::StretchBlt(gdi.Dc(), dst.Left, dst.Top, dst.Width(), dst.Height(), src.Dc(), from.Left, from.Top,
                         from.Width(), from.Height(), SRCCOPY);
        }
        StretchBitmap(portable, dst, source, from);
        EXPECT_TRUE(gdi.Pixels() == portable) << dst.Left << "," << dst.Top;
    }
}

}  // namespace
}  // namespace skin
