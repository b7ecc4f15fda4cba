// Combo box states and rectangles, and the check / radio glyph strips built from a skin's frames.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/combo_layout.h"
#include "skin/controls/glyph_strip.h"

namespace {

using namespace skin::controls;

TEST(ControlsComboLayout, StateIndexAndBothLayouts) {
    EXPECT_EQ(ComboStateIndex(false, false, true), 1);
    EXPECT_EQ(ComboStateIndex(true, true, true), 2);
    EXPECT_EQ(ComboStateIndex(false, false, false), 3);
    EXPECT_EQ(ComboStateIndex(false, true, true), 4);
    EXPECT_EQ(ComboStateIndex(true, false, false), 2);

    const Rect r{0, 0, 120, 24};
    EXPECT_EQ(LayoutCombo(r, 17, false), (ComboLayout{{2, 2, 99, 22}, {101, 0, 120, 24}, {101, 0, 118, 24}}));
    EXPECT_EQ(LayoutCombo(r, 17, true), (ComboLayout{{21, 2, 118, 22}, {0, 0, 19, 24}, {2, 0, 19, 24}}));
    // The two layouts mirror each other's button.
    const ComboLayout n = LayoutCombo(r, 17, false), m = LayoutCombo(r, 17, true);
    EXPECT_EQ(n.Button.Width(), m.Button.Width());
    EXPECT_EQ(r.Right - n.Button.Right, m.Button.Left - r.Left);
}

// A strip of `frames` frames of 3 x 2 pixels, frame i filled with the value i + 1.
base::Bitmap Source(int frames) {
    base::Bitmap b(3 * frames, 2);
    for (int i = 0; i < frames; ++i) b.FillRect({3 * i, 0, 3 * i + 3, 2}, static_cast<base::Pixel>(i + 1));
    return b;
}

std::vector<base::Pixel> FrameValues(const base::Bitmap& strip, int frameWidth) {
    std::vector<base::Pixel> values;
    for (int x = 0; x < strip.Width(); x += frameWidth) values.push_back(strip.At(x + frameWidth - 1, 1));
    return values;
}

TEST(ControlsGlyphStrip, CheckAndRadioStripsTakeTheirFrames) {
    const base::Pixel m = base::kMagenta;
    const base::Bitmap four = BuildCheckGlyphStrip(Source(4), 4);
    ASSERT_EQ(four.Width(), 27);
    EXPECT_EQ(four.Height(), 2);
    EXPECT_EQ(FrameValues(four, 3), (std::vector<base::Pixel>{1, 2, m, 1, 2, m, 3, 4, m}));
    EXPECT_EQ(FrameValues(BuildCheckGlyphStrip(Source(5), 5), 3),
              (std::vector<base::Pixel>{1, 2, 5, 1, 2, 5, 3, 4, 5}));
    // A 12-frame source by meaning: unchecked 1, checked 5, disabled 4 and 8, grayed 9 and 12.
    EXPECT_EQ(FrameValues(BuildCheckGlyphStrip(Source(12), 12), 3),
              (std::vector<base::Pixel>{1, 5, 9, 1, 5, 9, 4, 8, 12}));
    // A two-frame source fills what it has.
    EXPECT_EQ(FrameValues(BuildCheckGlyphStrip(Source(2), 2), 3),
              (std::vector<base::Pixel>{1, 2, m, 1, 2, m, m, m, m}));

    const base::Bitmap radio = BuildRadioGlyphStrip(Source(4), 4);
    ASSERT_EQ(radio.Width(), 18);
    EXPECT_EQ(FrameValues(radio, 3), (std::vector<base::Pixel>{1, 2, 1, 2, 3, 4}));
    EXPECT_EQ(FrameValues(BuildRadioGlyphStrip(Source(8), 8), 3), (std::vector<base::Pixel>{1, 5, 1, 5, 4, 8}));

    EXPECT_TRUE(BuildCheckGlyphStrip(base::Bitmap{}, 4).Empty());
    // A count of 0 or below is one frame: the whole source, where unchecked glyphs go.
    for (const int count : {0, -1, -7}) {
        SCOPED_TRACE(count);
        const base::Bitmap check = BuildCheckGlyphStrip(Source(4), count);
        ASSERT_EQ(check.Width(), 9 * 12);
        EXPECT_EQ(check.At(11, 1), 4u);
        EXPECT_EQ(check.At(3 * 12 + 11, 1), 4u);
        EXPECT_EQ(check.At(12 + 11, 1), m);
        const base::Bitmap radio = BuildRadioGlyphStrip(Source(4), count);
        ASSERT_EQ(radio.Width(), 6 * 12);
        EXPECT_EQ(radio.At(2 * 12, 0), 1u);
        EXPECT_EQ(radio.At(12, 0), m);
    }
    EXPECT_TRUE(BuildRadioGlyphStrip(Source(2), 9).Empty());  // frames narrower than a pixel
}

}  // namespace
