#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

TButton::TButton(TComponent* owner) : TButtonControl(owner) { TControl::SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    if (HandleAllocated()) {
        SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this); form != nullptr && modalResult_ != mrNone) {
        form->SetModalResult(modalResult_);
    }
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        message.Result = 0;
        return;
    }
    TButtonControl::WndProc(message);
}

TPropList TButton::Published() {
    return {
        propdef::Boolean<TButton>("Default", &TButton::Default, &TButton::SetDefault),
        propdef::Boolean<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel),
        propdef::Integer<TButton>("ModalResult", &TButton::ModalResult, &TButton::SetModalResult),
    };
}
