// A preview of a loaded skin drawn with the portable skin primitives only: an active and an
// inactive window with caption, caption buttons in their states, menu bar and status bar,
// and the standard controls in their states (push buttons, check and radio glyphs, scroll
// bars, progress bar, tabs, group box, combo box, header, track bar, up-down, tool bar, a
// popup menu). Text is shown as placeholder bars, since fonts are a Windows matter.
#pragma once

#include "skin/data/pixels.h"
#include "base/color.h"
#include "skin/data/skin_objects_set.h"

namespace tools {

inline constexpr int kPreviewMinWidth = 640;
inline constexpr int kPreviewMinHeight = 440;
inline constexpr int kPreviewDefaultWidth = 800;
inline constexpr int kPreviewDefaultHeight = 520;

// The classic Windows value of a system color (0xFF0000nn), or the color itself, as a pixel.
base::Pixel ResolveColor(TColor color);

// Renders the preview at width x height (each clamped to at least the minimum above and at
// most kMaxBitmapDimension). The result never contains the transparent key color.
base::Bitmap RenderSkinPreview(const skin::TSkinObjects& skin, int width, int height);

}  // namespace tools
