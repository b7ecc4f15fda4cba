#include "framework/win/std_ctrls.h"

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { TControl::SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_RADIOBUTTON;
    if (alignment_ == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() { ApplyCheck(); }

void TRadioButton::ApplyCheck() {
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    ApplyCheck();
    if (value && Parent() != nullptr) {
        // Only one radio button of a parent is checked.
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
            if (sibling != nullptr && sibling != this && sibling->checked_) {
                sibling->checked_ = false;
                sibling->ApplyCheck();
                sibling->Perform(CM_CHECKCHANGED);
            }
        }
    }
    Perform(CM_CHECKCHANGED);
    if (value) Click();
}

void TRadioButton::SetAlignment(TAlignment value) {
    if (value != taLeftJustify) value = taRightJustify;
    if (value == alignment_) return;
    alignment_ = value;
    RecreateWnd();
}

void TRadioButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        SetChecked(true);
        message.Result = 0;
        return;
    }
    TButtonControl::WndProc(message);
}

TPropList TRadioButton::Published() {
    return {
        propdef::Boolean<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked),
        propdef::Enumeration<TRadioButton, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify"},
                                                       &TRadioButton::Alignment, &TRadioButton::SetAlignment),
    };
}
