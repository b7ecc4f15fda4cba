#pragma once
// The window region of a skinned frame: magenta parts of the edge images are cut out, so skins
// can give windows rounded or shaped corners. The Win32 side only turns the rectangles into a
// region.

#include "skin/data/skin_image.h"
#include "skin/form/frame_kind.h"
#include "skin/form/frame_metrics.h"

namespace skin::form {

// Whether any edge is drawn with transparency; without it the region is the plain window.
bool FrameHasTransparency(const TSkinObjects& objects);

// Rectangles whose union is the region of a width x height window. The top edge is taken from
// `captionBitmap` (the last composed caption strip, window width wide) when it is not empty,
// so the caption buttons' magenta shapes the region too; otherwise from the top image. A window
// of no area gets no rectangles.
RegionRects BuildFrameRegion(const TSkinObjects& objects, const FrameMetrics& metrics, FrameKind kind, bool active,
                             int width, int height, const Bitmap& captionBitmap);

}  // namespace skin::form
