#include "framework/win/std_ctrls.h"

#include <algorithm>

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { TControl::SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= allowGrayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
    if (alignment_ == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() { SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0); }

void TCustomCheckBox::DestroyWnd() { state_ = State(); }

TCheckBoxState TCustomCheckBox::State() const {
    if (!HandleAllocated()) return state_;
    const auto check = SendMessageW(TWinControl::Handle(), BM_GETCHECK, 0, 0);
    return check == BST_CHECKED ? cbChecked : check == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
    if (value == cbGrayed && !allowGrayed_) value = cbUnchecked;
    if (value == State()) return;
    state_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
    Perform(CM_CHECKCHANGED);
    Click();
}

void TCustomCheckBox::SetAllowGrayed(bool value) {
    if (value == allowGrayed_) return;
    if (!value && State() == cbGrayed) SetState(cbUnchecked);
    allowGrayed_ = value;
    RecreateWnd();
}

void TCustomCheckBox::SetAlignment(TAlignment value) {
    if (value != taLeftJustify) value = taRightJustify;
    if (value == alignment_) return;
    alignment_ = value;
    RecreateWnd();
}

void TCustomCheckBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        // The window has toggled itself (mouse or space).
        state_ = State();
        Perform(CM_CHECKCHANGED);
        Click();
        message.Result = 0;
        return;
    }
    TButtonControl::WndProc(message);
}

TPropList TCustomCheckBox::Published() {
    return {
        propdef::Boolean<TCustomCheckBox>("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked),
        propdef::Enumeration<TCustomCheckBox, TCheckBoxState>("State", {"cbUnchecked", "cbChecked", "cbGrayed"},
                                                              &TCustomCheckBox::State, &TCustomCheckBox::SetState),
        propdef::Boolean<TCustomCheckBox>("AllowGrayed", &TCustomCheckBox::AllowGrayed,
                                          &TCustomCheckBox::SetAllowGrayed),
        propdef::Enumeration<TCustomCheckBox, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify"},
                                                          &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment),
    };
}
