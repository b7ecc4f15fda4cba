#include <gtest/gtest.h>

#include <random>

#include "skin/data/skin_image.h"
#include "unit/skin_image_test_support.h"

namespace skin {
namespace {

using testing::Coord;
using testing::CoordImage;

TEST(SkinImageTransform, MakeGrayUsesTheTruncatedMeanAndClearsTheUnusedByte) {
    Bitmap image(3, 1);
    image.At(0, 0) = MakePixel(255, 255, 254);  // 764 / 3 = 254
    image.At(1, 0) = 0xFF000102u;               // (0 + 1 + 2) / 3 = 1
    image.At(2, 0) = MakePixel(10, 0, 0);       // 10 / 3 = 3
    MakeGray(image);
    EXPECT_EQ(image.At(0, 0), MakePixel(254, 254, 254));
    EXPECT_EQ(image.At(1, 0), MakePixel(1, 1, 1));
    EXPECT_EQ(image.At(2, 0), MakePixel(3, 3, 3));
}

TEST(SkinImageTransform, MirrorAndFlipReverseRowsAndColumns) {
    for (const int size : {1, 4, 5}) {
        const Bitmap original = CoordImage(size, size + 1);
        Bitmap mirrored = original;
        MirrorHorizontal(mirrored);
        Bitmap flipped = original;
        FlipVertical(flipped);
        for (int y = 0; y <= size; ++y)
            for (int x = 0; x < size; ++x) {
                EXPECT_EQ(mirrored.At(x, y), original.At(size - 1 - x, y));
                EXPECT_EQ(flipped.At(x, y), original.At(x, size - y));
            }
    }
}

TEST(SkinImageTransform, RotationsTurnAQuarterAndUndoEachOther) {
    const Bitmap original = CoordImage(3, 2);  // 3 wide, 2 high
    Bitmap left = original;
    RotateLeft(left);
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(left.Height(), 3);
    // Counter-clockwise: the top-right corner comes to the top-left, the top-left to the bottom-left.
    EXPECT_EQ(left.At(0, 0), Coord(1, 2, 0));
    EXPECT_EQ(left.At(0, 2), Coord(1, 0, 0));
    EXPECT_EQ(left.At(1, 2), Coord(1, 0, 1));
    Bitmap right = original;
    RotateRight(right);
    ASSERT_EQ(right.Width(), 2);
    // Clockwise: the bottom-left corner comes to the top-left, the top-left to the top-right.
    EXPECT_EQ(right.At(0, 0), Coord(1, 0, 1));
    EXPECT_EQ(right.At(1, 0), Coord(1, 0, 0));
    EXPECT_EQ(right.At(1, 2), Coord(1, 2, 0));

    std::mt19937 random(5);
    const Bitmap noise = testing::RandomImage(7, 4, random);
    Bitmap back = noise;
    RotateLeft(back);
    RotateRight(back);
    EXPECT_TRUE(back == noise);
    Bitmap full = noise;
    for (int i = 0; i < 4; ++i) RotateLeft(full);
    EXPECT_TRUE(full == noise);
    Bitmap half = noise;
    RotateRight(half);
    RotateRight(half);
    Bitmap flippedBothWays = noise;
    MirrorHorizontal(flippedBothWays);
    FlipVertical(flippedBothWays);
    EXPECT_TRUE(half == flippedBothWays);
}

TEST(SkinImageTransform, RotatingAViewReplacesItWithAnOwningBitmap) {
    std::vector<Pixel> memory(6, 0);
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<Pixel>(i);
    Bitmap view = Bitmap::View(memory.data(), 3, 2, 3);
    RotateRight(view);
    EXPECT_FALSE(view.IsView());
    EXPECT_EQ(view.Width(), 2);
    EXPECT_EQ(view.At(0, 0), 3u);
    EXPECT_EQ(memory[0], 0u);

    Bitmap empty;
    RotateLeft(empty);
    MakeGray(empty);
    MirrorHorizontal(empty);
    FlipVertical(empty);
    EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace skin
