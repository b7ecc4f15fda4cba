#pragma once

// Window regions from shaped skin images.

#include <windows.h>

#include <cstdint>

#include "skin/data/pixels.h"
#include "skin/data/skin_image.h"
#include "base/win/handles.h"

namespace skin::win {

// One region from rectangle batches: each batch becomes a region with ExtCreateRegion and is
// ORed into the result with CombineRgn. No batches: an empty region (never a null handle unless
// GDI fails).
base::win::UniqueHRgn RegionFromRects(const RegionRects& batches);

// The region of all pixels of `bitmap` outside the key range (see skin::CreateRegionFromBitmap).
base::win::UniqueHRgn CreateRegionFromBitmap(const Bitmap& bitmap, int dx, int dy, std::uint8_t blueTolerance,
                                             std::uint8_t greenTolerance, std::uint8_t redTolerance,
                                             std::uint32_t keyColor);

}  // namespace skin::win
