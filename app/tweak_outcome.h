#pragma once
// What a tweak operation could not do: one entry per setting (registry value)
// that was left unchanged, with the reason. An empty outcome means every
// setting was written.

#include <string>
#include <vector>

#include "app/registry_types.h"

struct SettingFailure {
    RegRoot root = RegRoot::CurrentUser;
    std::string key;    // path below the root
    std::string value;  // the setting's value name
    RegStatus reason = RegStatus::Failed;

    bool operator==(const SettingFailure&) const = default;
};

using TweakOutcome = std::vector<SettingFailure>;

inline void Append(TweakOutcome& into, const TweakOutcome& more) { into.insert(into.end(), more.begin(), more.end()); }
