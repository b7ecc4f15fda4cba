#pragma once
// The engine draws on the base library's bitmaps and geometry; it names them as its own.

#include "base/bitmap.h"
#include "base/geometry.h"

namespace skin {

using base::Bitmap;
using base::ColorToPixel;
using base::Intersect;
using base::kMagenta;
using base::kMaxBitmapDimension;
using base::kMaxBitmapPixels;
using base::MakePixel;
using base::Pixel;
using base::PixelBlue;
using base::PixelGreen;
using base::PixelRed;
using base::PixelToColor;
using base::Point;
using base::Rect;

}  // namespace skin
