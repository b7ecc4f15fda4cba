// Paints a control's parent (background and contents) into a DC, as seen through the control.
#pragma once

#include "framework/win/controls.h"

// The parent gets WM_ERASEBKGND and WM_PAINT with `dc` (origin moved to the control's position,
// clipped to the parent's client area). With `invalidate`, a parent that is neither a
// TCustomControl nor a TCustomForm is invalidated as well. No parent: nothing happens.
void PaintParentBackground(TControl* control, HDC dc, bool invalidate);
