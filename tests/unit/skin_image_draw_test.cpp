#include <gtest/gtest.h>

#include <cstdint>

#include "skin/data/skin_image.h"
#include "unit/skin_image_test_support.h"

namespace skin {
namespace {

using testing::Coord;
using testing::CoordImage;
using testing::FrameStrip;
using testing::GuardedCanvas;

constexpr Pixel kBack = 0x00123456u;  // GuardedCanvas fill

TEST(SkinImageStrip, CapsKeepTheirWidthAndTheMiddleRepeats) {
    // Frame 10 x 4 with L = 2, R = 3: middle pieces are 5 wide and stretch vertically.
    const Bitmap strip = FrameStrip(10, 4, 2, true);
    GuardedCanvas canvas(20, 8);
    DrawSkinStrip(canvas.Dest(), {0, 0, 17, 8}, strip, true, false, 2, 2, {2, 99, 3, 99});
    EXPECT_TRUE(canvas.Intact());
    const Bitmap& d = canvas.Dest();
    for (int y = 0; y < 8; ++y) {
        const int sy = y / 2;  // 4 rows stretched to 8
        EXPECT_EQ(d.At(0, y), Coord(2, 0, sy));
        EXPECT_EQ(d.At(1, y), Coord(2, 1, sy));
        for (int x = 2; x < 14; ++x) EXPECT_EQ(d.At(x, y), Coord(2, 2 + (x - 2) % 5, sy)) << x;
        for (int x = 14; x < 17; ++x) EXPECT_EQ(d.At(x, y), Coord(2, 7 + (x - 14), sy)) << x;
        EXPECT_EQ(d.At(17, y), kBack);
    }
}

TEST(SkinImageStrip, RightCapIsDrawnOverTheLeftCapOnANarrowTarget) {
    const Bitmap strip = FrameStrip(10, 2, 1, false);
    GuardedCanvas canvas(6, 2);
    DrawSkinStrip(canvas.Dest(), {0, 0, 4, 2}, strip, false, false, 1, 1, {3, 0, 3, 0});
    EXPECT_TRUE(canvas.Intact());
    // Left cap covers 0..2, right cap 1..3 and wins where they overlap.
    EXPECT_EQ(canvas.Dest().At(0, 0), Coord(1, 0, 0));
    EXPECT_EQ(canvas.Dest().At(1, 0), Coord(1, 7, 0));
    EXPECT_EQ(canvas.Dest().At(3, 1), Coord(1, 9, 1));
    EXPECT_EQ(canvas.Dest().At(4, 0), kBack);

    // Caps wider than the frame leave no middle and read black outside the strip.
    GuardedCanvas wide(24, 2);
    DrawSkinStrip(wide.Dest(), {0, 0, 24, 2}, strip, false, false, 1, 1, {12, 0, 12, 0});
    EXPECT_TRUE(wide.Intact());
    EXPECT_EQ(wide.Dest().At(9, 0), Coord(1, 9, 0));
    EXPECT_EQ(wide.Dest().At(10, 0), 0u);  // left cap past the strip's right end
    EXPECT_EQ(wide.Dest().At(12, 0), 0u);  // right cap starts 2 pixels left of the strip
    EXPECT_EQ(wide.Dest().At(14, 0), Coord(1, 0, 0));
}

TEST(SkinImageStrip, TransparentStripLeavesMagentaPixels) {
    Bitmap strip(3, 1);
    strip.At(0, 0) = kMagenta;
    strip.At(1, 0) = 0x00000001u;
    strip.At(2, 0) = kMagenta;
    GuardedCanvas canvas(6, 1);
    DrawSkinStrip(canvas.Dest(), {0, 0, 6, 1}, strip, false, true, 1, 1, {1, 0, 1, 0});
    EXPECT_TRUE(canvas.Intact());
    EXPECT_EQ(canvas.Dest().At(0, 0), kBack);
    for (int x = 1; x < 5; ++x) EXPECT_EQ(canvas.Dest().At(x, 0), 0x00000001u);
    EXPECT_EQ(canvas.Dest().At(5, 0), kBack);
}

TEST(SkinImageBorder, DrawsTheEightOuterPartsAndNeverTheMiddle) {
    const Bitmap strip = FrameStrip(9, 9, 1, false);
    const Rect target{2, 1, 18, 15};
    const Rect margins{3, 2, 4, 3};
    const Bitmap whole = BuildSkinImage(target, strip, margins, false, false, 1, 1);
    GuardedCanvas canvas(20, 16);
    DrawSkinBorder(canvas.Dest(), target, strip, false, 1, 1, margins);
    EXPECT_TRUE(canvas.Intact());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inTarget = target.Contains(x, y);
            const bool inMiddle = x >= 5 && x < 14 && y >= 3 && y < 12;
            const Pixel expected = inTarget && !inMiddle ? whole.At(x - 2, y - 1) : kBack;
            EXPECT_EQ(canvas.Dest().At(x, y), expected) << x << "," << y;
        }
}

TEST(SkinImageFrame, StretchesTheWholeFrameWithoutMargins) {
    const Bitmap strip = FrameStrip(4, 3, 3, false);
    GuardedCanvas canvas(10, 8);
    DrawSkinFrame(canvas.Dest(), {1, 1, 9, 7}, strip, false, 3, 3);
    EXPECT_TRUE(canvas.Intact());
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 9; ++x)
            EXPECT_EQ(canvas.Dest().At(x, y),
                      Coord(3, StretchSourceColumn(x - 1, 4, 8), StretchSourceRow(y - 1, 3, 6)));
    EXPECT_EQ(canvas.Dest().At(0, 0), kBack);
    EXPECT_EQ(canvas.Dest().At(9, 7), kBack);
}

TEST(SkinImageGlyph, CentresTheFrameUnscaledEvenWhenLargerThanTheTarget) {
    const Bitmap strip = FrameStrip(4, 4, 2, false);
    GuardedCanvas canvas(12, 12);
    DrawSkinGlyph(canvas.Dest(), {0, 0, 9, 9}, strip, false, 2, 2);  // (9 - 4) / 2 = 2
    EXPECT_TRUE(canvas.Intact());
    EXPECT_EQ(canvas.Dest().At(1, 1), kBack);
    EXPECT_EQ(canvas.Dest().At(2, 2), Coord(2, 0, 0));
    EXPECT_EQ(canvas.Dest().At(5, 5), Coord(2, 3, 3));
    EXPECT_EQ(canvas.Dest().At(6, 6), kBack);

    // A 4-wide glyph in a 1-wide target: (1 - 4) / 2 truncates to -1, so it starts one pixel left.
    GuardedCanvas small(12, 12);
    DrawSkinGlyph(small.Dest(), {5, 5, 6, 6}, strip, false, 2, 1);
    EXPECT_TRUE(small.Intact());
    EXPECT_EQ(small.Dest().At(4, 4), Coord(1, 0, 0));
    EXPECT_EQ(small.Dest().At(7, 7), Coord(1, 3, 3));
    EXPECT_EQ(small.Dest().At(3, 3), kBack);

    // Glyphs cut by the destination's edge; a negative target draws nothing.
    GuardedCanvas edge(3, 3);
    DrawSkinGlyph(edge.Dest(), {-3, -3, 1, 1}, strip, false, 2, 1);
    DrawSkinGlyph(edge.Dest(), {2, 2, 0, 0}, strip, false, 2, 1);
    EXPECT_TRUE(edge.Intact());
    EXPECT_EQ(edge.Dest().At(0, 0), Coord(1, 3, 3));
    EXPECT_EQ(edge.Dest().At(1, 1), kBack);
}

TEST(SkinImageBlit, TransparentBlitCopiesTheTopLeftPartAndKeepsKeyPixels) {
    Bitmap source = CoordImage(4, 4, 9);
    source.At(1, 1) = kMagenta;
    source.At(2, 1) = 0xAAFF00FFu;  // magenta with something in the unused byte: still the key
    source.At(0, 1) = 0x00FE00FFu;
    GuardedCanvas canvas(5, 5);
    TransparentBlit(canvas.Dest(), {2, 2, 5, 4}, source, kMagenta);
    EXPECT_TRUE(canvas.Intact());
    const Bitmap& d = canvas.Dest();
    EXPECT_EQ(d.At(2, 2), Coord(9, 0, 0));
    EXPECT_EQ(d.At(4, 2), Coord(9, 2, 0));
    EXPECT_EQ(d.At(2, 3), 0x00FE00FFu);
    EXPECT_EQ(d.At(3, 3), kBack);
    EXPECT_EQ(d.At(4, 3), kBack);
    EXPECT_EQ(d.At(2, 4), kBack);  // below the target's 2 rows
    EXPECT_EQ(d.At(1, 2), kBack);

    // Any key color, given as a color value (0x00BBGGRR).
    GuardedCanvas keyed(2, 1);
    Bitmap pair(2, 1);
    pair.At(0, 0) = MakePixel(0x10, 0x20, 0x30);
    pair.At(1, 0) = MakePixel(0x30, 0x20, 0x10);
    TransparentBlit(keyed.Dest(), {0, 0, 2, 1}, pair, 0x00302010u);
    EXPECT_EQ(keyed.Dest().At(0, 0), kBack);
    EXPECT_EQ(keyed.Dest().At(1, 0), MakePixel(0x30, 0x20, 0x10));

    // Targets larger than the source copy what exists; negative targets copy nothing.
    GuardedCanvas big(8, 8);
    TransparentBlit(big.Dest(), {-2, -2, 30, 30}, pair, kMagenta);
    TransparentBlit(big.Dest(), {4, 4, 3, 3}, pair, kMagenta);
    EXPECT_TRUE(big.Intact());
    EXPECT_EQ(big.Dest().At(0, 0), kBack);
}

TEST(SkinImageTile, RepeatsFromTheTargetCornerAndRunsPastItsEdges) {
    const Bitmap source = CoordImage(6, 6, 4);
    GuardedCanvas canvas(12, 12);
    TileImage(canvas.Dest(), {1, 1, 8, 6}, source, {1, 2, 4, 4});  // tiles 3 x 2
    EXPECT_TRUE(canvas.Intact());
    const Bitmap& d = canvas.Dest();
    // Columns 1..9 (three tiles, the last past the target's right at 8), rows 1..6.
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool tiled = x >= 1 && x < 10 && y >= 1 && y < 7;
            const Pixel expected = tiled ? Coord(4, 1 + (x - 1) % 3, 2 + (y - 1) % 2) : kBack;
            EXPECT_EQ(d.At(x, y), expected) << x << "," << y;
        }

    // A source rectangle of no area draws nothing; one partly outside the source reads black.
    GuardedCanvas other(6, 2);
    TileImage(other.Dest(), {0, 0, 6, 2}, source, {3, 3, 3, 5});
    EXPECT_EQ(other.Dest().At(0, 0), kBack);
    TileImage(other.Dest(), {0, 0, 6, 2}, source, {5, 0, 7, 1});
    EXPECT_TRUE(other.Intact());
    EXPECT_EQ(other.Dest().At(0, 0), Coord(4, 5, 0));
    EXPECT_EQ(other.Dest().At(1, 0), 0u);
    EXPECT_EQ(other.Dest().At(2, 1), Coord(4, 5, 0));
}

TEST(SkinImageCopy, StretchAndCopyClipToBothBitmaps) {
    const Bitmap source = CoordImage(5, 5, 3);
    GuardedCanvas canvas(6, 6);
    StretchBitmap(canvas.Dest(), {-4, -4, 6, 6}, source, {0, 0, 5, 5});  // 5 -> 10, partly off
    EXPECT_TRUE(canvas.Intact());
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.Dest().At(x, y),
                      Coord(3, StretchSourceColumn(x + 4, 5, 10), StretchSourceRow(y + 4, 5, 10)));

    GuardedCanvas copy(6, 6);
    CopyBitmapRect(copy.Dest(), 3, -1, source, {-2, 0, 3, 3});
    EXPECT_TRUE(copy.Intact());
    EXPECT_EQ(copy.Dest().At(5, 0), Coord(3, 0, 1));
    EXPECT_EQ(copy.Dest().At(4, 0), kBack);  // from x = -1 of the source: nothing
    EXPECT_EQ(copy.Dest().At(5, 1), Coord(3, 0, 2));
    EXPECT_EQ(copy.Dest().At(5, 2), kBack);
}

TEST(SkinImageLimits, ExtremeRectanglesAndDegenerateSourcesDrawNothingAndNeverOverflow) {
    const Bitmap strip = FrameStrip(4, 4, 1, false);
    const Bitmap noColumns(0, 9);  // rows without pixels
    const Rect extreme{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    const Rect beyond{-kMaxDrawCoordinate, 0, 4, 4};
    GuardedCanvas canvas(8, 8);
    const Bitmap before = canvas.Dest();
    for (const Rect& target : {extreme, beyond}) {
        DrawSkinObject(canvas.Dest(), target, strip, false, true, true, 1, 1, {1, 1, 1, 1});
        DrawSkinStrip(canvas.Dest(), target, strip, false, false, 1, 1, {1, 1, 1, 1});
        DrawSkinBorder(canvas.Dest(), target, strip, false, 1, 1, {1, 1, 1, 1});
        DrawSkinFrame(canvas.Dest(), target, strip, false, 1, 1);
        DrawSkinGlyph(canvas.Dest(), target, strip, false, 1, 1);
        TransparentBlit(canvas.Dest(), target, strip, kMagenta);
        TileImage(canvas.Dest(), target, strip, {0, 0, 2, 2});
        TileImage(canvas.Dest(), {0, 0, 8, 8}, strip, target);
        StretchBitmap(canvas.Dest(), target, strip, strip.Bounds());
        CopyBitmapRect(canvas.Dest(), 0, 0, strip, target);
        EXPECT_TRUE(BuildSkinImage(target, strip, {}, false, false, 1, 1).Empty());
    }
    DrawSkinObject(canvas.Dest(), {0, 0, 8, 8}, strip, false, false, false, 1, INT32_MIN, {});
    EXPECT_TRUE(CreateRegionFromBitmap(strip, INT32_MAX, 0, 0, 0, 0, kMagenta).empty());
    EXPECT_TRUE(canvas.Dest() == Bitmap(8, 8, 0));  // the frame far outside the strip reads black
    EXPECT_TRUE(canvas.Intact());
    EXPECT_FALSE(before == canvas.Dest());

    // A source with rows but no columns reads black wherever it is asked for.
    GuardedCanvas tiled(6, 3);
    TileImage(tiled.Dest(), {0, 0, 6, 3}, noColumns, {2, 0, 5, 2});
    EXPECT_TRUE(tiled.Intact());
    EXPECT_EQ(tiled.Dest().At(5, 2), 0u);
    StretchBitmap(tiled.Dest(), {0, 0, 6, 3}, noColumns, {0, 0, 3, 3});
    EXPECT_TRUE(tiled.Intact());
}

}  // namespace
}  // namespace skin
