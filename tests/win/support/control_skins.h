// Finding the control skins a form skin attached: the skin of a framework control or of a bare
// window, as the kind a test expects, or its class name.
#pragma once

#include <windows.h>

#include <string>

#include "skin/controls/win/skin_control.h"
#include "skin/form/win/skin_form.h"

namespace testing_support {

// The first control skin in the form skin's list attached to `control`, as a T; null when there
// is none or it is not a T.
template <class T = skin::win::TSkinControl>
T* SkinOf(const skin::win::TSkinForm& formSkin, const TComponent* control) {
    for (skin::win::TSkinControl* skin : formSkin.ControlSkins())
        if (skin->SkinnedControl() == control) return dynamic_cast<T*>(skin);
    return nullptr;
}

// The first control skin of kind T on `window` (a window can carry skins of several kinds).
template <class T = skin::win::TSkinControl>
T* SkinOf(const skin::win::TSkinForm& formSkin, HWND window) {
    for (skin::win::TSkinControl* skin : formSkin.ControlSkins())
        if (skin->Handle() == window)
            if (auto* found = dynamic_cast<T*>(skin)) return found;
    return nullptr;
}

// The class of the first skin attached to `control` (or to `window`), "" when there is none.
inline std::string SkinClassOf(const skin::win::TSkinForm& formSkin, const TComponent* control) {
    const skin::win::TSkinControl* skin = SkinOf(formSkin, control);
    return skin != nullptr ? skin->ClassName() : "";
}

inline std::string SkinClassOf(const skin::win::TSkinForm& formSkin, HWND window) {
    const skin::win::TSkinControl* skin = SkinOf(formSkin, window);
    return skin != nullptr ? skin->ClassName() : "";
}

}  // namespace testing_support
