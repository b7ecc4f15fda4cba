// The class filter of the form skin decision: the preview rule and the default
// component's own filter (its handler, or the month-calendar and FastReport rules).
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "skin/manager/accept_window_class.h"

namespace {

using skin::TSkinControls;
using skin::TSkinControlType;
using skin::TSkinOption;
using skin::TSkinOptions;
using skin::manager::AcceptWindowClass;
using skin::manager::WindowFilterSettings;

WindowFilterSettings Settings(TSkinOptions options, TSkinControls controls = skin::kDefaultSkinControls) {
    return WindowFilterSettings{options, controls, {}};
}

struct ClassCase {
    const char* className;
    bool withPreviewOption;
    bool withFastReport;
    bool expected;
    friend void PrintTo(const ClassCase& c, std::ostream* os) {
        *os << c.className << (c.withPreviewOption ? " +preview" : "") << (c.withFastReport ? " +fastreport" : "");
    }
};

class ManagerAcceptWindowClass : public testing::TestWithParam<ClassCase> {};

TEST_P(ManagerAcceptWindowClass, BuiltInRules) {
    const ClassCase& c = GetParam();
    TSkinOptions options;
    if (c.withPreviewOption) options.Include(TSkinOption::xoPreview);
    TSkinControls controls = skin::kDefaultSkinControls;
    if (c.withFastReport) controls.Include(TSkinControlType::xcFastReport);
    const WindowFilterSettings settings = Settings(options, controls);
    EXPECT_EQ(AcceptWindowClass(c.className, &settings), c.expected) << c.className;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ManagerAcceptWindowClass,
    testing::Values(ClassCase{"TForm1", false, false, true}, ClassCase{"TPreviewForm", false, false, false},
                    ClassCase{"TPreviewForm", true, false, true}, ClassCase{"TfrmPrintPREVIEW", false, false, false},
                    ClassCase{"TfrmPrintPREVIEW", true, false, true}, ClassCase{"pReViEw", false, false, false},
                    ClassCase{"TPreviw", false, false, true}, ClassCase{"SysMonthCal32", true, false, false},
                    ClassCase{"sysmonthcal32", true, false, true}, ClassCase{"SysMonthCal32x", true, false, true},
                    ClassCase{"TfrDesignerForm", true, true, false}, ClassCase{"TfrDesignerForm", true, false, true},
                    ClassCase{"TFRDesignerForm", true, true, true}, ClassCase{"TfrPreviewForm", true, false, true},
                    ClassCase{"TfrPreviewForm", false, false, false}));

TEST(ManagerAcceptWindowClassDefault, WithoutDefaultComponentEveryClassIsAccepted) {
    for (const char* name : {"TPreviewForm", "SysMonthCal32", "TfrDesignerForm", ""}) {
        EXPECT_TRUE(AcceptWindowClass(name, nullptr)) << name;
    }
}

TEST(ManagerAcceptWindowClassHandler, HandlerSeesTheAnswerSoFarAndAloneDecides) {
    std::vector<std::pair<std::string, bool>> seen;
    WindowFilterSettings settings = Settings({});
    settings.controls.Include(TSkinControlType::xcFastReport);
    settings.onFormSkin = [&seen](std::string_view name, bool& doSkin) {
        seen.emplace_back(std::string(name), doSkin);
        doSkin = name != "TForm1";
    };

    EXPECT_TRUE(AcceptWindowClass("TPreviewForm", &settings));
    EXPECT_TRUE(AcceptWindowClass("SysMonthCal32", &settings));
    EXPECT_TRUE(AcceptWindowClass("TfrDesignerForm", &settings));
    EXPECT_FALSE(AcceptWindowClass("TForm1", &settings));

    const std::vector<std::pair<std::string, bool>> expected{
        {"TPreviewForm", false}, {"SysMonthCal32", true}, {"TfrDesignerForm", true}, {"TForm1", true}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
