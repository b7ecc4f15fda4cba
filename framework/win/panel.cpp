#include "framework/win/ext_ctrls.h"

#include <algorithm>

void Frame3D(HDC dc, RECT& rect, TColor topColor, TColor bottomColor, int width) {
    base::win::UniqueHPen top(CreatePen(PS_SOLID, 1, ColorToRGB(topColor)));
    base::win::UniqueHPen bottom(CreatePen(PS_SOLID, 1, ColorToRGB(bottomColor)));
    for (int i = 0; i < width && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
        const int right = rect.right - 1;
        const int lower = rect.bottom - 1;
        {
            base::win::ScopedSelectObject pen(dc, top.Get());
            MoveToEx(dc, rect.left, lower, nullptr);
            LineTo(dc, rect.left, rect.top);
            LineTo(dc, right, rect.top);
        }
        {
            base::win::ScopedSelectObject pen(dc, bottom.Get());
            MoveToEx(dc, right, rect.top, nullptr);
            LineTo(dc, right, lower);
            LineTo(dc, rect.left - 1, lower);
        }
        InflateRect(&rect, -1, -1);
    }
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    TControl::SetBounds(0, 0, 185, 41);
    SetParentBackground(true);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::SetBevelOuter(TPanelBevel value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel value) {
    if (value == bevelInner_) return;
    bevelInner_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
    value = std::max(1, value);
    if (value == bevelWidth_) return;
    bevelWidth_ = value;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
    if (value != bsNone) value = bsSingle;
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT r = ClientRect();
    const auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        const TColor top = kind == bvLowered ? clBtnShadow : kind == bvRaised ? clBtnHighlight : Color();
        const TColor bottom = kind == bvLowered ? clBtnHighlight : kind == bvRaised ? clBtnShadow : Color();
        Frame3D(dc, r, top, bottom, bevelWidth_);
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    // With ParentBackground the parent's image is already there, inside the bevels too.
    if (!ParentBackground() || Parent() == nullptr) canvas->FillRect(r);
    if (Caption().empty()) return;
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    const UINT align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    canvas->DrawText(Caption(), r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TCustomPanel::WndProc(TMessage& message) {
    TCustomControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED) Invalidate();
}

TPropList TCustomPanel::Published() {
    const std::vector<std::string> bevels{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    return {
        propdef::Enumeration<TCustomPanel, TPanelBevel>("BevelOuter", bevels, &TCustomPanel::BevelOuter,
                                                        &TCustomPanel::SetBevelOuter),
        propdef::Enumeration<TCustomPanel, TPanelBevel>("BevelInner", bevels, &TCustomPanel::BevelInner,
                                                        &TCustomPanel::SetBevelInner),
        propdef::Integer<TCustomPanel>("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth),
        propdef::Enumeration<TCustomPanel, TBorderStyle>("BorderStyle", {"bsNone", "bsSingle"},
                                                         &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle),
        propdef::Enumeration<TCustomPanel, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                                       &TCustomPanel::Alignment, &TCustomPanel::SetAlignment),
    };
}
