// The user-visible side of opening a skin package: a failed open is reported in a modal
// message box.
#pragma once

#include <cstdint>
#include <span>

#include "skin/data/skin_reader.h"

namespace skin {

// Caption of the box.
inline constexpr const char* kSkinMessageCaption = "Skin";

// Shows SkinOpenFailureMessage(result) in a task-modal box without owner; does nothing for Ok.
void ShowSkinOpenFailure(const TSkinOpenResult& result);

// reader.Open(package), showing the box when the package has another version or corrupt
// tables. True when the package is usable. Decompressor errors (ElzhException) pass to the
// caller, as every other exception of loading does.
bool OpenSkinPackage(TSkinReader& reader, std::span<const std::uint8_t> package);

}  // namespace skin
