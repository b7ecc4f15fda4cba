#include "skin/controls/combo_layout.h"

namespace skin::controls {

int ComboStateIndex(bool pressed, bool focusedOrHot, bool enabled) {
    if (pressed) return 2;
    if (focusedOrHot) return 4;
    return enabled ? 1 : 3;
}

ComboLayout LayoutCombo(const Rect& r, int a, bool leftButton) {
    if (leftButton)
        return {{r.Left + a + 4, r.Top + 2, r.Right - 2, r.Bottom - 2},
                {r.Left, r.Top, r.Left + a + 2, r.Bottom},
                {r.Left + 2, r.Top, r.Left + a + 2, r.Bottom}};
    return {{r.Left + 2, r.Top + 2, r.Right - a - 4, r.Bottom - 2},
            {r.Right - a - 2, r.Top, r.Right, r.Bottom},
            {r.Right - a - 2, r.Top, r.Right - 2, r.Bottom}};
}

}  // namespace skin::controls
