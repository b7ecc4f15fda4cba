// Writing a bitmap as an 8-bit RGB PNG through libpng.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/pixels.h"

namespace tools {

// The PNG file bytes of `bitmap`; throws std::runtime_error when libpng fails.
std::vector<std::uint8_t> EncodePng(const base::Bitmap& bitmap);

}  // namespace tools
