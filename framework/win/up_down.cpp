#include "framework/win/internal.h"
#include "framework/win/range_ctrls.h"

#include <commctrl.h>

#include <algorithm>

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { TControl::SetBounds(0, 0, 17, 25); }

void TUpDown::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_UPDOWN_CLASS);
    TWinControl::CreateParams(params);
    params.BaseClassName = UPDOWN_CLASSW;
    if (orientation_ == udHorizontal) params.Style |= UDS_HORZ;
    if (wrap_) params.Style |= UDS_WRAP;
    if (associate_ != nullptr) params.Style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
}

void TUpDown::CreateWnd() {
    HWND window = Handle();
    if (associate_ != nullptr) SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    Apply();
}

void TUpDown::DestroyWnd() { position_ = Position(); }

void TUpDown::Apply() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    SendMessageW(window, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageW(window, UDM_SETPOS32, 0, position_);
}

int TUpDown::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageW(TWinControl::Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(Position(), min_, max_);
    Apply();
}

void TUpDown::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(Position(), min_, max_);
    Apply();
}

void TUpDown::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetIncrement(int value) {
    increment_ = std::max(value, 1);
    Apply();
}

void TUpDown::SetOrientation(TUDOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TUpDown::SetWrap(bool value) {
    if (value == wrap_) return;
    wrap_ = value;
    RecreateWnd();
}

void TUpDown::SetAssociate(TWinControl* value) {
    if (value == associate_ || value == this) return;
    position_ = Position();
    if (associate_ != nullptr) associate_->RemoveFreeNotification(this);
    associate_ = value;
    if (associate_ != nullptr) associate_->FreeNotification(this);
    RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == associate_) {
        associate_ = nullptr;
        if (HandleAllocated() && !Destroying()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
    }
}

void TUpDown::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
            message.Result = 0;
            if (header->code != UDN_DELTAPOS) return;
            lastDelta_ = reinterpret_cast<const NMUPDOWN*>(header)->iDelta;
            bool allow = true;
            if (OnChanging) OnChanging(this, allow);
            message.Result = allow ? 0 : 1;
            return;
        }
        case CN_HSCROLL:
        case CN_VSCROLL:
            message.Result = 0;
            if (LOWORD(message.WParam) != SB_THUMBPOSITION) return;
            position_ = Position();
            if (OnClick) OnClick(this, lastDelta_ >= 0 ? btNext : btPrev);
            return;
        default: break;
    }
    TWinControl::WndProc(message);
}

TPropList TUpDown::Published() {
    return {
        propdef::Integer<TUpDown>("Min", &TUpDown::Min, &TUpDown::SetMin),
        propdef::Integer<TUpDown>("Max", &TUpDown::Max, &TUpDown::SetMax),
        propdef::Integer<TUpDown>("Position", &TUpDown::Position, &TUpDown::SetPosition),
        propdef::Integer<TUpDown>("Increment", &TUpDown::Increment, &TUpDown::SetIncrement),
        propdef::Enumeration<TUpDown, TUDOrientation>("Orientation", {"udHorizontal", "udVertical"},
                                                      &TUpDown::Orientation, &TUpDown::SetOrientation),
        propdef::Object<TUpDown, TWinControl>("Associate", &TUpDown::Associate, &TUpDown::SetAssociate),
        propdef::Boolean<TUpDown>("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap),
    };
}
