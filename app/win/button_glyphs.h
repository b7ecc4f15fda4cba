#pragma once
// The main window's button pictures as framework bitmaps.

#include <memory>

#include "app/glyphs.h"
#include "framework/win/bitmap.h"

// A 24-bit bitmap of the glyph on the current button-face color, which is
// also its bottom-left pixel and so the color the button leaves transparent.
std::unique_ptr<TBitmap> MakeButtonGlyph(ButtonGlyph glyph);
