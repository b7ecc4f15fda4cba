// Whether a window class may be given a form skin, as the default component sees it.
#pragma once

#include <string_view>

#include "skin/data/skin_data_settings.h"
#include "skin/data/skin_form_filter.h"

namespace skin::manager {

// What the check reads of the default component (the first sfMainform one registered).
struct WindowFilterSettings {
    skin::TSkinOptions options;
    skin::TSkinControls controls;
    skin::TOnFormSkin onFormSkin;
};

// Print-preview windows (class name containing "preview" in any case) are refused unless
// the default component has xoPreview; then the component's filter gets the final word,
// seeing the answer so far. Without a default component every class is accepted.
bool AcceptWindowClass(std::string_view className, const WindowFilterSettings* defaultSkinData);

}  // namespace skin::manager
