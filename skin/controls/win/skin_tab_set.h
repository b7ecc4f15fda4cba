#pragma once
// The owner-drawn tab set (tabs hanging down from a line): painted whole from the skin's tab
// image turned upside down, on the skin's face colour; tabs that do not fit are left out.

#include "skin/controls/win/skin_tab.h"

namespace skin::win {

class TSkinTab31 : public TSkinControl {
    T_CLASS(TSkinTab31, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    // Attaches through the tab set's window procedure.
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void SkinChange() override;

    const skin::Bitmap& TabImage() const { return tabImage_; }
    TWinControl* ScrollerControl() const { return scrollerControl_; }
    TSkinControl* ScrollerSkin() const { return scroller_; }

protected:
    bool BeforeProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    void PrepareImage();

    skin::Bitmap tabImage_;
    TSkinControl* scroller_ = nullptr;
    TWinControl* scrollerControl_ = nullptr;
};

}  // namespace skin::win
