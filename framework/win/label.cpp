#include "framework/win/std_ctrls.h"

#include "framework/win/text.h"
#include "framework/win/win_control.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    TControl::SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

UINT TCustomLabel::DrawTextFormat() const {
    UINT format = DT_EXPANDTABS | DT_NOPREFIX;
    format |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (alignment_ == taCenter) format |= DT_CENTER;
    if (alignment_ == taRightJustify) format |= DT_RIGHT;
    return format;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_) return;
    base::win::WindowDc screen(nullptr);
    if (!screen) return;
    base::win::ScopedSelectObject select(screen.Get(), Font()->Handle());
    const std::wstring text = WidenText(Caption().empty() ? std::string(" ") : Caption());
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DrawTextFormat() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify && !wordWrap_) left = Left() + Width() - r.right;
    SetBounds(left, Top(), r.right, r.bottom);
}

void TCustomLabel::SetTextValue(const std::string& text) {
    TGraphicControl::SetTextValue(text);
    AdjustBounds();
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::Paint() {
    TCanvas* canvas = Canvas();
    RECT r = ClientRect();
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(r);
    }
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled()) {
        // Engraved look: highlight offset by one pixel, then the grey text.
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->DrawText(Caption(), shadow, DrawTextFormat());
        canvas->Font()->SetColor(clBtnShadow);
    }
    canvas->DrawText(Caption(), r, DrawTextFormat());
}

TPropList TCustomLabel::Published() {
    return {
        propdef::Boolean<TCustomLabel>("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize),
        propdef::Boolean<TCustomLabel>("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent),
        propdef::Enumeration<TCustomLabel, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                                       &TCustomLabel::Alignment, &TCustomLabel::SetAlignment),
        propdef::Boolean<TCustomLabel>("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap),
    };
}
