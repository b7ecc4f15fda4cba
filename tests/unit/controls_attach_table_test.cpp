// Which skin a control gets: the ordered table for framework controls, the Skin3rd mapping and
// the bare-window table by class and style.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/attach_table.h"
#include "skin/controls/status_bar_layout.h"
#include "skin/controls/tool_button_frame.h"

namespace {

using skin::TSkinControls;
using skin::TSkinControlType;
using skin::controls::ActOnKeyword;
using skin::controls::AttachDecision;
using skin::controls::AttachExtra;
using skin::controls::BareDecision;
using skin::controls::ChooseBareWindowSkin;
using skin::controls::ChooseBuiltInSkin;
using skin::controls::ControlFacts;
using skin::controls::FindMappingKeyword;
using skin::controls::SkinKind;
using skin::controls::TagDisablesSkin;

TSkinControls Without(TSkinControlType type) {
    TSkinControls set = skin::kDefaultSkinControls;
    set.Exclude(type);
    return set;
}

ControlFacts Named(const char* upper) {
    ControlFacts f;
    f.ClassUpper = upper;
    return f;
}

TEST(ControlsAttachTable, TheControlsOfThisProgramAndTheirRows) {
    struct Case {
        const char* name;
        ControlFacts facts;
        AttachDecision expected;
    };
    auto facts = [](const char* upper, auto set) {
        ControlFacts f = Named(upper);
        set(f);
        return f;
    };
    const std::vector<Case> cases = {
        {"group box",
         facts("TGROUPBOX", [](auto& f) { f.IsCustomGroupBox = true; }),
         {14, SkinKind::GroupBox, true, AttachExtra::SkinOwned}},
        {"speed button", facts("TSPEEDBUTTON", [](auto& f) { f.IsSpeedButton = true; }), {26, SkinKind::SpeedButton}},
        {"memo (also an edit with scroll bars)",
         facts("TMEMO", [](auto& f) { f.IsCustomMemo = f.IsCustomEdit = f.HasScrollBars = true; }),
         {30, SkinKind::Scrollbar}},
        {"tree view", facts("TTREEVIEW", [](auto& f) { f.HasScrollBars = true; }), {32, SkinKind::Scrollbar}},
        {"button", facts("TBUTTON", [](auto& f) { f.IsButton = true; }), {33, SkinKind::Button}},
        {"edit", facts("TEDIT", [](auto& f) { f.IsCustomEdit = true; }), {34, SkinKind::Edit}},
        {"bit button before button",
         facts("TBITBTN", [](auto& f) { f.IsBitButton = f.IsButton = true; }),
         {25, SkinKind::BitButton}},
        {"radio group skins its buttons",
         facts("TRADIOGROUP", [](auto& f) { f.IsRadioGroup = f.IsCustomGroupBox = true; }),
         {10, SkinKind::GroupBox, true, AttachExtra::ChildrenRadio}},
        {"status bar grip off",
         facts("TSTATUSBAR", [](auto& f) { f.IsStatusBar = true; }),
         {17, SkinKind::StatusBar, false, AttachExtra::StatusBarGripOff}},
        {"panel",
         facts("TPANEL", [](auto& f) { f.IsCustomPanel = true; }),
         {27, SkinKind::Box, true, AttachExtra::SkinOwned}},
        {"tool bar",
         facts("TTOOLBAR", [](auto& f) { f.IsToolBar = true; }),
         {16, SkinKind::ToolBar, true, AttachExtra::ToolBar}},
        {"scroll bar control",
         facts("TSCROLLBAR", [](auto& f) { f.IsScrollBarControl = true; }),
         {19, SkinKind::ScControl}},
        {"list box",
         facts("TLISTBOX", [](auto& f) { f.IsColoredList = f.HasScrollBars = true; }),
         {31, SkinKind::Scrollbar, false, AttachExtra::ControlColor}},
        {"tab set without a tab object", facts("TTABSET", [](auto&) {}), {}},
        {"never skinned", facts("TFRPBOX", [](auto& f) { f.IsCustomPanel = true; }), {}},
        {"embedded form",
         facts("TFORM2", [](auto& f) { f.IsCustomForm = true; }),
         {37, SkinKind::Box, true, AttachExtra::SkinOwned}},
        {"date picker as time edit",
         facts("TDATETIMEPICKER", [](auto& f) { f.DatePickerAsEdit = true; }),
         {22, SkinKind::Edit}},
        {"dc edit with one button", facts("TDCEDIT", [](auto& f) { f.NumButtons = 1; }), {35, SkinKind::ComBox}},
        {"dc edit without buttons",
         facts("TDCEDIT", [](auto& f) { f.NumButtons = 0; }),
         {35, SkinKind::Edit, false, AttachExtra::ByHandle}},
        {"dc edit without the property", facts("TDCEDIT", [](auto&) {}), {35, SkinKind::None}},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseBuiltInSkin(c.facts, skin::kDefaultSkinControls), c.expected) << c.name;
}

TEST(ControlsAttachTable, FlagsThatAreOffEndTheWalkOnlyWhereTheTableSaysSo) {
    ControlFacts bitButton = Named("TBITBTN");
    bitButton.IsBitButton = bitButton.IsButton = true;
    EXPECT_EQ(ChooseBuiltInSkin(bitButton, Without(TSkinControlType::xcBitBtn)), (AttachDecision{25, SkinKind::None}));

    ControlFacts groupBox = Named("TGROUPBOX");
    groupBox.IsCustomGroupBox = true;
    EXPECT_EQ(ChooseBuiltInSkin(groupBox, Without(TSkinControlType::xcGroupBox)).Kind, SkinKind::GroupBox);
    EXPECT_EQ(ChooseBuiltInSkin(groupBox, Without(TSkinControlType::xcPanel)).Row, 0);

    ControlFacts memo = Named("TMEMO");
    memo.IsCustomMemo = memo.IsCustomEdit = true;
    EXPECT_EQ(ChooseBuiltInSkin(memo, Without(TSkinControlType::xcScrollbar)), (AttachDecision{34, SkinKind::Edit}));

    ControlFacts pages = Named("TPAGECONTROL");
    pages.IsPageControl = true;
    EXPECT_EQ(ChooseBuiltInSkin(pages, skin::kDefaultSkinControls).Row, 0);
    pages.SkinHasTabObject = true;
    EXPECT_EQ(ChooseBuiltInSkin(pages, skin::kDefaultSkinControls), (AttachDecision{1, SkinKind::Tab}));
}

TEST(ControlsAttachTable, DisableTagUsesTheRemainderWithTheSignOfTheTag) {
    EXPECT_TRUE(TagDisablesSkin(99, 99));
    EXPECT_TRUE(TagDisablesSkin(199, 99));
    EXPECT_FALSE(TagDisablesSkin(-1, 99));
    EXPECT_FALSE(TagDisablesSkin(98, 99));
    EXPECT_TRUE(TagDisablesSkin(-199, -99));
}

TEST(ControlsAttachTable, MappingLinesMatchWholeClassNamesInAnyCaseAndTheFirstWins) {
    const std::vector<std::string> lines = {"TLMDGroupBox=Groupbox", "TLMDGROUPBOX=Panel", "TAdvPageControl=nil",
                                            "TComboboxex=combobox", "TMyButtonLong=button"};
    EXPECT_EQ(FindMappingKeyword(lines, "tlmdgroupbox"), "groupbox");
    EXPECT_EQ(FindMappingKeyword(lines, "TAdvPageControl"), "nil");
    EXPECT_EQ(FindMappingKeyword(lines, "TMyButton"), std::nullopt);
    EXPECT_EQ(FindMappingKeyword(lines, ""), std::nullopt);
    const std::vector<std::string> longKeyword = {"TX=" + std::string(80, 'k')};
    EXPECT_EQ(FindMappingKeyword(longKeyword, "TX")->size(), 50u);
}

TEST(ControlsAttachTable, KeywordsAttachByTheirFlags) {
    const auto all = skin::kDefaultSkinControls;
    EXPECT_EQ(ActOnKeyword("nil", all, true, "X").Kind, SkinKind::None);
    EXPECT_EQ(ActOnKeyword("panel", all, true, "X"),
              (skin::controls::MappingAction{.Kind = SkinKind::Box, .SetColor = true, .TransparentOn = true}));
    EXPECT_EQ(ActOnKeyword("bitbtn", Without(TSkinControlType::xcBitBtn), true, "X").Kind, SkinKind::BitButton);
    EXPECT_EQ(ActOnKeyword("bitbtn", Without(TSkinControlType::xcButton), true, "X").Kind, SkinKind::None);
    EXPECT_EQ(ActOnKeyword("tab", all, false, "X").Kind, SkinKind::None);
    EXPECT_EQ(ActOnKeyword("radiogroup", all, true, "TRZRADIOGROUP").ChildKind, SkinKind::ObjImageRadio);
    EXPECT_EQ(ActOnKeyword("checkgroup", all, true, "TCHECKGROUP").ChildKind, SkinKind::CheckBox);
    EXPECT_EQ(ActOnKeyword("checkgroup", Without(TSkinControlType::xcGroupBox), true, "T").Kind, SkinKind::None);
    EXPECT_TRUE(ActOnKeyword("edit", all, true, "X").BorderedOnly);
    EXPECT_TRUE(ActOnKeyword("container", all, true, "X").Container);
    EXPECT_EQ(ActOnKeyword("unknown", all, true, "X"), skin::controls::MappingAction{});
}

TEST(ControlsAttachTable, BareWindowsByClassAndButtonType) {
    struct Case {
        const char* className;
        std::uint32_t style;
        SkinKind expected;
    };
    const std::vector<Case> cases = {
        {"button", 0x0, SkinKind::Button},
        {"button", 0x1, SkinKind::Button},
        {"button", 0x2, SkinKind::CheckBox},
        {"button", 0x3, SkinKind::CheckBox},
        {"button", 0x5, SkinKind::CheckBox},
        {"button", 0x6, SkinKind::CheckBox},
        {"button", 0x4, SkinKind::RadioButton},
        {"button", 0x9, SkinKind::RadioButton},
        {"button", 0x7, SkinKind::None},
        {"button", 0xB, SkinKind::None},
        {"button", 0xA, SkinKind::None},
        {"button", 0xC, SkinKind::None},
        {"button", 0xE, SkinKind::None},
        {"button", 0x80, SkinKind::None},
        {"button", 0x10000 | 0x3, SkinKind::CheckBox},
        {"scrollbar", 0x0, SkinKind::ScControl},
        {"scrollbar", 0x1, SkinKind::ScControl},
        {"scrollbar", 0x10, SkinKind::Sizer},
        {"scrollbar", 0x08, SkinKind::Sizer},
        {"combobox", 0x2, SkinKind::ComBox},
        {"combobox", 0x1, SkinKind::None},
        {"systreeview32", 0, SkinKind::None},
        {"edit", 0, SkinKind::Edit},
        {"static", 0, SkinKind::None},
        {"#32770", 0x40000000, SkinKind::BoxH},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseBareWindowSkin(c.className, c.style, false).Kind, c.expected)
            << c.className << " style 0x" << std::hex << c.style;
    EXPECT_TRUE(ChooseBareWindowSkin("#32770", 0, false).SkinChildrenFirst);
    EXPECT_EQ(ChooseBareWindowSkin("tpanel", 0, false),
              (BareDecision{.SkinChildrenFirst = true, .SetControlColor = true}));
    EXPECT_EQ(ChooseBareWindowSkin("comboboxex32", 0, false).Kind, SkinKind::None);
    EXPECT_TRUE(ChooseBareWindowSkin("comboboxex32", 0, true).OnFirstChild);
}

TEST(ControlsStatusBarText, LeadingTabsAlignTheText) {
    using skin::controls::SplitStatusText;
    using skin::controls::TextAlign;
    EXPECT_EQ(SplitStatusText(L"Ready").Align, TextAlign::Left);
    EXPECT_EQ(SplitStatusText(L"\tMid").Text, L"Mid");
    EXPECT_EQ(SplitStatusText(L"\tMid").Align, TextAlign::Center);
    EXPECT_EQ(SplitStatusText(L"\t\tRight\tx").Text, L"Right\tx");
    EXPECT_EQ(SplitStatusText(L"\t\tRight").Align, TextAlign::Right);
    EXPECT_EQ(SplitStatusText(L"\t\t\t").Text, L"\t");
    EXPECT_EQ(SplitStatusText(L"").Text, L"");
}

TEST(ControlsToolButtonFrame, PressedBeatsHotBeatsDefault) {
    using skin::controls::ToolButtonFrame;
    using S = skin::controls::ToolButtonState;
    EXPECT_EQ(ToolButtonFrame(S{.Selected = true, .Hot = true}), 2);
    EXPECT_EQ(ToolButtonFrame(S{.Focused = true}), 4);
    EXPECT_EQ(ToolButtonFrame(S{.Default = true, .Hot = true}), 4);
    EXPECT_EQ(ToolButtonFrame(S{.Default = true}), 1);
    EXPECT_EQ(ToolButtonFrame(S{.Disabled = true, .Default = true}), 0);
    EXPECT_EQ(ToolButtonFrame(S{.Grayed = true, .Default = true}), 0);
    EXPECT_EQ(ToolButtonFrame(S{}), 0);
}

}  // namespace
