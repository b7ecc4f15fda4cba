// Which menu windows get a popup skin: the kind of menu against the component's
// SkinControls, child menu windows, and the order of the refusals.
#include <gtest/gtest.h>

#include <ostream>

#include "skin/manager/popup_skin_decision.h"

namespace {

using skin::TSkinControls;
using skin::TSkinControlType;
using skin::manager::DecidePopupSkin;
using skin::manager::IsTopLevelMenuWindow;
using skin::manager::MenuKindSkinned;
using skin::manager::PopupSkinFacts;
using skin::manager::PopupSkinVerdict;

struct KindCase {
    std::int32_t context;
    TSkinControls controls;
    bool expected;
    friend void PrintTo(const KindCase& c, std::ostream* os) {
        *os << "context " << c.context << " controls 0x" << std::hex << c.controls.ToBits();
    }
};

class ManagerPopupMenuKind : public testing::TestWithParam<KindCase> {};

TEST_P(ManagerPopupMenuKind, NeedsTheMatchingControlKind) {
    EXPECT_EQ(MenuKindSkinned(GetParam().context, GetParam().controls), GetParam().expected);
}

using enum TSkinControlType;

INSTANTIATE_TEST_SUITE_P(
    Rows, ManagerPopupMenuKind,
    testing::Values(KindCase{0, {xcPopupMenu}, true}, KindCase{0, {xcMainMenu, xcMenuItem, xcSystemMenu}, false},
                    KindCase{1, {xcMainMenu}, true}, KindCase{1, {xcMenuItem}, true},
                    KindCase{1, {xcPopupMenu, xcSystemMenu}, false}, KindCase{2, {xcSystemMenu}, true},
                    KindCase{2, {xcMainMenu, xcPopupMenu, xcMenuItem}, false}, KindCase{3, {}, true},
                    KindCase{-1, {}, true}, KindCase{0, skin::kDefaultSkinControls, true},
                    KindCase{1, skin::kDefaultSkinControls, true}, KindCase{2, skin::kDefaultSkinControls, true}));

TEST(ManagerPopupMenuWindow, OnlyTopLevelMenuWindowsQualify) {
    EXPECT_TRUE(IsTopLevelMenuWindow("#32768", false));
    EXPECT_FALSE(IsTopLevelMenuWindow("#32768", true));
    EXPECT_FALSE(IsTopLevelMenuWindow("#32770", false));
    EXPECT_FALSE(IsTopLevelMenuWindow("#32768 ", false));
}

PopupSkinFacts SkinnableMenu() {
    PopupSkinFacts f;
    f.enabled = true;
    f.skinDataFound = true;
    f.controls = skin::kDefaultSkinControls;
    return f;
}

TEST(ManagerPopupSkinDecision, SystemMenuWithoutSystemMenuSkinIsLeftToWindows) {
    PopupSkinFacts f = SkinnableMenu();
    f.menuContext = skin::manager::kMenuContextSystemMenu;
    f.controls.Exclude(xcSystemMenu);
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::MenuKindOff);
    f.controls.Include(xcSystemMenu);
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::SkinIt);
}

TEST(ManagerPopupSkinDecision, RefusalsInOrder) {
    PopupSkinFacts f = SkinnableMenu();
    f.controls = {};
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::MenuKindOff);
    f.skinDataEmpty = true;
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::SkinDataEmpty);
    f.skinDataFound = false;
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::NoSkinData);
    f.hasPopupSkin = true;
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::HasPopupSkin);
    f.answersIsSkinned = true;
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::AnswersIsSkinned);
    f.enabled = false;
    EXPECT_EQ(DecidePopupSkin(f), PopupSkinVerdict::ManagerDisabled);
}

}  // namespace
