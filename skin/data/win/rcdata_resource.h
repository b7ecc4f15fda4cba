// The bytes of a program's RCDATA resource (a skin stream, a package), read in place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace skin::win {

// Empty when `module` has no RCDATA resource `name`.
std::span<const std::uint8_t> RcDataResource(HMODULE module, const wchar_t* name);

}  // namespace skin::win
