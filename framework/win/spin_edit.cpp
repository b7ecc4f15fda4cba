#include "framework/win/internal.h"
#include "framework/win/range_ctrls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    TControl::SetBounds(0, 0, 121, 21);
    caption_.assign(1, '0');  // the value 0
}

TSpinEdit::~TSpinEdit() = default;

void TSpinEdit::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_UPDOWN_CLASS);
    TCustomEdit::CreateParams(params);
    // The arrows are a child window that the edit's text must not paint over.
    params.Style |= WS_CLIPCHILDREN;
}

void TSpinEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    upDown_.Reset(CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Handle(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    // The arrows change the value, not a position of their own: they stay mid-range so both work.
    SendMessageW(upDown_.Get(), UDM_SETRANGE32, 0, 100);
    SendMessageW(upDown_.Get(), UDM_SETPOS32, 0, 50);
    PlaceArrows();
}

void TSpinEdit::DestroyWnd() {
    upDown_.Reset();
    TCustomEdit::DestroyWnd();
}

void TSpinEdit::BoundsChanged() {
    TCustomEdit::BoundsChanged();
    PlaceArrows();
}

void TSpinEdit::PlaceArrows() {
    if (!upDown_) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int width = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.right);
    SetWindowPos(upDown_.Get(), nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
}

int TSpinEdit::CheckValue(int value) const {
    if (maxValue_ > minValue_) value = std::clamp(value, minValue_, maxValue_);
    return value;
}

int TSpinEdit::Value() const {
    const std::string text = Text();
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str()) return minValue_;
    return CheckValue(static_cast<int>(parsed));
}

void TSpinEdit::SetValue(int value) { SetText(std::to_string(CheckValue(value))); }

void TSpinEdit::SetMinValue(int value) {
    minValue_ = value;
    SetValue(Value());
}

void TSpinEdit::SetMaxValue(int value) {
    maxValue_ = value;
    SetValue(Value());
}

void TSpinEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
            if (header == nullptr || header->hwndFrom != upDown_.Get()) break;
            if (header->code == UDN_DELTAPOS) {
                SetValue(Value() + reinterpret_cast<const NMUPDOWN*>(header)->iDelta * increment_);
                message.Result = 1;  // the arrows keep their own position
            } else {
                message.Result = 0;
            }
            return;
        }
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(message.LParam) != upDown_.Get()) break;
            message.Result = 0;
            return;
        case WM_KEYDOWN:
            if (message.WParam == VK_UP || message.WParam == VK_DOWN) {
                SetValue(Value() + (message.WParam == VK_UP ? increment_ : -increment_));
                message.Result = 0;
                return;
            }
            break;
        default: break;
    }
    TCustomEdit::WndProc(message);
}

TPropList TSpinEdit::Published() {
    return {
        propdef::Integer<TSpinEdit>("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue),
        propdef::Integer<TSpinEdit>("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue),
        propdef::Integer<TSpinEdit>("Value", &TSpinEdit::Value, &TSpinEdit::SetValue),
        propdef::Integer<TSpinEdit>("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement),
    };
}
