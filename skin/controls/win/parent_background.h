// What a framework control's parent shows under it, kept per parent. A control that shows its
// parent through (a check box, a group box, a button's rounded corners) asks the parent to paint
// under it; in a dialog of twenty such controls the form and its group boxes painted once per
// child. The parent's picture is now made once and kept until the parent paints again, changes
// size, or has a paint pending (what it shows may have changed).
#pragma once

#include <windows.h>

class TControl;

namespace skin::win {

// Paints on `dc` (the control's own coordinates, within `rect`) what the control's parent shows
// under it. False when the parent cannot be kept (no parent window, no pixels): the caller paints
// the parent through as before.
bool PaintKeptParentBackground(TControl* control, HDC dc, const RECT& rect);

}  // namespace skin::win
