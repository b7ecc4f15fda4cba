// The component's own say on whether a window gets a form skin, asked with the window's
// class name after the manager's rules have given their answer.
#pragma once

#include <functional>
#include <string_view>

#include "skin/data/skin_data_settings.h"

namespace skin {

// The application's handler: it receives the answer so far and may change it. The Win32
// side binds the sender.
using TOnFormSkin = std::function<void(std::string_view className, bool& doSkin)>;

// Returns the final answer. An assigned handler alone decides. Without one, a month
// calendar ("SysMonthCal32") is never skinned, and with xcFastReport set neither is any
// window whose class begins with "Tfr" (FastReport's own windows). Both compare exactly.
bool FilterFormSkin(std::string_view className, bool doSkin, TSkinControls controls, const TOnFormSkin& onFormSkin);

}  // namespace skin
