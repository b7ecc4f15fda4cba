#include "skin/controls/win/skin_tool_bar.h"

#include "framework/win/comctrls.h"
#include "skin/controls/tool_button_frame.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

TSkinToolBar::~TSkinToolBar() { RemoveHandler(); }

void TSkinToolBar::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    TSkinBox::InitSkin(form, skinData, setColor);
    auto* bar = dynamic_cast<TToolBar*>(Owner());
    if (bar == nullptr || bar->OnCustomDrawButton) return;  // the application draws its own
    bar->OnCustomDrawButton = [this](TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
        DrawButton(sender, button, state, defaultDraw);
    };
    installed_ = true;
    bar->Invalidate();
}

void TSkinToolBar::RestoreColors() {
    RemoveHandler();
    TSkinBox::RestoreColors();
}

void TSkinToolBar::RemoveHandler() {
    if (!installed_) return;
    installed_ = false;
    if (auto* bar = dynamic_cast<TToolBar*>(Owner()); bar != nullptr && TControl::IsLive(bar)) {
        bar->OnCustomDrawButton = nullptr;
        bar->Invalidate();
    }
}

void TSkinToolBar::DrawButton(TToolBar* bar, TToolButton* button, unsigned state, bool& defaultDraw) {
    const TDataSkinButton* buttons = Objects().Buttons.get();
    if (buttons == nullptr || buttons->Map.Empty() || form_ == nullptr || form_->Phase() != 1) return;
    const skin::controls::ToolButtonState s{(state & cdsSelected) != 0 || button->Down(),
                                            (state & cdsGrayed) != 0,
                                            (state & cdsDisabled) != 0,
                                            (state & cdsFocused) != 0,
                                            (state & cdsDefault) != 0,
                                            (state & cdsHot) != 0};
    const int frame = skin::controls::ToolButtonFrame(s);
    if (frame == 0) return;
    TCanvas* canvas = bar->Canvas();
    const HDC dc = canvas->Handle();
    if (dc == nullptr) return;
    if (frame == 1 && buttons->HasNormalColor2) canvas->Font()->SetColor(buttons->NormalColor2);
    if (frame == 4 && buttons->HasMouseOverColor2) canvas->Font()->SetColor(buttons->MouseOverColor2);
    if (frame == 2 && buttons->HasPressedColor2) canvas->Font()->SetColor(buttons->PressedColor2);
    RECT bounds = bar->ButtonRect(button->Index());
    InflateRect(&bounds, -1, -1);
    skin::DrawSkinObject(dc, skin::Rect{bounds.left, bounds.top, bounds.right, bounds.bottom}, buttons->Map, false,
                         false, buttons->Trans != 0, 5, frame, buttons->Margins);
    // The skin drew the face: the bar adds only the button's image and caption.
    defaultDraw = false;
}

}  // namespace skin::win
