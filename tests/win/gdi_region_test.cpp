// Window regions built from shaped images, compared with regions GDI builds pixel by pixel.

#include <gtest/gtest.h>

#include "skin/data/skin_image.h"
#include "base/win/handles.h"
#include "skin/data/win/region.h"
#include "win/support/message_pump.h"

namespace skin {
namespace {

// The union of one-pixel regions of every pixel outside the key range, built the slow way.
base::win::UniqueHRgn PixelByPixel(const Bitmap& image, int dx, int dy, int tolerance, Pixel key) {
    base::win::UniqueHRgn result(::CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Pixel p = image.At(x, y);
            const auto within = [&](int v, int k) { return v >= k && v <= std::min(255, k + tolerance); };
            const bool isKey = within(PixelRed(p), PixelRed(key)) && within(PixelGreen(p), PixelGreen(key)) &&
                               within(PixelBlue(p), PixelBlue(key));
            if (isKey) continue;
            base::win::UniqueHRgn dot(::CreateRectRgn(x + dx, y + dy, x + dx + 1, y + dy + 1));
            ::CombineRgn(result.Get(), result.Get(), dot.Get(), RGN_OR);
        }
    return result;
}

bool SameRegion(HRGN a, HRGN b) {
    base::win::UniqueHRgn difference(::CreateRectRgn(0, 0, 0, 0));
    return ::CombineRgn(difference.Get(), a, b, RGN_XOR) == NULLREGION;
}

// A window-corner shape: magenta triangles in two corners, tolerance-edge colors on one row.
Bitmap Shape(int w, int h) {
    Bitmap image(w, h, MakePixel(30, 60, 90));
    for (int y = 0; y < 5 && y < h; ++y)
        for (int x = 0; x < 5 - y && x < w; ++x) {
            image.At(x, y) = kMagenta;
            image.At(w - 1 - x, y) = MakePixel(255, 1, 255);  // inside tolerance 1: cut
        }
    if (h > 6)
        for (int x = 0; x < w; x += 3) image.At(x, 6) = MakePixel(255, 2, 255);  // outside: kept
    return image;
}

TEST(GdiRegion, RegionEqualsTheUnionOfItsPixels) {
    const Bitmap image = Shape(37, 12);
    base::win::UniqueHRgn region = win::CreateRegionFromBitmap(image, 4, -3, 1, 1, 1, kMagenta);
    ASSERT_TRUE(region);
    base::win::UniqueHRgn expected = PixelByPixel(image, 4, -3, 1, kMagenta);
    EXPECT_TRUE(SameRegion(region.Get(), expected.Get()));
    EXPECT_FALSE(::PtInRegion(region.Get(), 4, -3));  // a corner pixel, shifted
    EXPECT_TRUE(::PtInRegion(region.Get(), 4 + 10, -3 + 3));
}

TEST(GdiRegion, ManyBatchesCombineIntoOneRegion) {
    // Every other pixel is key: 60 x 80 gives 2400 rectangles, two batches.
    Bitmap image(60, 80, 0);
    for (int y = 0; y < 80; ++y)
        for (int x = (y % 2); x < 60; x += 2) image.At(x, y) = kMagenta;
    ASSERT_EQ(CreateRegionFromBitmap(image, 0, 0, 0, 0, 0, kMagenta).size(), 2u);
    base::win::UniqueHRgn region = win::CreateRegionFromBitmap(image, 0, 0, 0, 0, 0, kMagenta);
    base::win::UniqueHRgn expected = PixelByPixel(image, 0, 0, 0, kMagenta);
    EXPECT_TRUE(SameRegion(region.Get(), expected.Get()));
}

TEST(GdiRegion, OnlyKeyPixelsGiveAnEmptyRegion) {
    base::win::UniqueHRgn region = win::CreateRegionFromBitmap(Bitmap(8, 8, kMagenta), 0, 0, 0, 0, 0, kMagenta);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(::GetRgnBox(region.Get(), &box), NULLREGION);
}

TEST(GdiRegion, WindowKeepsTheRegionItWasGiven) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"PixelsGdiRegionTest";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 10, 10, 40, 12, nullptr, nullptr,
                                  instance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    const Bitmap image = Shape(40, 12);
    base::win::UniqueHRgn region = win::CreateRegionFromBitmap(image, 0, 0, 1, 1, 1, kMagenta);
    base::win::UniqueHRgn copy(::CreateRectRgn(0, 0, 0, 0));
    ::CombineRgn(copy.Get(), region.Get(), nullptr, RGN_COPY);
    ASSERT_NE(::SetWindowRgn(hwnd, region.Release(), TRUE), 0);  // the window owns it now
    testing_support::PumpPendingMessages();
    base::win::UniqueHRgn fromWindow(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(hwnd, fromWindow.Get()), ERROR);
    EXPECT_TRUE(SameRegion(fromWindow.Get(), copy.Get()));
    ::DestroyWindow(hwnd);
}

}  // namespace
}  // namespace skin
