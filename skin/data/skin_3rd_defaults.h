// The class mapping a component starts with: lines "ClassName=kind" that tell the control
// attachment how to skin controls of well-known third-party libraries.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The lines in their stored order. Some classes are listed twice; the duplicates stay so
// that the list is exactly the one components have always been stored with.
std::span<const std::string_view> DefaultSkin3rd();

// The same lines as an editable list, the form the component's property holds.
std::vector<std::string> DefaultSkin3rdLines();

}  // namespace skin
