#include "framework/win/std_ctrls.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    TControl::SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (readOnly_) params.Style |= ES_READONLY;
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value != bsNone) value = bsSingle;
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomEdit::CreateWnd() { SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0); }

void TCustomEdit::SetReadOnly(bool value) {
    if (value == readOnly_) return;
    readOnly_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SetMaxLength(int value) {
    if (value < 0) value = 0;
    if (value == maxLength_) return;
    maxLength_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        if (OnChange) OnChange(this);
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

TPropList TCustomEdit::Published() {
    return {
        propdef::Boolean<TCustomEdit>("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
        propdef::Integer<TCustomEdit>("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength),
        propdef::Enumeration<TCustomEdit, TBorderStyle>("BorderStyle", {"bsNone", "bsSingle"},
                                                        &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle),
    };
}
