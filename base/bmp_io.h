#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/bitmap.h"

namespace base {

// Outcome of reading a BMP file: the image, or an empty image and a reason in Error.
struct BmpReadResult {
    Bitmap Image;
    std::string Error;
    bool Ok() const { return Error.empty(); }
};

// Reads a Windows BMP file (file header + info header of 40, 52, 56, 108 or 124 bytes, or a 12-byte core
// header): uncompressed 1/4/8-bit palettized, 16/24/32-bit, bottom-up or top-down; BI_BITFIELDS
// for 16/32-bit. Everything else (RLE, JPEG/PNG, truncated data, bad offsets, sizes beyond the
// bitmap limits) is rejected with a clear reason. Never reads outside `bytes`.
BmpReadResult ReadBmp(std::span<const std::uint8_t> bytes);

// A 24-bit, bottom-up, uncompressed BMP with a 40-byte info header (the form skins contain).
std::vector<std::uint8_t> WriteBmp24(const Bitmap& bitmap);

}  // namespace base
