#include "skin/data/skin_data_settings.h"

namespace skin {

std::string_view SkinStoreText(bool designing, bool holdsPackage) {
    return designing && holdsPackage ? "(Good)" : "(none)";
}

TSkinControls AdjustLoadedSkinControls(TSkinControls controls) {
    if (controls.Contains(TSkinControlType::xcMainMenu)) {
        controls.Exclude(TSkinControlType::xcMenuItem);
    } else {
        controls.Exclude(TSkinControlType::xcSystemMenu);
    }
    return controls;
}

}  // namespace skin
