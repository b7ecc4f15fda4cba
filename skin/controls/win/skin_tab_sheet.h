#pragma once
// The pages of a page control: painted in the skin's face colour with their windowless
// controls on top, unless the page shows its parent through it.

#include "skin/controls/win/skin_control.h"

namespace skin::win {

class TSkinTabSheet : public TSkinControl {
    T_CLASS(TSkinTabSheet, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;

protected:
    bool BeforeProc(TMessage& message) override;
    void PaintControl(HDC dc) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};

}  // namespace skin::win
