#include "framework/win/internal.h"
#include "framework/win/range_ctrls.h"

#include <commctrl.h>

#include <algorithm>

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    TControl::SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_BAR_CLASSES);
    TWinControl::CreateParams(params);
    params.BaseClassName = TRACKBAR_CLASSW;
    params.Style |= TBS_FIXEDLENGTH | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
    switch (tickMarks_) {
        case tmBottomRight: params.Style |= TBS_BOTTOM; break;  // also TBS_RIGHT
        case tmTopLeft: params.Style |= TBS_TOP; break;         // also TBS_LEFT
        case tmBoth: params.Style |= TBS_BOTH; break;
    }
    switch (tickStyle_) {
        case tsNone: params.Style |= TBS_NOTICKS; break;
        case tsAuto: params.Style |= TBS_AUTOTICKS; break;
        case tsManual: break;
    }
}

void TTrackBar::CreateWnd() { Apply(); }

void TTrackBar::DestroyWnd() { position_ = Position(); }

void TTrackBar::Apply() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(window, TBM_SETLINESIZE, 0, lineSize_);
    SendMessageW(window, TBM_SETPAGESIZE, 0, pageSize_);
    SendMessageW(window, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(thumbLength_), 0);
    if (tickStyle_ == tsAuto) SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageW(window, TBM_SETPOS, TRUE, position_);
}

int TTrackBar::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageW(TWinControl::Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(Position(), min_, max_);
    Apply();
}

void TTrackBar::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(Position(), min_, max_);
    Apply();
}

void TTrackBar::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TTrackBar::SetFrequency(int value) {
    frequency_ = std::max(value, 1);
    Apply();
}

void TTrackBar::SetLineSize(int value) {
    lineSize_ = std::max(value, 1);
    Apply();
}

void TTrackBar::SetPageSize(int value) {
    pageSize_ = std::max(value, 1);
    Apply();
}

void TTrackBar::SetThumbLength(int value) {
    thumbLength_ = std::max(value, 1);
    Apply();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    if (value == tickMarks_) return;
    tickMarks_ = value;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    if (value == tickStyle_) return;
    tickStyle_ = value;
    RecreateWnd();
}

void TTrackBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        const int position = Position();
        message.Result = 0;
        if (position == position_) return;
        position_ = position;
        if (OnChange) OnChange(this);
        return;
    }
    // CN_NOTIFY (custom draw among them) reaches the message hooks before this point; what a hook
    // answers goes back to the track bar through the parent's WM_NOTIFY result.
    TWinControl::WndProc(message);
}

TPropList TTrackBar::Published() {
    return {
        propdef::Integer<TTrackBar>("Min", &TTrackBar::Min, &TTrackBar::SetMin),
        propdef::Integer<TTrackBar>("Max", &TTrackBar::Max, &TTrackBar::SetMax),
        propdef::Integer<TTrackBar>("Position", &TTrackBar::Position, &TTrackBar::SetPosition),
        propdef::Enumeration<TTrackBar, TTrackBarOrientation>("Orientation", {"trHorizontal", "trVertical"},
                                                              &TTrackBar::Orientation, &TTrackBar::SetOrientation),
        propdef::Integer<TTrackBar>("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency),
        propdef::Integer<TTrackBar>("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize),
        propdef::Integer<TTrackBar>("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize),
        propdef::Integer<TTrackBar>("ThumbLength", &TTrackBar::ThumbLength, &TTrackBar::SetThumbLength),
        propdef::Enumeration<TTrackBar, TTickMark>("TickMarks", {"tmBottomRight", "tmTopLeft", "tmBoth"},
                                                   &TTrackBar::TickMarks, &TTrackBar::SetTickMarks),
        propdef::Enumeration<TTrackBar, TTickStyle>("TickStyle", {"tsNone", "tsAuto", "tsManual"},
                                                    &TTrackBar::TickStyle, &TTrackBar::SetTickStyle),
    };
}
