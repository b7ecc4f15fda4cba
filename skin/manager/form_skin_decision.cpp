#include "skin/manager/form_skin_decision.h"

#include <array>

#include "skin/data/ascii_case.h"
#include "skin/manager/manager_types.h"

namespace skin::manager {
namespace {

bool IsEmbeddedChild(const FormSkinFacts& f) {
    // MDI children are framed like forms; controls and forms docked elsewhere are not.
    return f.childStyle && skin::AsciiLower(f.parentClassName) != "mdiclient";
}

bool IsForeign(const FormSkinFacts& f) {
    // Dialog boxes of any module (the common dialogs above all) belong to the application's
    // look; other modules' windows do not.
    return !f.sameModule && f.className != "#32770";
}

bool HasNoArea(const FormSkinFacts& f) { return static_cast<long long>(f.width) * f.height == 0; }

struct Rule {
    FormSkinVerdict refusal;
    bool (*refuses)(const FormSkinFacts&);
};

// Order matters: cheap and certain tests first, then those that ask the application.
constexpr std::array<Rule, 11> kRules{{
    {FormSkinVerdict::ManagerDisabled, [](const FormSkinFacts& f) { return !f.enabled; }},
    {FormSkinVerdict::AnswersIsSkinned, [](const FormSkinFacts& f) { return f.answersIsSkinned; }},
    {FormSkinVerdict::HasFormSkin, [](const FormSkinFacts& f) { return f.hasFormSkin; }},
    {FormSkinVerdict::EmbeddedChild, [](const FormSkinFacts& f) { return !f.forced && IsEmbeddedChild(f); }},
    {FormSkinVerdict::ForeignModule, IsForeign},
    {FormSkinVerdict::ZeroSize, HasNoArea},
    {FormSkinVerdict::ExemptTag,
     [](const FormSkinFacts& f) { return f.hasFrameworkForm ? f.formTag == kFormExemptTag : f.exemptProperty; }},
    {FormSkinVerdict::ApplicationWindow, [](const FormSkinFacts& f) { return f.className == "TApplication"; }},
    {FormSkinVerdict::ClassRefused, [](const FormSkinFacts& f) { return f.acceptsClass && !f.acceptsClass(); }},
    {FormSkinVerdict::NoSkinData, [](const FormSkinFacts& f) { return !f.skinDataFound; }},
    {FormSkinVerdict::SkinDataEmpty, [](const FormSkinFacts& f) { return f.skinDataEmpty; }},
}};

}  // namespace

FormSkinVerdict DecideFormSkin(const FormSkinFacts& facts) {
    for (const Rule& rule : kRules) {
        if (rule.refuses(facts)) return rule.refusal;
    }
    return FormSkinVerdict::SkinIt;
}

std::string_view ToString(FormSkinVerdict verdict) {
    switch (verdict) {
        case FormSkinVerdict::SkinIt: return "SkinIt";
        case FormSkinVerdict::ManagerDisabled: return "ManagerDisabled";
        case FormSkinVerdict::AnswersIsSkinned: return "AnswersIsSkinned";
        case FormSkinVerdict::HasFormSkin: return "HasFormSkin";
        case FormSkinVerdict::EmbeddedChild: return "EmbeddedChild";
        case FormSkinVerdict::ForeignModule: return "ForeignModule";
        case FormSkinVerdict::ZeroSize: return "ZeroSize";
        case FormSkinVerdict::ExemptTag: return "ExemptTag";
        case FormSkinVerdict::ApplicationWindow: return "ApplicationWindow";
        case FormSkinVerdict::ClassRefused: return "ClassRefused";
        case FormSkinVerdict::NoSkinData: return "NoSkinData";
        case FormSkinVerdict::SkinDataEmpty: return "SkinDataEmpty";
    }
    return "?";
}

}  // namespace skin::manager
