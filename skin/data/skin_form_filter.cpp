#include "skin/data/skin_form_filter.h"

namespace skin {

bool FilterFormSkin(std::string_view className, bool doSkin, TSkinControls controls, const TOnFormSkin& onFormSkin) {
    if (onFormSkin) {
        onFormSkin(className, doSkin);
        return doSkin;
    }
    if (className == "SysMonthCal32") return false;
    if (controls.Contains(TSkinControlType::xcFastReport) && className.starts_with("Tfr")) {
        return false;
    }
    return doSkin;
}

}  // namespace skin
