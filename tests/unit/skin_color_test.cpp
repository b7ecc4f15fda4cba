// Color texts and color keys of skin definitions.

#include <gtest/gtest.h>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_loader.h"
#include "unit/skin_loader_fixture.h"

namespace {

using skin::ParseColor;

TEST(SkinColorParse, ThreeNumbersGiveRedGreenBlue) {
    EXPECT_EQ(ParseColor("130 31 12"), MakeRgb(130, 31, 12));
    EXPECT_EQ(ParseColor("  130   31\t12  "), MakeRgb(130, 31, 12));
    EXPECT_EQ(ParseColor("1,2;3"), MakeRgb(1, 2, 3));
    EXPECT_EQ(ParseColor("rgb(4, 5, 6)"), MakeRgb(4, 5, 6));
    // Encoding is 0x00BBGGRR.
    EXPECT_EQ(ParseColor("1 2 3"), TColor{0x030201});
}

TEST(SkinColorParse, ComponentsKeepTheirLowEightBits) {
    EXPECT_EQ(ParseColor("300 0 0"), MakeRgb(300 % 256, 0, 0));
    EXPECT_EQ(ParseColor("256 511 1000"), MakeRgb(0, 511 % 256, 1000 % 256));
    // A run of digits far beyond 32 bits neither overflows nor fails: 10^30 mod 256.
    unsigned expected = 1;
    for (int i = 0; i < 30; ++i) expected = (expected * 10) % 256;
    EXPECT_EQ(ParseColor("1000000000000000000000000000000 7 7"), MakeRgb(static_cast<std::uint8_t>(expected), 7, 7));
}

TEST(SkinColorParse, NumberEndingTheTextCountsOnlyAsBlue) {
    // Two numbers: the second ends the text and is dropped.
    EXPECT_EQ(ParseColor("10 20"), MakeRgb(10, 0, 0));
    // One number alone is dropped as well.
    EXPECT_EQ(ParseColor("255"), MakeRgb(0, 0, 0));
    // A separator after the last number stores it like any other.
    EXPECT_EQ(ParseColor("10 20,"), MakeRgb(10, 20, 0));
    EXPECT_EQ(ParseColor("10,"), MakeRgb(10, 0, 0));
}

TEST(SkinColorParse, ExtraNumbersAndMissingDigits) {
    EXPECT_EQ(ParseColor("1 2 3 4"), MakeRgb(1, 2, 3));
    EXPECT_EQ(ParseColor("1 2 3 4 5 6 7 8 9"), MakeRgb(1, 2, 3));
    EXPECT_EQ(ParseColor("blue"), clBlack);
    EXPECT_EQ(ParseColor(""), clBlack);
    EXPECT_EQ(ParseColor("   "), clBlack);
    EXPECT_EQ(ParseColor("-5 -6 -7"), MakeRgb(5, 6, 7));
    // A byte 0 or high bytes are just separators.
    EXPECT_EQ(ParseColor(std::string_view("9\0"
                                          "8\xff"
                                          "7",
                                          5)),
              MakeRgb(9, 8, 7));
}

class SkinColorKeys : public ::testing::Test {
protected:
    void SetUp() override {
        ini_.LoadFromStream(
            std::string_view("[Colours]\n"
                             "Full=130 31 12\n"
                             "Empty=\n"
                             "Words=none\n"
                             "[Personality]\n"
                             "ActiveTextR=1\nActiveTextG=2\nActiveTextB=3\n"
                             "HalfR=1\nHalfG=2\n"
                             "NegR=1\nNegG=-2\nNegB=3\n"
                             "WideR=257\nWideG=0x1FF\nWideB=$10\n"
                             "BadR=1\nBadG=2\nBadB=3x\n"));
    }
    skin::TQuickIni ini_;
};

TEST_F(SkinColorKeys, ReadColorUsesFallbackOnlyForAbsentOrEmptyValues) {
    constexpr TColor fallback = clBtnFace;
    EXPECT_EQ(skin::ReadColor(ini_, "Colours", "Full", fallback), MakeRgb(130, 31, 12));
    EXPECT_EQ(skin::ReadColor(ini_, "colours", "FULL", fallback), MakeRgb(130, 31, 12));
    EXPECT_EQ(skin::ReadColor(ini_, "Colours", "Empty", fallback), fallback);
    EXPECT_EQ(skin::ReadColor(ini_, "Colours", "Missing", fallback), fallback);
    EXPECT_EQ(skin::ReadColor(ini_, "NoSection", "Full", fallback), fallback);
    EXPECT_EQ(skin::ReadColor(ini_, "Colours", "Words", fallback), clBlack);
}

TEST_F(SkinColorKeys, ReadRgbNeedsAllThreeNonNegativeKeys) {
    TColor color = skin::kColorNotGiven;
    skin::ReadRGB(ini_, "Personality", "ActiveText", color);
    EXPECT_EQ(color, MakeRgb(1, 2, 3));

    for (const char* prefix : {"Half", "Neg", "Bad", "Missing"}) {
        color = skin::kColorNotGiven;
        skin::ReadRGB(ini_, "Personality", prefix, color);
        EXPECT_EQ(color, skin::kColorNotGiven) << prefix;
    }

    color = 0;
    skin::ReadRGB(ini_, "Personality", "Wide", color);
    EXPECT_EQ(color, MakeRgb(257 & 0xFF, 0x1FF & 0xFF, 0x10));
}

TEST(SkinColorTable, DefaultsAndOrderOfColorSections) {
    skin::TSkinObjects objects;
    // Colors absent: every color takes its system default.
    ASSERT_TRUE(skintest::SkinPackage("[Personality]\n").LoadInto(objects).Ok());
    EXPECT_EQ(objects.WindowTextColor, clWindowText);
    EXPECT_EQ(objects.ButtonFaceColor, clBtnFace);
    EXPECT_EQ(objects.ScrollbarColor, clScrollBar);
    EXPECT_EQ(objects.MenuBarColor, clBtnFace);
    EXPECT_EQ(objects.ButtonLightColor, clBtnHighlight);
    EXPECT_EQ(objects.TitleTextInactiveColor, clInactiveCaptionText);
    for (TColor c : objects.CustomColors) EXPECT_EQ(c, clWhite);
    EXPECT_TRUE(objects.SectionColors.empty());

    const std::string definition =
        "[Colour.Second]\ncolor=1 1 1\n"
        "[colours]\nButtonFace=10 20 30\nTitleTextNoActive=5 6 7\nButtonText=40 50 60\n"
        "[COLOURFIRST]\nColor=2 2 2\n"
        "[Colour3]\nother=1\n"
        "[Customcolors]\nColor0=9 9 9\nColor9=8 8 8\nColor10=7 7 7\n"
        "[TitlebarSkin]\nSkinName=Plain\n";
    ASSERT_TRUE(skintest::SkinPackage(definition).LoadInto(objects).Ok());
    EXPECT_EQ(objects.ButtonFaceColor, MakeRgb(10, 20, 30));
    // The menu bar defaults to the button face just read.
    EXPECT_EQ(objects.MenuBarColor, MakeRgb(10, 20, 30));
    EXPECT_EQ(objects.TitleTextInactiveColor, MakeRgb(5, 6, 7));
    EXPECT_EQ(objects.ButtonTextColor, MakeRgb(40, 50, 60));
    const std::vector<TColor> expectedSections = {MakeRgb(1, 1, 1), MakeRgb(2, 2, 2), clWindowText};
    EXPECT_EQ(objects.SectionColors, expectedSections);
    EXPECT_EQ(objects.CustomColors[0], MakeRgb(9, 9, 9));
    EXPECT_EQ(objects.CustomColors[9], MakeRgb(8, 8, 8));
    EXPECT_EQ(objects.CustomColors[5], clWhite);
    EXPECT_EQ(objects.SkinName, "Plain");
}

}  // namespace
