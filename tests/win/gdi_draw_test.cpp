// The skin primitives drawn onto device contexts: the pixels GDI ends up with must be the ones the
// portable primitives produce on the same starting image.

#include <gtest/gtest.h>

#include <functional>

#include "skin/data/skin_image.h"
#include "base/win/dib_section.h"
#include "base/win/handles.h"
#include "skin/data/win/skin_image_dc.h"
#include "win/support/message_pump.h"

namespace skin {
namespace {

// Pixels naming their frame and position, with a magenta column and row in every frame.
Bitmap ShapedStrip(int fw, int fh, int count, bool vertical) {
    Bitmap strip(vertical ? fw : fw * count, vertical ? fh * count : fh);
    for (int k = 0; k < count; ++k)
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x) {
                const Pixel p = (x == 1 || y == fh - 2)
                                    ? kMagenta
                                    : MakePixel(static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(x),
                                                static_cast<std::uint8_t>(y));
                strip.At(vertical ? x : k * fw + x, vertical ? k * fh + y : y) = p;
            }
    return strip;
}

Bitmap Background(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.At(x, y) = MakePixel(200, static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 5));
    return b;
}

// Runs `onDc` on a DIB section and `onBitmap` on a portable copy of the same background; returns
// whether both end with the same pixels (the unused byte ignored).
::testing::AssertionResult SamePixels(const std::function<void(HDC)>& onDc,
                                      const std::function<void(Bitmap&)>& onBitmap, int w = 48, int h = 40) {
    const Bitmap start = Background(w, h);
    base::win::DibSection section = base::win::DibSection::FromBitmap(start);
    onDc(section.Dc());
    Bitmap expected = start;
    onBitmap(expected);
    const Bitmap& actual = section.Pixels();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((actual.At(x, y) & 0x00FFFFFFu) != expected.At(x, y))
                return ::testing::AssertionFailure() << "first difference at " << x << "," << y << ": dc 0x" << std::hex
                                                     << actual.At(x, y) << " bitmap 0x" << expected.At(x, y);
    return ::testing::AssertionSuccess();
}

TEST(GdiDraw, OpaqueAndTransparentBitmapsReachTheDc) {
    Bitmap image = Background(7, 5);
    image.At(2, 2) = kMagenta;
    image.At(3, 2) = kMagenta ^ 1u;
    EXPECT_TRUE(
        SamePixels([&](HDC dc) { DrawBitmap(dc, -2, 30, image); }, [&](Bitmap& b) { CopyBitmap(b, -2, 30, image); }));
    EXPECT_TRUE(SamePixels(
        [&](HDC dc) {
            DrawBitmapRect(dc, 40, 1, image, {1, 1, 20, 4});
        },
        [&](Bitmap& b) {
            CopyBitmapRect(b, 40, 1, image, {1, 1, 20, 4});
        }));
    for (const Rect target : {Rect{3, 4, 10, 9}, Rect{3, 4, 8, 7}, Rect{44, 37, 60, 60}, Rect{5, 5, 4, 9}})
        EXPECT_TRUE(SamePixels([&](HDC dc) { TransparentBlit(dc, target, image, kMagenta); },
                               [&](Bitmap& b) { TransparentBlit(b, target, image, kMagenta); }))
            << target.Left << "," << target.Top;
}

TEST(GdiDraw, SkinObjectsMatchThePortableDrawing) {
    for (const bool vertical : {false, true})
        for (const bool tile : {false, true})
            for (const bool transparent : {false, true}) {
                const Bitmap strip = ShapedStrip(11, 9, 3, vertical);
                const Rect margins{3, 2, 4, 3};
                for (const Rect target : {Rect{2, 3, 45, 37}, Rect{-5, -4, 20, 12}, Rect{30, 20, 36, 23}}) {
                    EXPECT_TRUE(SamePixels(
                        [&](HDC dc) { DrawSkinObject(dc, target, strip, vertical, tile, transparent, 3, 2, margins); },
                        [&](Bitmap& b) {
                            DrawSkinObject(b, target, strip, vertical, tile, transparent, 3, 2, margins);
                        }))
                        << "vertical " << vertical << " tile " << tile << " transparent " << transparent << " at "
                        << target.Left;
                    EXPECT_TRUE(SamePixels(
                        [&](HDC dc) { DrawSkinStrip(dc, target, strip, vertical, transparent, 3, 3, margins); },
                        [&](Bitmap& b) { DrawSkinStrip(b, target, strip, vertical, transparent, 3, 3, margins); }));
                    EXPECT_TRUE(
                        SamePixels([&](HDC dc) { DrawSkinBorder(dc, target, strip, vertical, 3, 1, margins); },
                                   [&](Bitmap& b) { DrawSkinBorder(b, target, strip, vertical, 3, 1, margins); }));
                    EXPECT_TRUE(SamePixels([&](HDC dc) { DrawSkinFrame(dc, target, strip, transparent, 3, 1); },
                                           [&](Bitmap& b) { DrawSkinFrame(b, target, strip, transparent, 3, 1); }));
                    EXPECT_TRUE(SamePixels([&](HDC dc) { DrawSkinGlyph(dc, target, strip, transparent, 3, 2); },
                                           [&](Bitmap& b) { DrawSkinGlyph(b, target, strip, transparent, 3, 2); }));
                }
            }
}

TEST(GdiDraw, ClippedDcOnlyChangesInsideItsClip) {
    const Bitmap strip = ShapedStrip(11, 9, 1, false);
    const Rect clip{10, 8, 30, 20};
    EXPECT_TRUE(SamePixels(
        [&](HDC dc) {
            base::win::ScopedSaveDc saved(dc);
            ::IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
            DrawSkinObject(dc, {0, 0, 48, 40}, strip, false, true, true, 1, 1, {3, 2, 4, 3});
        },
        [&](Bitmap& b) {
            Bitmap whole = b;
            DrawSkinObject(whole, {0, 0, 48, 40}, strip, false, true, true, 1, 1, {3, 2, 4, 3});
            CopyBitmapRect(b, clip.Left, clip.Top, whole, clip);
        }));
}

TEST(GdiDraw, BadArgumentsLeaveTheDcAlone) {
    const Bitmap strip = ShapedStrip(11, 9, 2, false);
    const auto nothing = [](Bitmap&) {};
    EXPECT_TRUE(SamePixels(
        [&](HDC dc) {
            DrawSkinObject(dc, {10, 10, 5, 20}, strip, false, false, false, 2, 1, {});
        },
        nothing));
    EXPECT_TRUE(SamePixels(
        [&](HDC dc) {
            DrawSkinObject(dc, {0, 0, 20, 20}, strip, false, false, false, 0, 1, {});
        },
        nothing));
    EXPECT_TRUE(SamePixels([&](HDC dc) { DrawSkinFrame(dc, {0, 0, 20, 20}, Bitmap{}, false, 1, 1); }, nothing));
    EXPECT_TRUE(SamePixels(
        [&](HDC dc) {
            DrawSkinBorder(dc, {0, 0, 20, 20}, strip, false, 2, 1, {-2, 1, 1, 1});
        },
        nothing));
    EXPECT_TRUE(SamePixels([&](HDC dc) { TransparentBlit(dc, {0, 0, 20, 20}, Bitmap{}, kMagenta); }, nothing));
    // Huge targets: only the visible part is built.
    EXPECT_TRUE(SamePixels(
        [&](HDC dc) {
            DrawSkinObject(dc, {-100000000, 0, 100000000, 30}, strip, false, true, false, 2, 2, {3, 2, 4, 3});
        },
        [&](Bitmap& b) {
            DrawSkinObject(b, {-100000000, 0, 100000000, 30}, strip, false, true, false, 2, 2, {3, 2, 4, 3});
        }));
}

// A real window: what reaches its client area is what the portable drawing produces.
TEST(GdiDraw, WindowReceivesTheSkinImage) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"PixelsGdiDrawTest";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 20, 20, 64, 48, nullptr,
                                  nullptr, instance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    testing_support::PumpMessagesFor(100);
    const Bitmap strip = ShapedStrip(12, 10, 1, false);
    {
        base::win::WindowDc dc(hwnd);
        DrawSkinObject(dc.Get(), {0, 0, 64, 48}, strip, false, false, false, 1, 1, {4, 3, 4, 3});
        ::GdiFlush();
    }
    const Bitmap expected = BuildSkinImage({0, 0, 64, 48}, strip, {4, 3, 4, 3}, false, false, 1, 1);
    base::win::DibSection readBack(64, 48);
    {
        base::win::WindowDc dc(hwnd);
        ASSERT_TRUE(::BitBlt(readBack.Dc(), 0, 0, 64, 48, dc.Get(), 0, 0, SRCCOPY));
    }
    int differences = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) differences += (readBack.Pixels().At(x, y) & 0x00FFFFFFu) != expected.At(x, y);
    EXPECT_EQ(differences, 0);
    ::DestroyWindow(hwnd);
}

}  // namespace
}  // namespace skin
