#include "framework/win/std_ctrls.h"

#include <algorithm>

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    TControl::SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"SCROLLBAR";
    params.Style |= kind_ == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd() { UpdateScrollInfo(); }

void TScrollBar::UpdateScrollInfo() {
    if (!HandleAllocated()) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = static_cast<UINT>(pageSize_);
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind value) {
    if (value == kind_) return;
    kind_ = value;
    SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetPageSize(int value) {
    value = std::clamp(value, 0, std::max(0, max_ - min_ + 1));
    if (value == pageSize_) return;
    pageSize_ = value;
    SetParams(position_, min_, max_);
    UpdateScrollInfo();
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    // With a page, the position goes no further than where the page ends at Max.
    const int last = pageSize_ > 0 ? std::max(min, max - pageSize_ + 1) : max;
    position = std::clamp(position, min, last);
    const bool rangeChanged = min != min_ || max != max_;
    const bool moved = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    if (rangeChanged || moved) UpdateScrollInfo();
    if (moved && OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int trackPos) {
    int pos = position_;
    switch (code) {
        case scLineUp: pos -= smallChange_; break;
        case scLineDown: pos += smallChange_; break;
        case scPageUp: pos -= largeChange_; break;
        case scPageDown: pos += largeChange_; break;
        case scPosition:
        case scTrack: pos = trackPos; break;
        case scTop: pos = min_; break;
        case scBottom: pos = max_; break;
        case scEndScroll: break;
    }
    const int last = pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
    pos = std::clamp(pos, min_, last);
    if (OnScroll) OnScroll(this, code, pos);
    SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        const auto code = static_cast<int>(LOWORD(message.WParam));
        if (code >= SB_LINEUP && code <= SB_ENDSCROLL) {
            // The full 32-bit track position (the message carries 16 bits).
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(Handle(), SB_CTL, &info);
            Scroll(static_cast<TScrollCode>(code), info.nTrackPos);
        }
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

TPropList TScrollBar::Published() {
    return {
        propdef::Enumeration<TScrollBar, TScrollBarKind>("Kind", {"sbHorizontal", "sbVertical"}, &TScrollBar::Kind,
                                                         &TScrollBar::SetKind),
        propdef::Integer<TScrollBar>("Min", &TScrollBar::Min, &TScrollBar::SetMin),
        propdef::Integer<TScrollBar>("Max", &TScrollBar::Max, &TScrollBar::SetMax),
        propdef::Integer<TScrollBar>("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
        propdef::Integer<TScrollBar>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize),
        propdef::Integer<TScrollBar>("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange),
        propdef::Integer<TScrollBar>("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange),
    };
}
