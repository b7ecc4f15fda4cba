#pragma once
// Glyph strips for check boxes and radio buttons of other component sets that paint themselves
// from a strip the application supplies: assembled from the skin's check and radio frames.

#include "base/bitmap.h"

namespace skin::controls {

// A 9-frame check-box strip from a source strip of `frameCount` frames side by side: frames
// 0, 1, 3, 4, 6, 7 take source frames 0, 1, 0, 1, 2, 3; frames 2, 5, 8 take source frame 4
// when the source has exactly 5 frames; a 12-frame source gives its unchecked, checked, disabled
// and grayed frames to the same places. Frames the source cannot fill stay magenta. A count below
// 1 counts as 1. Empty for an empty source or frames less than a pixel wide.
base::Bitmap BuildCheckGlyphStrip(const base::Bitmap& source, int frameCount);

// A 6-frame radio-button strip: frames 0..5 take source frames 0, 1, 0, 1, 2, 3 (of an 8-frame
// source: 0, 4, 0, 4, 3, 7).
base::Bitmap BuildRadioGlyphStrip(const base::Bitmap& source, int frameCount);

}  // namespace skin::controls
