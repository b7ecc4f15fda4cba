#pragma once
// Where a combo box skin draws: the text area it leaves alone, the drop-down button and the box
// the arrow glyph is centred in, for the normal and the left-scroll-bar (right-to-left) layout;
// and which frame of the skin strips shows the combo's state.

#include "base/geometry.h"

namespace skin::controls {

using base::Rect;

// Combo frames: 1 normal, 2 pressed, 3 disabled, 4 focused or hot.
int ComboStateIndex(bool pressed, bool focusedOrHot, bool enabled);

struct ComboLayout {
    Rect Text;    // excluded from painting: the control's own field
    Rect Button;  // the drop-down button
    Rect Glyph;   // the arrow glyph is centred here
    bool operator==(const ComboLayout&) const = default;
};
// `bounds` is the whole window, `arrowWidth` the system's scroll arrow width; `leftButton` puts
// the button at the left edge (WS_EX_LEFTSCROLLBAR).
ComboLayout LayoutCombo(const Rect& bounds, int arrowWidth, bool leftButton);

}  // namespace skin::controls
