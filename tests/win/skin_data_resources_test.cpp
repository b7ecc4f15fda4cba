// What the skin data component builds at creation from the executable's resources and its
// skin: the menu glyph image list, drawn through its mask, and the button-face brush.
#include <gtest/gtest.h>

#include <vector>

#include "base/win/dib_section.h"
#include "framework/win/application.h"
#include "framework/win/img_list.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"

using skin::win::TSkinData;

namespace {

constexpr COLORREF kBackground = RGB(0, 128, 255);

struct GlyphPoint {
    const char* glyph;
    int index;
    int x;
    int y;
    bool ink;
};

// Points of the four glyphs (restore, maximise, minimise, close) that are ink or see-through.
const std::vector<GlyphPoint> kGlyphPoints = {
    {"restore back frame", 0, 5, 2, true}, {"restore front frame", 0, 3, 9, true},
    {"restore inside", 0, 5, 9, false},    {"restore corner", 0, 0, 0, false},
    {"maximise top", 1, 3, 2, true},       {"maximise inside", 1, 7, 7, false},
    {"minimise bar", 2, 4, 10, true},      {"minimise above bar", 2, 4, 4, false},
    {"close crossing", 3, 7, 7, true},     {"close beside crossing", 3, 2, 7, false},
};

base::win::DibSection DrawGlyphs(const TCustomImageList& list, bool enabled) {
    base::win::DibSection dib(list.Count() * 20, list.Height());
    base::win::UniqueHBrush background(CreateSolidBrush(kBackground));
    RECT all{0, 0, dib.Width(), dib.Height()};
    FillRect(dib.Dc(), &all, background.Get());
    for (int i = 0; i < list.Count(); ++i) list.Draw(dib.Dc(), i * 20, 0, i, enabled);
    return dib;
}

COLORREF ColourAt(base::win::DibSection& dib, int x, int y) {
    return base::PixelToColor(dib.Pixels().At(x, y) & 0xFFFFFF);
}

class SkinDataResources : public skin_test::SkinDataFixture {};

TEST_F(SkinDataResources, MenuGlyphsComeFromTheBitmapResource) {
    data_ = new TSkinData(nullptr);
    const TCustomImageList* glyphs = data_->MenuGlyphs();
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(glyphs->Count(), 4);
    EXPECT_EQ(glyphs->Width(), 16);
    EXPECT_EQ(glyphs->Height(), 16);
    EXPECT_NE(glyphs->Handle(), nullptr);
}

TEST_F(SkinDataResources, EnabledGlyphsDrawBlackInkAndLetTheBackgroundThrough) {
    data_ = new TSkinData(nullptr);
    ASSERT_NE(data_->MenuGlyphs(), nullptr);
    base::win::DibSection dib = DrawGlyphs(*data_->MenuGlyphs(), true);
    for (const GlyphPoint& p : kGlyphPoints) {
        SCOPED_TRACE(p.glyph);
        EXPECT_EQ(ColourAt(dib, p.index * 20 + p.x, p.y), p.ink ? RGB(0, 0, 0) : kBackground);
    }
}

TEST_F(SkinDataResources, DisabledGlyphsDrawInTheGreyTextColour) {
    data_ = new TSkinData(nullptr);
    ASSERT_NE(data_->MenuGlyphs(), nullptr);
    base::win::DibSection dib = DrawGlyphs(*data_->MenuGlyphs(), false);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    for (const GlyphPoint& p : kGlyphPoints) {
        SCOPED_TRACE(p.glyph);
        EXPECT_EQ(ColourAt(dib, p.index * 20 + p.x, p.y), p.ink ? grey : kBackground);
    }
}

TEST_F(SkinDataResources, DrawingOutsideTheListChangesNothing) {
    data_ = new TSkinData(nullptr);
    ASSERT_NE(data_->MenuGlyphs(), nullptr);
    base::win::DibSection dib(16, 16);
    base::win::UniqueHBrush background(CreateSolidBrush(kBackground));
    RECT all{0, 0, 16, 16};
    FillRect(dib.Dc(), &all, background.Get());
    for (int index : {-1, 4, 1000}) data_->MenuGlyphs()->Draw(dib.Dc(), 0, 0, index);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) ASSERT_EQ(ColourAt(dib, x, y), kBackground) << x << "," << y;
    }
}

TEST_F(SkinDataResources, ImageListRefusesBitmapsSmallerThanAnImage) {
    TCustomImageList list(nullptr, 16, 16);
    base::win::UniqueHBitmap narrow(CreateBitmap(8, 16, 1, 1, nullptr));
    EXPECT_EQ(list.AddMasked(narrow.Get(), 0xFFFFFF), -1);
    EXPECT_EQ(list.AddMasked(nullptr, 0xFFFFFF), -1);
    EXPECT_EQ(list.Count(), 0);
    base::win::UniqueHBitmap two(CreateBitmap(32, 16, 1, 1, nullptr));
    EXPECT_EQ(list.AddMasked(two.Get(), 0xFFFFFF), 0);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(SkinDataResources, FaceBrushHasTheSkinsButtonFaceColour) {
    data_ = new TSkinData(nullptr);
    LOGBRUSH before{};
    ASSERT_NE(GetObjectW(data_->FaceBrush(), sizeof before, &before), 0);
    // Without a skin the face is the system's button face.
    EXPECT_EQ(before.lbColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(data_->FaceBrush(), data_->FaceBrush());

    ASSERT_TRUE(data_->ReadSkinStreamFromResource(nullptr, L"SKINSTREAM"));
    LOGBRUSH after{};
    ASSERT_NE(GetObjectW(data_->FaceBrush(), sizeof after, &after), 0);
    EXPECT_EQ(after.lbColor, ColorToRGB(data_->Objects().ButtonFaceColor));
}

}  // namespace
