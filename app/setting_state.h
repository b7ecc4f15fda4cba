#pragma once
// The current state of an action node's setting, read from the registry when
// the node is clicked: the description panel shows it under the node's text.

#include <cstdint>
#include <string>

#include "app/registry_backend.h"

enum class SettingState : std::uint8_t {
    None,     // the node has no setting (a category, the information dialog)
    Default,  // nothing set: Windows behaves as it does out of the box
    On,       // the tweak is in force
    Off,      // set explicitly to its "off" value (what "Vrati na Default" writes)
};

// Reads the node's values (open-only, read access; nothing is created).
SettingState ReadSettingState(RegistryBackend& registry, int index);

// The line the description panel shows, e.g. "Trenutno stanje: ukljuceno"; empty for None.
std::string StateLine(SettingState state);

// The node's description followed by its state line (and, when given, a note).
std::string DescribeNode(RegistryBackend& registry, int index, const std::string& note = {});
