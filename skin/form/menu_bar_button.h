#pragma once
// One top-level item of a skinned menu bar, as the layout and keyboard rules see it.

#include <string>

#include "skin/data/skin_objects.h"

namespace skin::form {

struct MenuBarButton {
    std::wstring Caption;  // may hold '&' accelerator marks
    bool Visible = true;
    bool Enabled = true;
    int TextWidth = 0;  // caption width in the menu font, measured by the painter
    Rect BoundsRect;    // window coordinates; empty while hidden
};

}  // namespace skin::form
