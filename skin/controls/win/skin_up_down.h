#pragma once
// TSkinUpDown: an up-down arrow pair drawn from the skin's UpDownVert / UpDownHorz strips (or a
// classic look without them). Always attached by handle: stand-alone up-downs, the arrows inside
// spin edits, and the scrollers of tab controls and tab sets.

#include "skin/controls/win/skin_control.h"

namespace skin::win {

// Where the arrows sit, which changes how they are laid out and drawn.
enum class UpDownPlacement {
    Standalone,   // as its own style says (UDS_HORZ or vertical)
    InEdit,       // inside an edit: drawn inset by one pixel
    TabScroller,  // a tab set's scroller: always laid out horizontally
};

class TSkinUpDown : public TSkinControl {
    T_CLASS(TSkinUpDown, TSkinControl)
public:
    using TSkinControl::TSkinControl;

    void SetPlacement(UpDownPlacement placement) { placement_ = placement; }
    UpDownPlacement Placement() const { return placement_; }

protected:
    bool BeforeProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    void DrawArrowButton(HDC dc, const RECT& rect, int state, int type, bool horizontal) const;
    UpDownPlacement placement_ = UpDownPlacement::Standalone;
};

// Attaches a TSkinUpDown (owned by `owner`) to the arrow window `arrows` with the given placement
// and returns it; null when `arrows` is not a window.
TSkinUpDown* AttachUpDownSkin(TSkinForm* form, TSkinData* data, HWND arrows, TComponent* owner,
                              UpDownPlacement placement);

}  // namespace skin::win
