#pragma once
// The four edge images of the skinned frame, rendered to the size of their place.

#include "skin/data/skin_image.h"
#include "skin/data/skin_objects_set.h"

namespace skin::form {

enum class FrameEdge { Left, Right, Top, Bottom };

// The skin object drawn on an edge (null only for a skin object set without it).
const TDataSkinBorder* EdgeObject(const TSkinObjects& objects, FrameEdge edge);

// Frame 1 for an active window or a one-frame image, frame 2 (inactive) otherwise.
int EdgeFrameNumber(const TDataSkinBorder& border, bool active);

// The edge image for a place of width x height: margins unscaled, the middle stretched when the
// edge asks for it and tiled otherwise. Empty for a missing object or a place without area.
Bitmap RenderFrameEdge(const TDataSkinBorder* border, FrameEdge edge, int width, int height, bool active);

}  // namespace skin::form
