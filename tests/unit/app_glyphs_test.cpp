// The button pictures drawn by code.
#include <gtest/gtest.h>

#include <set>

#include "app/glyphs.h"

namespace {

constexpr std::uint32_t kFace = 0xD4D0C8;

TEST(AppGlyphs, SizesAndBackgroundCornersFollowTheButtons) {
    struct Case {
        ButtonGlyph glyph;
        int size;
    };
    for (const Case c : {Case{ButtonGlyph::Tweak, 30}, Case{ButtonGlyph::Restore, 30}, Case{ButtonGlyph::Restart, 32},
                         Case{ButtonGlyph::Close, 32}}) {
        const GlyphImage image = DrawButtonGlyph(c.glyph, kFace);
        ASSERT_EQ(image.width, c.size);
        ASSERT_EQ(image.height, c.size);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(c.size * c.size));
        // The bottom-left pixel is the transparent color of a speed button glyph.
        EXPECT_EQ(image.At(0, c.size - 1), kFace);
        EXPECT_EQ(image.At(0, 0), kFace);
        EXPECT_EQ(image.At(c.size - 1, c.size - 1), kFace);
    }
}

TEST(AppGlyphs, PicturesAreVisibleDistinctAndSmoothed) {
    std::set<std::vector<std::uint32_t>> seen;
    for (ButtonGlyph glyph : {ButtonGlyph::Tweak, ButtonGlyph::Restore, ButtonGlyph::Restart, ButtonGlyph::Close}) {
        const GlyphImage image = DrawButtonGlyph(glyph, kFace);
        std::set<std::uint32_t> colors(image.pixels.begin(), image.pixels.end());
        int covered = 0;
        for (std::uint32_t p : image.pixels) covered += p != kFace;
        EXPECT_GT(covered, image.width * image.height / 4) << "the picture fills a good part of the button";
        EXPECT_GT(colors.size(), 20u) << "edges are blended, faces shaded";
        EXPECT_TRUE(seen.insert(image.pixels).second) << "each button has its own picture";
    }
}

TEST(AppGlyphs, TheBackgroundColorIsOnlyUsedOutsideThePicture) {
    const GlyphImage grey = DrawButtonGlyph(ButtonGlyph::Close, 0x808080);
    const GlyphImage white = DrawButtonGlyph(ButtonGlyph::Close, 0xFFFFFF);
    // The centre of the cross is white in both; the corners follow the background.
    EXPECT_EQ(grey.At(16, 16), white.At(16, 16));
    EXPECT_EQ(grey.At(0, 31), 0x808080u);
    EXPECT_EQ(white.At(0, 31), 0xFFFFFFu);
}

}  // namespace
