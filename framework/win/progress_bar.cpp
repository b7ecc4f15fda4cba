#include "framework/win/internal.h"
#include "framework/win/range_ctrls.h"

#include <commctrl.h>

#include <algorithm>

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { TControl::SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_PROGRESS_CLASS);
    TWinControl::CreateParams(params);
    params.BaseClassName = PROGRESS_CLASSW;
    if (orientation_ == pbVertical) params.Style |= PBS_VERTICAL;
    if (smooth_) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() { Apply(); }

void TProgressBar::Apply() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    SendMessageW(window, PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageW(window, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
    SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

void TProgressBar::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::StepIt() {
    int next = position_ + step_;
    if (next > max_) next = min_ + (next - max_);
    if (next < min_) next = max_ - (min_ - next);
    SetPosition(next);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    RecreateWnd();
}

void TProgressBar::SetSmooth(bool value) {
    if (value == smooth_) return;
    smooth_ = value;
    RecreateWnd();
}

TPropList TProgressBar::Published() {
    return {
        propdef::Integer<TProgressBar>("Min", &TProgressBar::Min, &TProgressBar::SetMin),
        propdef::Integer<TProgressBar>("Max", &TProgressBar::Max, &TProgressBar::SetMax),
        propdef::Integer<TProgressBar>("Position", &TProgressBar::Position, &TProgressBar::SetPosition),
        propdef::Integer<TProgressBar>("Step", &TProgressBar::Step, &TProgressBar::SetStep),
        propdef::Enumeration<TProgressBar, TProgressBarOrientation>(
            "Orientation", {"pbHorizontal", "pbVertical"}, &TProgressBar::Orientation, &TProgressBar::SetOrientation),
        propdef::Boolean<TProgressBar>("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth),
    };
}
