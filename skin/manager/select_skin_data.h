// Which registered skin data component applies to a window.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "skin/data/skin_data_settings.h"
#include "skin/manager/manager_types.h"

namespace skin::manager {

// What the choice reads of one component, taken at the time of the choice.
struct SkinDataDescriptor {
    skin::TSkinFormType formType = skin::TSkinFormType::sfMainform;
    WindowId ownerWindow = 0;  // window of the component's owner form; 0 when it has none
    bool empty = true;         // SkinEmpty; read by the caller, not by the choice
};

// Index into `registered` (registration order) of the component for `window`:
//   1. an sfOnlyThisForm component owned by that window,
//   2. for a dialog box or a framework message dialog, an sfDialog component,
//   3. an sfMainform component,
// the last match winning in each, and else the first registered. None when empty.
std::optional<std::size_t> SelectSkinData(std::span<const SkinDataDescriptor> registered, WindowId window,
                                          std::string_view className);

}  // namespace skin::manager
