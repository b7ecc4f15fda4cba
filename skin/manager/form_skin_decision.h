// Whether a window that was activated (or offered by a component or a sweep) gets a form
// skin. The Win32 side gathers the facts; the rules, their order and their reasons live here.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace skin::manager {

// The answer, with the first rule that refused; SkinIt when none did.
enum class FormSkinVerdict {
    SkinIt,
    ManagerDisabled,    // the manager is not Enabled
    AnswersIsSkinned,   // the window already answers SM_ISSKINNED with 1
    HasFormSkin,        // a live form skin of this manager already holds the window
    EmbeddedChild,      // WS_CHILD inside something other than an MDI client
    ForeignModule,      // another module's window that is not a dialog box
    ZeroSize,           // width × height is 0
    ExemptTag,          // its framework form has the exempt Tag, or a plain window the exempt property
    ApplicationWindow,  // the framework's hidden application window
    ClassRefused,       // the preview rule or the component's window filter said no
    NoSkinData,         // no registered component applies
    SkinDataEmpty,      // the component that applies holds no skin
};

struct FormSkinFacts {
    bool enabled = false;
    bool answersIsSkinned = false;
    bool hasFormSkin = false;
    bool hasFrameworkForm = false;
    int formTag = 0;              // read only when hasFrameworkForm
    bool exemptProperty = false;  // a plain window that carries the exempt window property
    bool forced = false;          // an activation sweep: embedded children are not tested
    bool childStyle = false;      // WS_CHILD
    std::string parentClassName;
    bool sameModule = false;  // the window's instance handle is this module's
    std::string className;
    long width = 0;
    long height = 0;
    // Asked only when every earlier rule passed, because it runs the application's
    // OnFormSkin handler; unset means accepted.
    std::function<bool()> acceptsClass;
    bool skinDataFound = false;
    bool skinDataEmpty = false;
};

FormSkinVerdict DecideFormSkin(const FormSkinFacts& facts);

std::string_view ToString(FormSkinVerdict verdict);

}  // namespace skin::manager
