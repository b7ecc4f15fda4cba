// Ownership and scoped-state guards for GDI objects and DCs.

#include <gtest/gtest.h>

#include <utility>

#include "base/win/dib_section.h"
#include "base/win/handles.h"

namespace base::win {
namespace {

TEST(GdiHandles, OwnersDeleteTheirObjectOnceAndMovesTransferOwnership) {
    HBRUSH raw = ::CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    {
        UniqueHBrush first(raw);
        UniqueHBrush second = std::move(first);
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), raw);
        UniqueHBrush third;
        third = std::move(second);
        EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(raw), 0u);  // deleted when the last owner ended

    UniqueHRgn region(::CreateRectRgn(0, 0, 4, 4));
    HRGN kept = region.Release();
    EXPECT_FALSE(region);
    EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_REGION));
    region.Reset(kept);
    region.Reset(::CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(::GetObjectType(kept), 0u);
}

TEST(GdiHandles, ScopedGuardsPutTheDcBackAsItWas) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    UniqueHBrush brush(::CreateSolidBrush(RGB(9, 9, 9)));
    const HGDIOBJ before = ::GetCurrentObject(dc.Get(), OBJ_BRUSH);
    {
        ScopedSelectObject select(dc.Get(), brush.Get());
        EXPECT_TRUE(select.Ok());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), brush.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), before);

    ::SetStretchBltMode(dc.Get(), BLACKONWHITE);
    ::SetTextColor(dc.Get(), RGB(1, 1, 1));
    ::SetBkColor(dc.Get(), RGB(2, 2, 2));
    {
        ScopedStretchMode mode(dc.Get(), COLORONCOLOR);
        ScopedDcColors colors(dc.Get(), RGB(0, 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(::GetStretchBltMode(dc.Get()), COLORONCOLOR);
        EXPECT_EQ(::GetBkColor(dc.Get()), RGB(255, 255, 255));
        ScopedSaveDc saved(dc.Get());
        ::SetBkColor(dc.Get(), RGB(7, 7, 7));
    }
    EXPECT_EQ(::GetStretchBltMode(dc.Get()), BLACKONWHITE);
    EXPECT_EQ(::GetTextColor(dc.Get()), RGB(1, 1, 1));
    EXPECT_EQ(::GetBkColor(dc.Get()), RGB(2, 2, 2));
}

TEST(GdiHandles, WindowDcIsUsableAndMovable) {
    WindowDc screen(nullptr);
    ASSERT_TRUE(screen);
    EXPECT_GT(::GetDeviceCaps(screen.Get(), BITSPIXEL), 0);
    WindowDc moved = std::move(screen);
    EXPECT_FALSE(screen);
    EXPECT_TRUE(moved);
}

TEST(DibSection, GdiAndThePixelViewShareMemory) {
    DibSection section(6, 4);
    ASSERT_NE(section.Dc(), nullptr);
    // GDI draws, the view sees it.
    UniqueHBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
    const RECT box{1, 1, 3, 2};
    ::FillRect(section.Dc(), &box, red.Get());
    EXPECT_EQ(section.Pixels().At(1, 1) & 0x00FFFFFFu, MakePixel(255, 0, 0));
    EXPECT_EQ(section.Pixels().At(3, 1) & 0x00FFFFFFu, 0u);
    // The view writes, GDI reads it (COLORREF is 0x00BBGGRR).
    section.Pixels().At(5, 3) = MakePixel(0x11, 0x22, 0x33);
    EXPECT_EQ(::GetPixel(section.Dc(), 5, 3), RGB(0x11, 0x22, 0x33));
    EXPECT_TRUE(section.Pixels().IsView());
}

TEST(DibSection, MovingAndEndingReleaseTheSectionOnce) {
    HBITMAP handle = nullptr;
    {
        DibSection first = DibSection::FromBitmap(Bitmap(3, 3, 0x00010203u));
        handle = first.Handle();
        DibSection second = std::move(first);
        EXPECT_EQ(first.Handle(), nullptr);
        EXPECT_TRUE(first.Empty());
        EXPECT_EQ(second.Pixels().At(2, 2), 0x00010203u);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));
        DibSection third(1, 1);
        third = std::move(second);
        EXPECT_EQ(third.Handle(), handle);
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);
    DibSection empty(0, 5);
    EXPECT_TRUE(empty.Empty());
    EXPECT_THROW(DibSection(-1, 1), std::invalid_argument);
}

}  // namespace
}  // namespace base::win
