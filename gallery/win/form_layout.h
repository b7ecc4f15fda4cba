#pragma once
// How the gallery's windows lay out their controls: one margin, and a control made, named and
// placed in one call.

#include <string>

#include "framework/win/framework.h"

namespace gallery {

inline constexpr int kMargin = 12;

template <class T>
T* Place(TWinControl* parent, TComponent* owner, const char* name, int left, int top, int width, int height,
         const std::string& caption = "") {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    if (!caption.empty()) control->SetCaption(caption);
    return control;
}

}  // namespace gallery
