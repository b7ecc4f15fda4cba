#include "framework/win/buttons.h"

#include "framework/win/text.h"
#include "framework/win/win_control.h"

#include <algorithm>

TButtonLayoutResult CalcButtonLayout(const RECT& client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                     int spacing) {
    const int clientWidth = client.right - client.left;
    const int clientHeight = client.bottom - client.top;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    POINT glyphPos{0, 0};
    POINT textPos{0, 0};
    // Across the layout direction both are centred.
    if (horizontal) {
        glyphPos.y = (clientHeight - glyph.cy + 1) / 2;
        textPos.y = (clientHeight - text.cy + 1) / 2;
    } else {
        glyphPos.x = (clientWidth - glyph.cx + 1) / 2;
        textPos.x = (clientWidth - text.cx + 1) / 2;
    }
    // Without text or glyph the spacing does not apply.
    if (text.cx == 0 || glyph.cx == 0) spacing = 0;
    const int clientExtent = horizontal ? clientWidth : clientHeight;
    const int glyphExtent = horizontal ? glyph.cx : glyph.cy;
    const int textExtent = horizontal ? text.cx : text.cy;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientExtent - (glyphExtent + textExtent)) / 3;
            spacing = margin;
        } else {
            margin = (clientExtent - (glyphExtent + spacing + textExtent) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientExtent - (margin + glyphExtent) - textExtent) / 2;
    }
    switch (layout) {
        case blGlyphLeft:
            glyphPos.x = margin;
            textPos.x = glyphPos.x + glyph.cx + spacing;
            break;
        case blGlyphRight:
            glyphPos.x = clientWidth - margin - glyph.cx;
            textPos.x = glyphPos.x - spacing - text.cx;
            break;
        case blGlyphTop:
            glyphPos.y = margin;
            textPos.y = glyphPos.y + glyph.cy + spacing;
            break;
        case blGlyphBottom:
            glyphPos.y = clientHeight - margin - glyph.cy;
            textPos.y = glyphPos.y - spacing - text.cy;
            break;
    }
    TButtonLayoutResult result;
    result.GlyphPos = POINT{glyphPos.x + client.left, glyphPos.y + client.top};
    result.TextBounds = RECT{textPos.x + client.left, textPos.y + client.top, textPos.x + client.left + text.cx,
                             textPos.y + client.top + text.cy};
    return result;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
    TControl::SetBounds(0, 0, 23, 22);
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(TBitmap* glyph) { glyph_->Assign(glyph); }

void TSpeedButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_) return;
    numGlyphs_ = value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    if (value == layout_) return;
    layout_ = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value) {
    if (value < -1) value = -1;
    if (value == margin_) return;
    margin_ = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
    if (value < -1) value = -1;
    if (value == spacing_) return;
    spacing_ = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    Invalidate();
}

void TSpeedButton::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    down_ = value;
    if (value && Parent() != nullptr) {
        // Only one button of a group is down.
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            if (other != nullptr && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        }
    }
    Invalidate();
}

void TSpeedButton::DrawGlyph(HDC dc, int x, int y, int index) {
    if (glyph_->Empty()) return;
    const int width = glyph_->Width() / numGlyphs_;
    const int height = glyph_->Height();
    if (width <= 0) return;
    if (index >= numGlyphs_) index = 0;
    HDC source = glyph_->Canvas()->Handle();
    TransparentBlt(dc, x, y, width, height, source, index * width, 0, width, height,
                   ColorToRGB(glyph_->TransparentColor()));
}

void TSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT r = ClientRect();
    const bool pressed = Pressed();
    canvas->Brush()->SetColor(Color());
    if (!flat_) {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        InflateRect(&r, -2, -2);
    } else {
        canvas->FillRect(r);
        if (pressed || (MouseInControl() && Enabled())) {
            DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
        InflateRect(&r, -1, -1);
    }
    if (pressed) OffsetRect(&r, 1, 1);

    SIZE glyphSize{0, 0};
    if (!glyph_->Empty()) glyphSize = SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
    SIZE textSize{0, 0};
    if (!Caption().empty()) {
        RECT measure{0, 0, r.right - r.left, 0};
        canvas->DrawText(Caption(), measure, DT_CALCRECT | DT_SINGLELINE);
        textSize = SIZE{measure.right - measure.left, measure.bottom - measure.top};
    }
    const TButtonLayoutResult layout = CalcButtonLayout(r, glyphSize, textSize, layout_, margin_, spacing_);

    int glyphIndex = 0;
    if (!Enabled()) {
        glyphIndex = 1;
    } else if (pressed_) {
        glyphIndex = 2;
    } else if (down_) {
        glyphIndex = 3;
    }
    if (glyphIndex >= numGlyphs_) glyphIndex = 0;
    DrawGlyph(dc, layout.GlyphPos.x, layout.GlyphPos.y, glyphIndex);

    if (!Caption().empty()) {
        canvas->Brush()->SetStyle(bsClear);
        RECT textRect = layout.TextBounds;
        if (!Enabled()) {
            RECT shadow = textRect;
            OffsetRect(&shadow, 1, 1);
            canvas->Font()->SetColor(clBtnHighlight);
            canvas->DrawText(Caption(), shadow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            canvas->Font()->SetColor(clBtnShadow);
        }
        canvas->DrawText(Caption(), textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TSpeedButton::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE || message.Msg == CM_ENABLEDCHANGED) {
        if (flat_ || pressed_) Invalidate();
    }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && Enabled()) {
        pressed_ = true;
        Invalidate();
    }
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!clicked_) return;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside != pressed_) {
        pressed_ = inside;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed) {
        if (groupIndex_ != 0) SetDown(!(down_ && allowAllUp_) ? true : false);
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (button == TMouseButton::mbLeft && wasPressed && inside && Enabled()) Click();
}

TPropList TSpeedButton::Published() {
    return {
        propdef::Object<TSpeedButton, TBitmap>("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph),
        propdef::Integer<TSpeedButton>("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs),
        propdef::Enumeration<TSpeedButton, TButtonLayout>(
            "Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}, &TSpeedButton::Layout,
            &TSpeedButton::SetLayout),
        propdef::Integer<TSpeedButton>("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin),
        propdef::Integer<TSpeedButton>("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing),
        propdef::Boolean<TSpeedButton>("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
        propdef::Boolean<TSpeedButton>("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
        propdef::Integer<TSpeedButton>("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex),
        propdef::Boolean<TSpeedButton>("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp),
    };
}
