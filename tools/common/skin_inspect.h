// What the engine understood of a skin: every skin object, caption button and color of a
// loaded skin as one line each, in a fixed format that outside checks read.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "skin/data/skin_objects_set.h"

namespace tools {

// Scroll arrow width used when loading for inspection (a standard desktop's SM_CXHSCROLL).
inline constexpr int kInspectScrollArrowWidth = 17;

// The description of loaded objects, ending with the line "ok".
std::string DescribeSkinObjects(const skin::TSkinObjects& skin);

// Loads a compressed package with the engine's loader and describes it. Returns false and sets
// `error` when the package cannot be loaded.
bool InspectSkinPackage(std::span<const std::uint8_t> package, std::string& description, std::string& error);

}  // namespace tools
