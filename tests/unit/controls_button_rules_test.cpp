// Push-button frames, glyph placement and the check-box / radio-button glyph frames.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/button_rules.h"
#include "skin/controls/check_glyph.h"

namespace {

using namespace skin::controls;

TEST(ControlsButtonRules, FrameByStateForEachButtonKind) {
    struct Case {
        ButtonFacts facts;
        int push, bit, speed;
    };
    const std::vector<Case> cases = {
        {{}, 1, 1, 1},
        {{.Focused = true}, 4, 4, 1},
        {{.Default = true}, 5, 5, 1},
        {{.Focused = true, .Default = true}, 5, 4, 1},
        {{.Default = true, .Pressed = true}, 2, 2, 2},
        {{.Default = true, .Hot = true}, 4, 4, 4},
        {{.Pressed = true, .Hot = true}, 2, 2, 2},
        {{.Default = true, .Pressed = true, .Disabled = true}, 3, 3, 3},
        {{.Hot = true, .Disabled = true}, 3, 3, 3},
        {{.Disabled = true, .Down = true}, 3, 3, 2},
        {{.Hot = true, .Down = true}, 4, 4, 2},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PushButtonFrame(cases[i].facts), cases[i].push);
        EXPECT_EQ(BitButtonFrame(cases[i].facts), cases[i].bit);
        EXPECT_EQ(SpeedButtonFrame(cases[i].facts), cases[i].speed);
    }
    const int glyphFrames[] = {1, 3, 2, 1, 1};
    for (int state = 1; state <= 5; ++state) EXPECT_EQ(GlyphFrameForButton(state), glyphFrames[state - 1]);
}

TEST(ControlsButtonRules, GlyphLayoutTable) {
    struct Case {
        const char* what;
        GlyphLayoutInput in;
        GlyphLayoutResult out;
    };
    // A 100 x 30 button, a 16 x 16 glyph, a 40 x 13 caption unless said otherwise.
    auto in = [](GlyphLayout layout, int margin, int spacing) {
        return GlyphLayoutInput{100, 30, 16, 16, 40, 13, margin, spacing, layout, false, false};
    };
    GlyphLayoutInput centred = in(GlyphLayout::Left, 10, 4);
    centred.Centre = true;
    GlyphLayoutInput noText = in(GlyphLayout::Left, -1, 4);
    noText.TextWidth = noText.TextHeight = 0;
    GlyphLayoutInput speed = in(GlyphLayout::Left, -1, 4);
    speed.SpeedButton = true;
    GlyphLayoutInput tall = in(GlyphLayout::Top, -1, 2);
    tall.Height = 60;
    GlyphLayoutInput bottom = in(GlyphLayout::Bottom, 3, -1);
    bottom.Height = 60;
    const std::vector<Case> cases = {
        {"left, centred", in(GlyphLayout::Left, -1, 4), {20, 7, 40, 9, 20, 4}},
        {"left, margin and spacing", in(GlyphLayout::Left, 5, 4), {5, 7, 25, 9, 5, 4}},
        {"left, spread evenly", in(GlyphLayout::Left, -1, -1), {14, 7, 44, 9, 14, 14}},
        {"left, margin, spacing spread", in(GlyphLayout::Left, 6, -1), {6, 7, 41, 9, 6, 19}},
        {"right, margin", in(GlyphLayout::Right, 5, 4), {79, 7, 35, 9, 5, 4}},
        {"alignment centre ignores the margin", centred, {20, 7, 40, 9, 20, 4}},
        {"no caption: the glyph alone is centred", noText, {42, 7, 58, 15, 42, 0}},
        {"speed button: one pixel further", speed, {21, 7, 41, 9, 21, 4}},
        {"top", tall, {42, 14, 30, 32, 14, 2}},
        {"bottom, spacing spread", bottom, {42, 41, 30, 14, 3, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LayOutGlyph(c.in), c.out);
    }
}

TEST(ControlsButtonRules, CheckGlyphFrameTable) {
    using V = CheckValue;
    struct Case {
        int count;
        V value;
        bool disabled, radio;
        int frame;
    };
    const std::vector<Case> cases = {
        {4, V::Unchecked, false, false, 1},      {4, V::Checked, false, false, 2},
        {4, V::Unchecked, true, false, 3},       {4, V::Checked, true, false, 4},
        {4, V::Indeterminate, false, false, 4},  {4, V::Indeterminate, true, false, 4},
        {12, V::Unchecked, false, false, 1},     {12, V::Checked, false, false, 5},
        {12, V::Unchecked, true, false, 4},      {12, V::Checked, true, false, 8},
        {12, V::Indeterminate, false, false, 9}, {12, V::Indeterminate, true, false, 12},
        {8, V::Unchecked, false, true, 1},       {8, V::Checked, false, true, 5},
        {8, V::Unchecked, true, true, 4},        {8, V::Checked, true, true, 8},
        {4, V::Checked, true, true, 4},          {2, V::Checked, true, false, 2},
        {1, V::Checked, false, true, 1},         {3, V::Indeterminate, false, false, 3},
        {8, V::Checked, false, false, 2},        {0, V::Checked, false, false, 1},
        {-3, V::Unchecked, false, true, 1},      {-1, V::Checked, true, false, 1},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        EXPECT_EQ(CheckGlyphFrame(c.count, c.value, c.disabled, c.radio), c.frame);
    }
}

}  // namespace
