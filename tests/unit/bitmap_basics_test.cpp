#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "base/bitmap.h"
#include "unit/skin_image_test_support.h"

namespace base {
namespace {

using skin::testing::Coord;
using skin::testing::CoordImage;
using skin::testing::GuardedCanvas;

TEST(BitmapBasics, SizeFillAndEmptiness) {
    Bitmap filled(3, 2, 0x00ABCDEFu);
    EXPECT_EQ(filled.Width(), 3);
    EXPECT_EQ(filled.Height(), 2);
    EXPECT_FALSE(filled.Empty());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(filled.At(x, y), 0x00ABCDEFu);

    EXPECT_TRUE(Bitmap{}.Empty());
    EXPECT_TRUE(Bitmap(0, 5).Empty());
    EXPECT_TRUE(Bitmap(5, 0).Empty());
    EXPECT_EQ(Bitmap(3, 1).Get(3, 0, 77u), 77u);
    EXPECT_EQ(Bitmap(3, 1).Get(-1, 0, 77u), 77u);
}

TEST(BitmapBasics, RefusesNegativeAndOversizedDimensions) {
    EXPECT_THROW(Bitmap(-1, 4), std::invalid_argument);
    EXPECT_THROW(Bitmap(4, -1), std::invalid_argument);
    EXPECT_THROW(Bitmap(kMaxBitmapDimension + 1, 1), std::length_error);
    // Each side allowed, the product not.
    EXPECT_THROW(Bitmap(kMaxBitmapDimension, kMaxBitmapDimension), std::length_error);
    EXPECT_TRUE(Bitmap::SizeAllowed(kMaxBitmapDimension, 1));
    EXPECT_TRUE(Bitmap::SizeAllowed(kMaxBitmapPixels / kMaxBitmapDimension, kMaxBitmapDimension));
    EXPECT_FALSE(Bitmap::SizeAllowed(kMaxBitmapPixels / kMaxBitmapDimension + 1, kMaxBitmapDimension));
    EXPECT_FALSE(Bitmap::SizeAllowed(std::int64_t{1} << 40, 1));
    EXPECT_THROW(Bitmap::View(nullptr, 2, 2, 2), std::invalid_argument);
    Pixel one = 0;
    EXPECT_THROW(Bitmap::View(&one, 2, 1, 1), std::invalid_argument);
}

TEST(BitmapBasics, ViewWritesThroughToExternalMemoryAndHonoursStride) {
    std::vector<Pixel> memory(5 * 3, 9u);
    Bitmap view = Bitmap::View(memory.data(), 3, 3, 5);
    EXPECT_TRUE(view.IsView());
    view.Fill(1u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(memory[static_cast<std::size_t>(y * 5 + x)], x < 3 ? 1u : 9u) << x << "," << y;

    // Copies are owning and independent; moves keep the view.
    Bitmap copy = view;
    EXPECT_FALSE(copy.IsView());
    EXPECT_EQ(copy.Stride(), 3);
    copy.At(0, 0) = 5u;
    EXPECT_EQ(memory[0], 1u);
    EXPECT_TRUE(copy != view);
    Bitmap moved = std::move(view);
    EXPECT_TRUE(moved.IsView());
    moved.At(2, 2) = 7u;
    EXPECT_EQ(memory[2 * 5 + 2], 7u);

    moved.Reset(2, 2, 3u);
    EXPECT_FALSE(moved.IsView());
    EXPECT_EQ(memory[2 * 5 + 2], 7u);
}

TEST(BitmapBasics, MovedOwningBitmapKeepsItsPixels) {
    Bitmap source = CoordImage(4, 3);
    const Bitmap expected = source;
    Bitmap target(1, 1);
    target = std::move(source);
    EXPECT_TRUE(target == expected);
    EXPECT_TRUE(source.Empty());
}

TEST(BitmapBasics, FillRectAndCropAreClippedToTheBitmap) {
    GuardedCanvas canvas(4, 3, 0u);
    Bitmap& dest = canvas.Dest();
    dest.FillRect({-5, -5, 2, 2}, 1u);
    dest.FillRect({3, 1, 100, 100}, 2u);
    dest.FillRect({2, 0, 1, 3}, 3u);  // negative width: nothing
    EXPECT_TRUE(canvas.Intact());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const Pixel expected = (x < 2 && y < 2) ? 1u : (x >= 3 && y >= 1) ? 2u : 0u;
            EXPECT_EQ(dest.At(x, y), expected) << x << "," << y;
        }

    const Bitmap image = CoordImage(5, 4);
    const Bitmap crop = image.Crop({3, -2, 9, 2});
    ASSERT_EQ(crop.Width(), 2);
    ASSERT_EQ(crop.Height(), 2);
    EXPECT_EQ(crop.At(0, 0), Coord(1, 3, 0));
    EXPECT_EQ(crop.At(1, 1), Coord(1, 4, 1));
    EXPECT_TRUE(image.Crop({10, 10, 20, 20}).Empty());
}

TEST(BitmapBasics, ColorAndPixelLayoutsConvert) {
    // TColor 0x00BBGGRR: red 0x11, green 0x22, blue 0x33.
    const Pixel p = ColorToPixel(0x00332211u);
    EXPECT_EQ(PixelRed(p), 0x11);
    EXPECT_EQ(PixelGreen(p), 0x22);
    EXPECT_EQ(PixelBlue(p), 0x33);
    EXPECT_EQ(p, MakePixel(0x11, 0x22, 0x33));
    EXPECT_EQ(PixelToColor(p), 0x00332211u);
    EXPECT_EQ(ColorToPixel(0xFF332211u), p);  // the high byte is dropped
    EXPECT_EQ(ColorToPixel(kMagenta), kMagenta);
}

}  // namespace
}  // namespace base
