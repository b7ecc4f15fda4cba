// The utility's icon: see-through corners, an opaque tile, the same picture at each size.
#include "app/app_icon.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t Alpha(std::uint32_t p) { return p >> 24; }

TEST(AppIcon, CornersAreSeeThroughAndTheTileIsOpaqueAtEverySize) {
    for (int size : {16, 24, 32, 48}) {
        SCOPED_TRACE(size);
        const IconImage icon = DrawAppIcon(size);
        ASSERT_EQ(icon.pixels.size(), static_cast<std::size_t>(size * size));
        for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
            EXPECT_EQ(icon.At(x, y), 0u) << x << "," << y;
        EXPECT_EQ(Alpha(icon.At(size / 2, size / 2)), 255u);
        EXPECT_EQ(Alpha(icon.At(size / 2, 2 * size / 32 + 1)), 255u);  // just inside the top edge
        // Anti-aliased edge: some pixel of the first row is partly covered.
        bool partial = false;
        for (int x = 0; x < size; ++x) partial |= Alpha(icon.At(x, 1)) > 0 && Alpha(icon.At(x, 1)) < 255;
        EXPECT_TRUE(partial);
    }
}

TEST(AppIcon, KnobsStandOutFromTheTile) {
    const IconImage icon = DrawAppIcon(32);
    // The first bar's knob centre (20, 9.5) is light orange; the tile beside the bars is teal.
    const std::uint32_t knob = icon.At(20, 9);
    EXPECT_GT((knob >> 16) & 0xFF, 200u);
    EXPECT_LT(knob & 0xFF, 200u);
    const std::uint32_t tile = icon.At(4, 16);
    EXPECT_LT((tile >> 16) & 0xFF, 60u);
    EXPECT_GT((tile >> 8) & 0xFF, 90u);
}

TEST(AppIcon, DegenerateSizesGiveAPicture) {
    EXPECT_EQ(DrawAppIcon(0).size, 1);
    EXPECT_EQ(DrawAppIcon(-5).pixels.size(), 1u);
}

}  // namespace
