#include <gtest/gtest.h>

#include <random>

#include "skin/data/skin_image.h"
#include "unit/skin_image_test_support.h"

namespace skin {
namespace {

using testing::Coord;
using testing::FrameStrip;
using testing::GuardedCanvas;

// The nine-part scaling painted the plain way: each part in the documented order onto a black
// image, pixel by pixel; the tiled middle repeats whole tiles from its top-left corner (cut only by
// the image), and the right column and bottom row are painted over it afterwards.
Bitmap ReferenceNineSlice(int w, int h, const Bitmap& strip, Rect m, bool vertical, bool tile, int count, int number) {
    Bitmap image(w, h, 0);
    const int fw = vertical ? strip.Width() : strip.Width() / count;
    const int fh = vertical ? strip.Height() / count : strip.Height();
    const int x0 = vertical ? 0 : (number - 1) * fw;
    const int y0 = vertical ? (number - 1) * fh : 0;
    int l = m.Left, t = m.Top, r = m.Right, b = m.Bottom;
    if (w < l + r) l = r = 0;
    if (h < t + b) t = b = 0;
    const auto stretch = [&](Rect d, Rect s) {
        for (int y = d.Top; y < d.Bottom; ++y)
            for (int x = d.Left; x < d.Right; ++x) {
                if (!image.Contains(x, y)) continue;
                Pixel p = 0;
                if (!s.IsEmpty()) {
                    const int sx = s.Left + StretchSourceColumn(x - d.Left, s.Width(), d.Width());
                    const int sy = s.Top + StretchSourceRow(y - d.Top, s.Height(), d.Height());
                    p = strip.Get(sx, sy, 0);
                }
                image.At(x, y) = p;
            }
    };
    const auto tileOver = [&](Rect d, Rect s) {
        if (s.IsEmpty()) return;
        for (int ty = d.Top; ty < d.Bottom; ty += s.Height())
            for (int tx = d.Left; tx < d.Right; tx += s.Width())
                for (int y = 0; y < s.Height(); ++y)
                    for (int x = 0; x < s.Width(); ++x)
                        if (image.Contains(tx + x, ty + y))
                            image.At(tx + x, ty + y) = strip.Get(s.Left + x, s.Top + y, 0);
    };
    if (l * t > 0) stretch({0, 0, l, t}, {x0, y0, x0 + l, y0 + t});
    if (l * b > 0) stretch({0, h - b, l, h}, {x0, y0 + fh - b, x0 + l, y0 + fh});
    if (r * t > 0) stretch({w - r, 0, w, t}, {x0 + fw - r, y0, x0 + fw, y0 + t});
    if (l > 0) stretch({0, t, l, h - b}, {x0, y0 + t, x0 + l, y0 + fh - b});
    if (t > 0) stretch({l, 0, w - r, t}, {x0 + l, y0, x0 + fw - r, y0 + t});
    if (tile) {
        tileOver({l, t, w - r, h - b}, {x0 + l, y0 + t, x0 + fw - r, y0 + fh - b});
    } else {
        stretch({l, t, w - r, h - b}, {x0 + l, y0 + t, x0 + fw - r, y0 + fh - b});
    }
    if (r * b > 0) stretch({w - r, h - b, w, h}, {x0 + fw - r, y0 + fh - b, x0 + fw, y0 + fh});
    if (r > 0) stretch({w - r, t, w, h - b}, {x0 + fw - r, y0 + t, x0 + fw, y0 + fh - b});
    if (b > 0) stretch({l, h - b, w - r, h}, {x0 + l, y0 + fh - b, x0 + fw - r, y0 + fh});
    return image;
}

TEST(SkinImageNineSlice, KeepsCornersAndStretchesTheMiddle) {
    // A 20 x 20 target with margins 5 from a 12 x 12 frame: 5-pixel corners, the 2 x 2 middle
    // becomes 10 x 10, edges stretch along one axis.
    const Bitmap strip = FrameStrip(12, 12, 1, false);
    const Bitmap image = BuildSkinImage({0, 0, 20, 20}, strip, {5, 5, 5, 5}, false, false, 1, 1);
    ASSERT_EQ(image.Width(), 20);
    ASSERT_EQ(image.Height(), 20);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(image.At(x, y), Coord(1, x, y));
            EXPECT_EQ(image.At(15 + x, y), Coord(1, 7 + x, y));
            EXPECT_EQ(image.At(x, 15 + y), Coord(1, x, 7 + y));
            EXPECT_EQ(image.At(15 + x, 15 + y), Coord(1, 7 + x, 7 + y));
        }
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x) {
            const int sx = 5 + (x - 5) / 5, sy = 5 + (y - 5) / 5;  // each middle pixel becomes 5 x 5
            EXPECT_EQ(image.At(x, y), Coord(1, sx, sy)) << x << "," << y;
        }
    for (int i = 5; i < 15; ++i) {
        EXPECT_EQ(image.At(i, 0), Coord(1, 5 + (i - 5) / 5, 0));  // top edge: stretched across
        EXPECT_EQ(image.At(0, i), Coord(1, 0, 5 + (i - 5) / 5));  // left edge: stretched down
        EXPECT_EQ(image.At(19, i), Coord(1, 11, 5 + (i - 5) / 5));
        EXPECT_EQ(image.At(i, 19), Coord(1, 5 + (i - 5) / 5, 11));
    }
}

TEST(SkinImageNineSlice, NarrowTargetDropsLeftAndRightButKeepsTopAndBottom) {
    const Bitmap strip = FrameStrip(12, 12, 1, false);
    const Bitmap image = BuildSkinImage({0, 0, 8, 20}, strip, {5, 3, 5, 3}, false, false, 1, 1);
    ASSERT_EQ(image.Width(), 8);
    for (int x = 0; x < 8; ++x) {
        const int sx = StretchSourceColumn(x, 12, 8);  // the whole frame width squeezed into 8
        EXPECT_EQ(image.At(x, 0), Coord(1, sx, 0)) << x;
        EXPECT_EQ(image.At(x, 2), Coord(1, sx, 2)) << x;    // top rows at their height
        EXPECT_EQ(image.At(x, 19), Coord(1, sx, 11)) << x;  // bottom rows at their height
        EXPECT_EQ(image.At(x, 10), Coord(1, sx, 3 + StretchSourceRow(7, 6, 14))) << x;
    }
}

TEST(SkinImageNineSlice, TiledMiddleRepeatsWholeTilesAndCutsTheLast) {
    // A 100-pixel wide middle from a 30-pixel source middle: three full tiles and a fourth cut by
    // the right edge, which is drawn intact over it.
    const Bitmap strip = FrameStrip(34, 10, 1, false);  // L = R = 2, middle 30 wide
    const Bitmap image = BuildSkinImage({0, 0, 104, 10}, strip, {2, 2, 2, 2}, false, true, 1, 1);
    for (int x = 2; x < 102; ++x)
        for (int y = 2; y < 8; ++y) EXPECT_EQ(image.At(x, y), Coord(1, 2 + (x - 2) % 30, y)) << x << "," << y;
    for (int y = 2; y < 8; ++y) {
        EXPECT_EQ(image.At(102, y), Coord(1, 32, y));
        EXPECT_EQ(image.At(103, y), Coord(1, 33, y));
    }
}

TEST(SkinImageNineSlice, PicksTheRequestedFrameOfSideBySideAndStackedStrips) {
    for (const bool vertical : {false, true}) {
        const Bitmap strip = FrameStrip(6, 5, 3, vertical);
        const Bitmap image = BuildSkinImage({0, 0, 6, 5}, strip, {1, 1, 1, 1}, vertical, false, 3, 2);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) EXPECT_EQ(image.At(x, y), Coord(2, x, y)) << vertical;
    }
}

TEST(SkinImageNineSlice, MatchesThePlainPainterOnRandomShapes) {
    std::mt19937 random(2024);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 600; ++round) {
        const int count = pick(1, 3);
        const bool vertical = pick(0, 1) == 1;
        const bool tile = pick(0, 1) == 1;
        const int fw = pick(1, 14), fh = pick(1, 14);
        const Bitmap strip = FrameStrip(fw, fh, count, vertical);
        // Mostly sensible margins, sometimes larger than the frame.
        const int limit = round % 5 == 0 ? 10 : 4;
        const Rect margins{pick(0, limit), pick(0, limit), pick(0, limit), pick(0, limit)};
        const int number = pick(1, count + (round % 7 == 0 ? 1 : 0));
        const int w = pick(1, 45), h = pick(1, 45);
        const Bitmap expected = ReferenceNineSlice(w, h, strip, margins, vertical, tile, count, number);
        const Bitmap actual = BuildSkinImage({3, 4, 3 + w, 4 + h}, strip, margins, vertical, tile, count, number);
        ASSERT_TRUE(actual == expected) << "round " << round << ": " << w << "x" << h << " frame " << fw << "x" << fh
                                        << " margins " << margins.Left << "," << margins.Top << "," << margins.Right
                                        << "," << margins.Bottom << " tile " << tile << " vertical " << vertical
                                        << " frame " << number << "/" << count;
    }
}

TEST(SkinImageNineSlice, DrawingOnlyPartOfAHugeTargetEqualsTheWholeImageCut) {
    const Bitmap strip = FrameStrip(20, 16, 2, false);
    for (const bool tile : {false, true}) {
        const Rect target{-2400, -7, 2600, 41};
        const Bitmap whole = BuildSkinImage(target, strip, {4, 3, 5, 6}, false, tile, 2, 2);
        GuardedCanvas canvas(64, 30);
        DrawSkinObject(canvas.Dest(), target, strip, false, tile, false, 2, 2, {4, 3, 5, 6});
        EXPECT_TRUE(canvas.Intact());
        EXPECT_TRUE(canvas.Dest() == whole.Crop({2400, 7, 2464, 37})) << "tile " << tile;

        // The right end of the target inside the destination.
        GuardedCanvas right(64, 30);
        const Rect shifted = target.Offset(-2560, 0);
        DrawSkinObject(right.Dest(), shifted, strip, false, tile, false, 2, 2, {4, 3, 5, 6});
        EXPECT_TRUE(right.Intact());
        EXPECT_TRUE(right.Dest().Crop({0, 0, 40, 30}) == whole.Crop({4960, 7, 5000, 37}));
        EXPECT_EQ(right.Dest().At(40, 0), 0x00123456u);  // past the target: untouched
    }
    // Far too large to build, still drawable in part.
    GuardedCanvas canvas(32, 16);
    DrawSkinObject(canvas.Dest(), {0, 0, 200000000, 200000000}, strip, false, true, false, 2, 1, {4, 3, 5, 6});
    EXPECT_TRUE(canvas.Intact());
    EXPECT_EQ(canvas.Dest().At(0, 0), Coord(1, 0, 0));
    EXPECT_EQ(canvas.Dest().At(3, 2), Coord(1, 3, 2));
    EXPECT_TRUE(BuildSkinImage({0, 0, 200000000, 2}, strip, {}, false, false, 2, 1).Empty());
}

TEST(SkinImageNineSlice, BadFramesAndSizesDrawNothingOrBackground) {
    const Bitmap strip = FrameStrip(8, 8, 2, false);
    // A frame beyond the count reads outside the strip: black background, never a crash.
    const Bitmap beyond = BuildSkinImage({0, 0, 10, 10}, strip, {2, 2, 2, 2}, false, false, 2, 5);
    ASSERT_EQ(beyond.Width(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(beyond.At(x, y), 0u);
    // Frame count 0, empty strip, negative margins: a black image.
    for (const Bitmap& image : {BuildSkinImage({0, 0, 4, 4}, strip, {}, false, false, 0, 1),
                                BuildSkinImage({0, 0, 4, 4}, Bitmap{}, {}, false, false, 1, 1),
                                BuildSkinImage({0, 0, 4, 4}, strip, {-3, 0, 0, 0}, false, true, 2, 1)}) {
        ASSERT_EQ(image.Width(), 4);
        EXPECT_TRUE(image == Bitmap(4, 4, 0));
    }
    EXPECT_TRUE(BuildSkinImage({5, 5, 2, 9}, strip, {}, false, false, 2, 1).Empty());

    GuardedCanvas canvas(10, 10);
    const Bitmap before = canvas.Dest();
    DrawSkinObject(canvas.Dest(), {5, 5, 2, 9}, strip, false, false, false, 2, 1, {});    // negative width
    DrawSkinObject(canvas.Dest(), {0, 0, 10, 10}, strip, false, false, false, 0, 1, {});  // no frames
    DrawSkinObject(canvas.Dest(), {0, 0, 10, 10}, Bitmap{}, false, false, false, 1, 1, {});
    DrawSkinObject(canvas.Dest(), {0, 0, 10, 10}, strip, false, false, false, 1, 1, {-1, 0, 0, 0});
    DrawSkinObject(canvas.Dest(), {20, 20, 30, 30}, strip, false, false, false, 2, 1, {});  // off the canvas
    EXPECT_TRUE(canvas.Dest() == before);
    EXPECT_TRUE(canvas.Intact());
}

TEST(SkinImageNineSlice, TransparentDrawKeepsDestinationUnderExactMagentaOnly) {
    Bitmap strip(4, 1);
    strip.At(0, 0) = kMagenta;
    strip.At(1, 0) = kMagenta ^ 1u;           // one bit off: drawn
    strip.At(2, 0) = kMagenta ^ 0x00010000u;  // one bit off in red: drawn
    strip.At(3, 0) = 0x00000000u;
    GuardedCanvas canvas(6, 1, 0x00777777u);
    DrawSkinObject(canvas.Dest(), {1, 0, 5, 1}, strip, false, false, true, 1, 1, {});
    EXPECT_TRUE(canvas.Intact());
    EXPECT_EQ(canvas.Dest().At(0, 0), 0x00777777u);
    EXPECT_EQ(canvas.Dest().At(1, 0), 0x00777777u);
    EXPECT_EQ(canvas.Dest().At(2, 0), kMagenta ^ 1u);
    EXPECT_EQ(canvas.Dest().At(3, 0), kMagenta ^ 0x00010000u);
    EXPECT_EQ(canvas.Dest().At(4, 0), 0u);
    EXPECT_EQ(canvas.Dest().At(5, 0), 0x00777777u);

    // Opaque draws copy magenta like any color.
    DrawSkinObject(canvas.Dest(), {1, 0, 5, 1}, strip, false, false, false, 1, 1, {});
    EXPECT_EQ(canvas.Dest().At(1, 0), kMagenta);
}

}  // namespace
}  // namespace skin
