// The rules that decide whether an activated window gets a form skin, and their order.
#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

#include "skin/manager/form_skin_decision.h"

namespace {

using skin::manager::DecideFormSkin;
using skin::manager::FormSkinFacts;
using skin::manager::FormSkinVerdict;

// A top-level form of this module with a loaded skin: every rule passes.
FormSkinFacts SkinnableForm() {
    FormSkinFacts f;
    f.enabled = true;
    f.hasFrameworkForm = true;
    f.formTag = 0;
    f.sameModule = true;
    f.className = "TForm2";
    f.width = 320;
    f.height = 140;
    f.acceptsClass = [] { return true; };
    f.skinDataFound = true;
    return f;
}

struct DecisionCase {
    const char* name;
    std::function<void(FormSkinFacts&)> change;
    FormSkinVerdict expected;
    friend void PrintTo(const DecisionCase& c, std::ostream* os) { *os << c.name; }
};

class ManagerFormSkinDecision : public testing::TestWithParam<DecisionCase> {};

TEST_P(ManagerFormSkinDecision, GivesTheFirstRefusalOrSkinsTheWindow) {
    FormSkinFacts facts = SkinnableForm();
    GetParam().change(facts);
    EXPECT_EQ(DecideFormSkin(facts), GetParam().expected) << "got " << skin::manager::ToString(DecideFormSkin(facts));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ManagerFormSkinDecision,
    testing::Values(
        DecisionCase{"OrdinaryForm", [](FormSkinFacts&) {}, FormSkinVerdict::SkinIt},
        DecisionCase{"ManagerDisabled", [](FormSkinFacts& f) { f.enabled = false; }, FormSkinVerdict::ManagerDisabled},
        DecisionCase{"AnswersIsSkinned", [](FormSkinFacts& f) { f.answersIsSkinned = true; },
                     FormSkinVerdict::AnswersIsSkinned},
        DecisionCase{"AlreadyHasFormSkin", [](FormSkinFacts& f) { f.hasFormSkin = true; },
                     FormSkinVerdict::HasFormSkin},
        DecisionCase{"ChildControlOfAForm",
                     [](FormSkinFacts& f) {
                         f.childStyle = true;
                         f.parentClassName = "TForm1";
                     },
                     FormSkinVerdict::EmbeddedChild},
        DecisionCase{"ChildWithoutParentClass", [](FormSkinFacts& f) { f.childStyle = true; },
                     FormSkinVerdict::EmbeddedChild},
        DecisionCase{"MdiChildAnyCaseOfClientClass",
                     [](FormSkinFacts& f) {
                         f.childStyle = true;
                         f.parentClassName = "MDIClient";
                     },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"ChildDuringActivationSweep",
                     [](FormSkinFacts& f) {
                         f.childStyle = true;
                         f.parentClassName = "TPanel";
                         f.forced = true;
                     },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"OtherModuleForm", [](FormSkinFacts& f) { f.sameModule = false; }, FormSkinVerdict::ForeignModule},
        DecisionCase{"OtherModuleDialogBox",
                     [](FormSkinFacts& f) {
                         f.sameModule = false;
                         f.hasFrameworkForm = false;
                         f.className = "#32770";
                     },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"OtherModuleMenuWindowIsNotADialog",
                     [](FormSkinFacts& f) {
                         f.sameModule = false;
                         f.className = "#32768";
                     },
                     FormSkinVerdict::ForeignModule},
        DecisionCase{"ZeroWidth", [](FormSkinFacts& f) { f.width = 0; }, FormSkinVerdict::ZeroSize},
        DecisionCase{"ZeroHeight", [](FormSkinFacts& f) { f.height = 0; }, FormSkinVerdict::ZeroSize},
        DecisionCase{"AreaNotCutByIntOverflow",
                     [](FormSkinFacts& f) {
                         f.width = 65536;
                         f.height = 65536;
                     },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"ExemptTag", [](FormSkinFacts& f) { f.formTag = 99; }, FormSkinVerdict::ExemptTag},
        DecisionCase{"TagNextToTheExemptOne", [](FormSkinFacts& f) { f.formTag = 98; }, FormSkinVerdict::SkinIt},
        DecisionCase{"TagIgnoredWithoutFrameworkForm",
                     [](FormSkinFacts& f) {
                         f.hasFrameworkForm = false;
                         f.formTag = 99;
                     },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"ApplicationWindow", [](FormSkinFacts& f) { f.className = "TApplication"; },
                     FormSkinVerdict::ApplicationWindow},
        DecisionCase{"ApplicationClassComparedExactly", [](FormSkinFacts& f) { f.className = "tapplication"; },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"ClassRefused", [](FormSkinFacts& f) { f.acceptsClass = [] { return false; }; },
                     FormSkinVerdict::ClassRefused},
        DecisionCase{"NoClassFilterMeansAccepted", [](FormSkinFacts& f) { f.acceptsClass = {}; },
                     FormSkinVerdict::SkinIt},
        DecisionCase{"NoSkinData", [](FormSkinFacts& f) { f.skinDataFound = false; }, FormSkinVerdict::NoSkinData},
        DecisionCase{"SkinDataEmpty", [](FormSkinFacts& f) { f.skinDataEmpty = true; },
                     FormSkinVerdict::SkinDataEmpty}),
    [](const testing::TestParamInfo<DecisionCase>& info) { return info.param.name; });

TEST(ManagerFormSkinDecisionOrder, EarliestFailingRuleIsReported) {
    FormSkinFacts f = SkinnableForm();
    f.skinDataFound = false;
    f.className = "TApplication";
    f.width = 0;
    f.sameModule = false;
    EXPECT_EQ(DecideFormSkin(f), FormSkinVerdict::ForeignModule);
    f.childStyle = true;
    EXPECT_EQ(DecideFormSkin(f), FormSkinVerdict::EmbeddedChild);
    f.answersIsSkinned = true;
    EXPECT_EQ(DecideFormSkin(f), FormSkinVerdict::AnswersIsSkinned);
    f.enabled = false;
    EXPECT_EQ(DecideFormSkin(f), FormSkinVerdict::ManagerDisabled);
}

TEST(ManagerFormSkinDecisionOrder, ClassFilterIsAskedOnlyWhenEveryEarlierRulePassed) {
    int asked = 0;
    FormSkinFacts f = SkinnableForm();
    f.acceptsClass = [&asked] {
        ++asked;
        return true;
    };
    for (auto refuse : {+[](FormSkinFacts& x) { x.answersIsSkinned = true; }, +[](FormSkinFacts& x) { x.width = 0; },
                        +[](FormSkinFacts& x) { x.className = "TApplication"; }}) {
        FormSkinFacts refused = f;
        refuse(refused);
        DecideFormSkin(refused);
    }
    EXPECT_EQ(asked, 0);

    FormSkinFacts noSkin = f;
    noSkin.skinDataFound = false;
    EXPECT_EQ(DecideFormSkin(noSkin), FormSkinVerdict::NoSkinData);
    EXPECT_EQ(asked, 1);
}

}  // namespace
