// Identifiers shared by the skin manager's decisions; none of them needs a window handle.
#pragma once

#include <cstdint>

namespace skin::manager {

// A window handle carried as a number; 0 is no window.
using WindowId = std::uintptr_t;

// Handle of a registered skin data component. Handles are never reused, so one kept past
// its component's unregistration is recognised as stale instead of reaching a freed object.
enum class SkinDataId : std::uint32_t {};

// The manager's State before the first window activation; requests then act at once.
inline constexpr std::int32_t kStateNoWindowActivated = 0;
inline constexpr std::int32_t kStateRunning = 1;
inline constexpr std::int32_t kStateShuttingDown = 4;

// A form whose Tag has this value is never given a form skin. Fixed: the component's
// DisableTag is for controls only.
inline constexpr int kFormExemptTag = 99;

}  // namespace skin::manager
