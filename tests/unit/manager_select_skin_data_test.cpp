// Which registered component applies to a window, and which one is the default.
#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <vector>

#include "skin/manager/select_skin_data.h"
#include "skin/manager/skin_data_list.h"

namespace {

using skin::TSkinFormType;
using skin::manager::SelectSkinData;
using skin::manager::SkinDataDescriptor;
using skin::manager::SkinDataList;
using skin::manager::WindowId;

constexpr WindowId kWindow = 0x1234;
constexpr WindowId kOtherWindow = 0x5678;

SkinDataDescriptor Main() { return {TSkinFormType::sfMainform, 0, false}; }
SkinDataDescriptor Dialog() { return {TSkinFormType::sfDialog, 0, false}; }
SkinDataDescriptor Dll() { return {TSkinFormType::sfDLL, 0, false}; }
SkinDataDescriptor OnlyForm(WindowId owner) { return {TSkinFormType::sfOnlyThisForm, owner, false}; }

struct SelectCase {
    const char* name;
    std::vector<SkinDataDescriptor> registered;
    const char* className;
    std::optional<std::size_t> expected;
    friend void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }
};

class ManagerSelectSkinData : public testing::TestWithParam<SelectCase> {};

TEST_P(ManagerSelectSkinData, PicksTheComponent) {
    const SelectCase& c = GetParam();
    EXPECT_EQ(SelectSkinData(c.registered, kWindow, c.className), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ManagerSelectSkinData,
    testing::Values(SelectCase{"NoneRegistered", {}, "TForm1", std::nullopt},
                    SelectCase{"SingleMainform", {Main()}, "TForm1", 0},
                    SelectCase{"LastMainformWins", {Main(), Dll(), Main()}, "TForm1", 2},
                    SelectCase{"OwnFormComponentBeatsMainform", {OnlyForm(kWindow), Main()}, "TForm1", 0},
                    SelectCase{"LastOwnFormComponentWins", {OnlyForm(kWindow), Main(), OnlyForm(kWindow)}, "TForm1", 2},
                    SelectCase{"OtherFormsComponentIgnored", {Main(), OnlyForm(kOtherWindow)}, "TForm1", 0},
                    SelectCase{"OwnFormBeatsDialogForDialogBox", {Dialog(), OnlyForm(kWindow)}, "#32770", 1},
                    SelectCase{"DialogBoxTakesDialogComponent", {Main(), Dialog(), Main()}, "#32770", 1},
                    SelectCase{"MessageDialogAnyCase", {Main(), Dialog()}, "TMessageForm", 1},
                    SelectCase{"LastDialogComponentWins", {Dialog(), Main(), Dialog()}, "tmessageform", 2},
                    SelectCase{"OrdinaryWindowIgnoresDialogComponent", {Dialog(), Main()}, "TForm1", 1},
                    SelectCase{"DialogBoxFallsBackToMainform", {Main(), Dll()}, "#32770", 0},
                    SelectCase{"NoMatchFallsBackToFirst", {Dll(), Dialog()}, "TForm1", 0},
                    SelectCase{"NoMatchForeignOwnFormFallsBackToFirst", {OnlyForm(kOtherWindow), Dll()}, "TForm1", 0}),
    [](const testing::TestParamInfo<SelectCase>& info) { return info.param.name; });

TEST(ManagerSelectSkinDataNoWindow, ComponentWithoutOwnerIsNotOwnFormOfNoWindow) {
    const std::vector<SkinDataDescriptor> registered{Main(), OnlyForm(0)};
    EXPECT_EQ(SelectSkinData(registered, 0, "TForm1"), 0u);
}

TEST(ManagerSkinDataList, TwoMainformComponentsKeepTheFirstAsDefault) {
    SkinDataList list;
    const auto first = list.Add(TSkinFormType::sfMainform);
    const auto second = list.Add(TSkinFormType::sfMainform);
    EXPECT_EQ(list.Default(), first);
    EXPECT_EQ(std::vector(list.InOrder().begin(), list.InOrder().end()), (std::vector{first, second}));
    // ordinary windows take the one registered last
    const std::vector<SkinDataDescriptor> registered{Main(), Main()};
    EXPECT_EQ(SelectSkinData(registered, kWindow, "TForm1"), 1u);
}

TEST(ManagerSkinDataList, DefaultIsFirstMainformWhateverCameBefore) {
    SkinDataList list;
    list.Add(TSkinFormType::sfDialog);
    list.Add(TSkinFormType::sfOnlyThisForm);
    const auto main = list.Add(TSkinFormType::sfMainform);
    EXPECT_EQ(list.Default(), main);
}

TEST(ManagerSkinDataList, RemovingTheDefaultLeavesNoneUntilTheNextMainformRegisters) {
    SkinDataList list;
    const auto first = list.Add(TSkinFormType::sfMainform);
    const auto second = list.Add(TSkinFormType::sfMainform);
    EXPECT_TRUE(list.Remove(first));
    EXPECT_EQ(list.Default(), std::nullopt);
    EXPECT_TRUE(list.Contains(second));

    const auto third = list.Add(TSkinFormType::sfMainform);
    EXPECT_EQ(list.Default(), third);
    EXPECT_TRUE(list.Remove(second));
    EXPECT_EQ(list.Default(), third);
}

TEST(ManagerSkinDataList, HandlesAreNeverReusedAndStaleOnesAreRefused) {
    SkinDataList list;
    const auto gone = list.Add(TSkinFormType::sfMainform);
    EXPECT_TRUE(list.Remove(gone));
    EXPECT_FALSE(list.Remove(gone));
    const auto next = list.Add(TSkinFormType::sfMainform);
    EXPECT_NE(next, gone);
    EXPECT_FALSE(list.Contains(gone));
}

}  // namespace
