#pragma once
// A tool bar under the skin: face-coloured like a panel, and each button drawn from the skin's
// button image before the bar draws the button's image and caption over it.

#include "skin/controls/win/skin_panels.h"

class TToolBar;
class TToolButton;

namespace skin::win {

class TSkinToolBar : public TSkinBox {
    T_CLASS(TSkinToolBar, TSkinBox)
public:
    using TSkinBox::TSkinBox;
    ~TSkinToolBar() override;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void RestoreColors() override;

private:
    void DrawButton(TToolBar* bar, TToolButton* button, unsigned state, bool& defaultDraw);
    void RemoveHandler();
    bool installed_ = false;
};

}  // namespace skin::win
