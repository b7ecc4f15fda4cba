#include "skin/manager/accept_window_class.h"

#include "skin/data/ascii_case.h"

namespace skin::manager {

bool AcceptWindowClass(std::string_view className, const WindowFilterSettings* defaultSkinData) {
    if (defaultSkinData == nullptr) return true;
    bool accepted = true;
    if (!defaultSkinData->options.Contains(skin::TSkinOption::xoPreview) &&
        skin::AsciiLower(className).find("preview") != std::string::npos) {
        accepted = false;
    }
    return skin::FilterFormSkin(className, accepted, defaultSkinData->controls, defaultSkinData->onFormSkin);
}

}  // namespace skin::manager
