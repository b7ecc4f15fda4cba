// The registered skin data components in registration order, and the default one: the
// first sfMainform component registered, whose settings filter window classes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "skin/data/skin_data_settings.h"
#include "skin/manager/manager_types.h"

namespace skin::manager {

class SkinDataList {
public:
    // Registers a component and returns its handle. It becomes the default when there is no
    // default and it is of kind sfMainform (the kind it has now; later changes do not count).
    SkinDataId Add(skin::TSkinFormType formType);

    // Unregisters; returns false for a handle that is not registered. Removing the default
    // leaves no default, even when another sfMainform component remains: a later
    // registration may take the place.
    bool Remove(SkinDataId id);

    bool Contains(SkinDataId id) const;
    std::optional<SkinDataId> Default() const { return default_; }
    std::span<const SkinDataId> InOrder() const { return ids_; }

private:
    std::vector<SkinDataId> ids_;
    std::optional<SkinDataId> default_;
    std::uint32_t nextId_ = 1;
};

}  // namespace skin::manager
