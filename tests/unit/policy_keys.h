// The two policy keys most tweaks write, and the registry roots, as the tests name them.
#pragma once

#include "app/registry_types.h"

namespace policy_keys {

inline constexpr const char* kSystem = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr RegRoot HKCU = RegRoot::CurrentUser;
inline constexpr RegRoot HKLM = RegRoot::LocalMachine;

}  // namespace policy_keys
