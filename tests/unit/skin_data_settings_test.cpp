// The component's settings: stored bit order of the sets, defaults, the menu-kind
// adjustment after loading, the default class mapping and the display-only properties.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <map>
#include <string>

#include "skin/data/skin_3rd_defaults.h"
#include "skin/data/skin_data_settings.h"

namespace {

using skin::TSkinControls;
using skin::TSkinControlType;
using skin::TSkinOption;
using skin::TSkinOptions;

TEST(SkinDataSettingsSets, BitOfAMemberIsItsOrdinal) {
    const std::pair<TSkinControlType, std::uint32_t> controls[] = {
        {TSkinControlType::xcMainMenu, 1u << 0},   {TSkinControlType::xcMenuItem, 1u << 2},
        {TSkinControlType::xcCombo, 1u << 5},      {TSkinControlType::xcButton, 1u << 11},
        {TSkinControlType::xcTab, 1u << 17},       {TSkinControlType::xcSystemMenu, 1u << 18},
        {TSkinControlType::xcFastReport, 1u << 19}};
    for (const auto& [member, bit] : controls) {
        EXPECT_EQ(TSkinControls{member}.ToBits(), bit);
    }
    EXPECT_EQ(TSkinOptions{TSkinOption::xoMDIScrollbar}.ToBits(), 1u);
    EXPECT_EQ(TSkinOptions{TSkinOption::xoPreview}.ToBits(), 8u);
    EXPECT_EQ(TSkinOptions{TSkinOption::xoNoFocusRect}.ToBits(), 32u);
}

TEST(SkinDataSettingsSets, StoredBitsRoundTripAndUnknownBitsAreDropped) {
    EXPECT_EQ(TSkinControls::FromBits(0x7FFFB).ToBits(), 0x7FFFBu);
    EXPECT_EQ(TSkinControls::FromBits(0xFFFFFFFF).ToBits(), 0xFFFFFu);
    EXPECT_EQ(TSkinOptions::FromBits(0xFF).ToBits(), 0x3Fu);
    EXPECT_TRUE(TSkinOptions::FromBits(0x40).Empty());
}

TEST(SkinDataSettingsDefaults, ControlsHoldEveryKindButMenuItemAndFastReport) {
    for (std::size_t i = 0; i < skin::kSkinControlTypeCount; ++i) {
        const auto member = static_cast<TSkinControlType>(i);
        const bool optIn = member == TSkinControlType::xcMenuItem || member == TSkinControlType::xcFastReport;
        EXPECT_EQ(skin::kDefaultSkinControls.Contains(member), !optIn) << "ordinal " << i;
    }
    EXPECT_EQ(skin::kDefaultSkinOptions, TSkinOptions{TSkinOption::xoPreview});
}

struct AdjustCase {
    std::uint32_t stored;
    std::uint32_t expected;
    friend void PrintTo(const AdjustCase& c, std::ostream* os) { *os << "stored 0x" << std::hex << c.stored; }
};

class SkinDataSettingsLoaded : public testing::TestWithParam<AdjustCase> {};

TEST_P(SkinDataSettingsLoaded, ReconcilesTheMenuKinds) {
    EXPECT_EQ(skin::AdjustLoadedSkinControls(TSkinControls::FromBits(GetParam().stored)).ToBits(), GetParam().expected);
}

// bit 0 xcMainMenu, bit 2 xcMenuItem, bit 18 xcSystemMenu
INSTANTIATE_TEST_SUITE_P(Rows, SkinDataSettingsLoaded,
                         testing::Values(AdjustCase{0x7FFFB, 0x7FFFB}, AdjustCase{0x7FFFF, 0x7FFFB},
                                         AdjustCase{0x7FFFA, 0x3FFFA}, AdjustCase{0x7FFFE, 0x3FFFE},
                                         AdjustCase{0x40004, 0x00004}, AdjustCase{0x00005, 0x00001},
                                         AdjustCase{0xFFFFF, 0xFFFFB}, AdjustCase{0, 0}));

TEST(SkinDataSettingsSkin3rd, ListHasTheShippedLinesInOrder) {
    const auto lines = skin::DefaultSkin3rd();
    ASSERT_EQ(lines.size(), 117u);
    EXPECT_EQ(lines.front(), "TVirtualStringTree=scrollbar");
    EXPECT_EQ(lines[1], "TVirtualDrawTree=scrollbar");
    EXPECT_EQ(lines[13], "TAdvPageControl=nil");
    EXPECT_EQ(lines.back(), "TOVCDBNUMERICFIELD=Edit");
    EXPECT_EQ(lines[lines.size() - 2], "TOVCNUMERICFIELD=Edit");
}

TEST(SkinDataSettingsSkin3rd, ExactlyThreeLinesOccurTwice) {
    std::map<std::string, int> counts;
    for (auto line : skin::DefaultSkin3rd()) ++counts[std::string(line)];
    std::map<std::string, int> repeated;
    for (const auto& [line, n] : counts) {
        if (n > 1) repeated[line] = n;
    }
    const std::map<std::string, int> expected{
        {"TDBCheckboxEh=Checkbox", 2}, {"TLMDFontSizeCombobox=combobox", 2}, {"TWWDBCombobox=Combobox", 2}};
    EXPECT_EQ(repeated, expected);
}

TEST(SkinDataSettingsSkin3rd, EveryLineIsOneClassAndOneKind) {
    for (auto line : skin::DefaultSkin3rd()) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '='), 1) << line;
        EXPECT_EQ(line.find_first_of(" \t,"), std::string_view::npos) << line;
        EXPECT_EQ(line.front(), 'T') << line;
        EXPECT_NE(line.back(), '=') << line;
    }
    const auto editable = skin::DefaultSkin3rdLines();
    EXPECT_TRUE(
        std::equal(editable.begin(), editable.end(), skin::DefaultSkin3rd().begin(), skin::DefaultSkin3rd().end()));
}

TEST(SkinDataSettingsDisplay, SkinStoreTellsNothingAtRunTime) {
    EXPECT_EQ(skin::SkinStoreText(false, true), "(none)");
    EXPECT_EQ(skin::SkinStoreText(false, false), "(none)");
    EXPECT_EQ(skin::SkinStoreText(true, true), "(Good)");
    EXPECT_EQ(skin::SkinStoreText(true, false), "(none)");
    EXPECT_EQ(skin::kSkinDataVersion, "1.0.0.0");
}

}  // namespace
