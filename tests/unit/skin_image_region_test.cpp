#include <gtest/gtest.h>

#include <random>

#include "skin/data/skin_image.h"
#include "unit/skin_image_test_support.h"

namespace skin {
namespace {

std::size_t CountRects(const RegionRects& batches) {
    std::size_t n = 0;
    for (const auto& batch : batches) n += batch.size();
    return n;
}

TEST(SkinImageRegion, CutsKeyColumnsOutOfEveryRow) {
    Bitmap image(4, 2, 0x00102030u);
    image.At(1, 0) = kMagenta;
    image.At(1, 1) = kMagenta;
    const RegionRects batches = CreateRegionFromBitmap(image, 10, 20, 1, 1, 1, kMagenta);
    ASSERT_EQ(batches.size(), 1u);
    const std::vector<Rect> expected = {{10, 20, 11, 21}, {12, 20, 14, 21}, {10, 21, 11, 22}, {12, 21, 14, 22}};
    EXPECT_EQ(batches[0], expected);
}

TEST(SkinImageRegion, KeyRangeReachesUpByTheToleranceAndStopsAt255) {
    // Key magenta, tolerance 1 on each channel: red 255, green 0..1, blue 255 are cut out.
    Bitmap image(6, 1, 0);
    image.At(0, 0) = MakePixel(255, 0, 255);
    image.At(1, 0) = MakePixel(255, 1, 255);
    image.At(2, 0) = MakePixel(255, 2, 255);  // green beyond the tolerance: kept
    image.At(3, 0) = MakePixel(254, 0, 255);  // red below the key: kept
    image.At(4, 0) = 0xFFFF00FFu;             // unused byte ignored: cut
    image.At(5, 0) = MakePixel(255, 0, 254);  // blue below the key: kept
    const RegionRects batches = CreateRegionFromBitmap(image, 0, 0, 1, 1, 1, kMagenta);
    ASSERT_EQ(batches.size(), 1u);
    const std::vector<Rect> expected = {{2, 0, 4, 1}, {5, 0, 6, 1}};
    EXPECT_EQ(batches[0], expected);

    // Tolerances are per channel (blue, green, red) and read from a color value (0x00BBGGRR).
    Bitmap tones(3, 1, 0);
    tones.At(0, 0) = MakePixel(0x10, 0x20, 0x30);
    tones.At(1, 0) = MakePixel(0x10, 0x20, 0x35);  // blue within +5
    tones.At(2, 0) = MakePixel(0x11, 0x20, 0x30);  // red beyond +0
    const RegionRects toned = CreateRegionFromBitmap(tones, 0, 0, 5, 0, 0, 0x00302010u);
    ASSERT_EQ(toned.size(), 1u);
    EXPECT_EQ(toned[0], (std::vector<Rect>{{2, 0, 3, 1}}));
}

TEST(SkinImageRegion, OnlyKeyPixelsOrNoPixelsGiveNoRectangles) {
    EXPECT_TRUE(CreateRegionFromBitmap(Bitmap(5, 3, kMagenta), 0, 0, 0, 0, 0, kMagenta).empty());
    EXPECT_TRUE(CreateRegionFromBitmap(Bitmap{}, 0, 0, 0, 0, 0, kMagenta).empty());
    // One row works like any other.
    const RegionRects one = CreateRegionFromBitmap(Bitmap(3, 1, 0), 1, 1, 0, 0, 0, kMagenta);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (std::vector<Rect>{{1, 1, 4, 2}}));
}

TEST(SkinImageRegion, BatchesHoldAtMost2000Rectangles) {
    // Alternating pixels: every other pixel starts a rectangle. 100 x 90 gives 4500 rectangles.
    Bitmap image(100, 90, 0);
    for (int y = 0; y < 90; ++y)
        for (int x = 1; x < 100; x += 2) image.At(x, y) = kMagenta;
    const RegionRects batches = CreateRegionFromBitmap(image, 0, 0, 0, 0, 0, kMagenta);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].size(), kRegionBatchSize);
    EXPECT_EQ(batches[1].size(), kRegionBatchSize);
    EXPECT_EQ(batches[2].size(), 500u);
    // The order is row by row, left to right, across batch boundaries.
    EXPECT_EQ(batches[1].front(), (Rect{0, 40, 1, 41}));
    EXPECT_EQ(batches[2].back(), (Rect{98, 89, 99, 90}));
}

TEST(SkinImageRegion, RectanglesCoverExactlyTheNonKeyPixels) {
    std::mt19937 random(3);
    for (int round = 0; round < 50; ++round) {
        const int w = 1 + static_cast<int>(random() % 40), h = 1 + static_cast<int>(random() % 10);
        Bitmap image(w, h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image.At(x, y) = (random() % 3 == 0) ? kMagenta : MakePixel(1, 2, 3);
        const RegionRects batches = CreateRegionFromBitmap(image, -3, 5, 0, 0, 0, kMagenta);
        Bitmap covered(w, h, 0);
        std::size_t area = 0;
        for (const auto& batch : batches)
            for (const Rect& r : batch) {
                ASSERT_EQ(r.Height(), 1);
                ASSERT_GT(r.Width(), 0);
                for (int x = r.Left; x < r.Right; ++x) covered.At(x + 3, r.Top - 5) += 1;
                area += static_cast<std::size_t>(r.Width());
            }
        std::size_t solid = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool key = image.At(x, y) == kMagenta;
                solid += key ? 0 : 1;
                EXPECT_EQ(covered.At(x, y), key ? 0u : 1u) << x << "," << y;
            }
        EXPECT_EQ(area, solid);
        EXPECT_LE(CountRects(batches), solid);
    }
}

}  // namespace
}  // namespace skin
