#include "skin/manager/skin_data_list.h"

#include <algorithm>

namespace skin::manager {

SkinDataId SkinDataList::Add(skin::TSkinFormType formType) {
    const SkinDataId id{nextId_++};
    ids_.push_back(id);
    if (!default_ && formType == skin::TSkinFormType::sfMainform) default_ = id;
    return id;
}

bool SkinDataList::Remove(SkinDataId id) {
    const auto it = std::find(ids_.begin(), ids_.end(), id);
    if (it == ids_.end()) return false;
    ids_.erase(it);
    if (default_ == id) default_.reset();
    return true;
}

bool SkinDataList::Contains(SkinDataId id) const { return std::find(ids_.begin(), ids_.end(), id) != ids_.end(); }

}  // namespace skin::manager
