#include "framework/win/glyph_buttons.h"

#include "framework/glyph_frames.h"

#include <algorithm>

namespace {

// Size of the built-in glyph and the room between glyph and caption.
constexpr int kBuiltInGlyph = 13;
constexpr int kCaptionGap = 4;

}  // namespace

TCustomGlyphButton::TCustomGlyphButton(TComponent* owner)
    : TCustomControl(owner), glyphs_(std::make_unique<TBitmap>()) {
    SetTabStop(true);
    glyphs_->OnChange = [this](TObject*) {
        LoadGlyphs();
        Invalidate();
    };
}

TCustomGlyphButton::~TCustomGlyphButton() { glyphs_->OnChange = nullptr; }

void TCustomGlyphButton::SetCustomGlyphs(TBitmap* value) {
    if (value == nullptr) {
        glyphs_->SetSize(0, 0);
    } else {
        glyphs_->Assign(value);
    }
    LoadGlyphs();
    Invalidate();
}

void TCustomGlyphButton::SetTransparentColor(TColor value) {
    if (value == transparentColor_) return;
    transparentColor_ = value;
    Invalidate();
}

void TCustomGlyphButton::SetUseCustomGlyphs(bool value) {
    useCustomGlyphs_ = value;
    LoadGlyphs();
    Invalidate();
}

void TCustomGlyphButton::LoadGlyphs() {
    frameWidth_ = GlyphFrameWidth(glyphs_->Width(), 3 * StateCount());
    frameHeight_ = frameWidth_ > 0 ? glyphs_->Height() : 0;
}

SIZE TCustomGlyphButton::GlyphSize() const {
    if (useCustomGlyphs_ && frameWidth_ > 0) return SIZE{frameWidth_, frameHeight_};
    return SIZE{kBuiltInGlyph, kBuiltInGlyph};
}

RECT TCustomGlyphButton::GlyphRect() const {
    const SIZE size = GlyphSize();
    const int top = std::max(0, (ClientHeight() - static_cast<int>(size.cy)) / 2);
    return RECT{0, top, size.cx, top + size.cy};
}

void TCustomGlyphButton::DrawCustomGlyph(HDC dc, const RECT& target) {
    HDC source = glyphs_->Canvas()->Handle();
    const int x = GlyphFrameIndex(GlyphState(), StateCount(), Enabled(), pressed_) * frameWidth_;
    const int width = frameWidth_;
    const int height = frameHeight_;
    // A mask of the transparent pixels (white), then dest ^ src, & mask, ^ src: the frame where
    // the mask is black, the background where it is white.
    base::win::UniqueMemoryDc maskDc(CreateCompatibleDC(dc));
    base::win::UniqueHBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    if (!maskDc || !mask || source == nullptr) return;
    base::win::ScopedSelectObject selectMask(maskDc.Get(), mask.Get());
    const COLORREF sourceBack = SetBkColor(source, ColorToRGB(transparentColor_));
    BitBlt(maskDc.Get(), 0, 0, width, height, source, x, 0, SRCCOPY);
    SetBkColor(source, sourceBack);
    base::win::ScopedSaveDc save(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, target.left, target.top, width, height, source, x, 0, SRCINVERT);
    BitBlt(dc, target.left, target.top, width, height, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(dc, target.left, target.top, width, height, source, x, 0, SRCINVERT);
}

void TCustomGlyphButton::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT glyph = GlyphRect();
    if (useCustomGlyphs_ && frameWidth_ > 0) {
        DrawCustomGlyph(dc, glyph);
    } else {
        UINT state = FrameControlKind();
        if (pressed_) state |= DFCS_PUSHED;
        if (!Enabled()) state |= DFCS_INACTIVE;
        DrawFrameControl(dc, &glyph, DFC_BUTTON, state);
    }
    RECT text{glyph.right + kCaptionGap, 0, ClientWidth(), ClientHeight()};
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    canvas->DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    canvas->Brush()->SetStyle(bsSolid);
    if (Focused()) {
        RECT focus = text;
        canvas->DrawText(Caption(), focus, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
        const int top = (ClientHeight() - (focus.bottom - focus.top)) / 2;
        canvas->DrawFocusRect(RECT{focus.left - 1, top, focus.right + 1, top + (focus.bottom - focus.top)});
    }
}

void TCustomGlyphButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        pressed_ = true;
        if (CanFocus()) SetFocus();
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGlyphButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGlyphButton::EnabledChanged() {
    pressed_ = false;
    TCustomControl::EnabledChanged();
}

void TCustomGlyphButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_KEYDOWN:
            if (message.WParam == VK_SPACE) {
                pressed_ = true;
                Invalidate();
            }
            break;
        case WM_KEYUP:
            if (message.WParam == VK_SPACE && pressed_) {
                pressed_ = false;
                Click();
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case CM_TEXTCHANGED: Invalidate(); break;
        default: break;
    }
    TCustomControl::WndProc(message);
}

TPropList TCustomGlyphButton::Published() {
    return {
        propdef::Object<TCustomGlyphButton, TBitmap>("CustomGlyphs", &TCustomGlyphButton::CustomGlyphs,
                                                     &TCustomGlyphButton::SetCustomGlyphs),
        propdef::Integer<TCustomGlyphButton>("transparentcolor", &TCustomGlyphButton::TransparentColor,
                                             &TCustomGlyphButton::SetTransparentColor),
        propdef::Boolean<TCustomGlyphButton>("UseCustomGlyphs", &TCustomGlyphButton::UseCustomGlyphs,
                                             &TCustomGlyphButton::SetUseCustomGlyphs),
    };
}

TGlyphCheckBox::TGlyphCheckBox(TComponent* owner) : TCustomGlyphButton(owner) { TControl::SetBounds(0, 0, 97, 17); }

void TGlyphCheckBox::SetState(TCheckBoxState value) {
    if (value == cbGrayed && !allowGrayed_) value = cbUnchecked;
    if (value == state_) return;
    state_ = value;
    Invalidate();
}

void TGlyphCheckBox::Click() {
    switch (state_) {
        case cbUnchecked: state_ = cbChecked; break;
        case cbChecked: state_ = allowGrayed_ ? cbGrayed : cbUnchecked; break;
        case cbGrayed: state_ = cbUnchecked; break;
    }
    Invalidate();
    TCustomGlyphButton::Click();
}

UINT TGlyphCheckBox::FrameControlKind() const {
    switch (state_) {
        case cbChecked: return DFCS_BUTTONCHECK | DFCS_CHECKED;
        case cbGrayed: return DFCS_BUTTON3STATE | DFCS_CHECKED;
        case cbUnchecked: break;
    }
    return DFCS_BUTTONCHECK;
}

TPropList TGlyphCheckBox::Published() {
    return {
        propdef::Boolean<TGlyphCheckBox>("Checked", &TGlyphCheckBox::Checked, &TGlyphCheckBox::SetChecked),
        propdef::Enumeration<TGlyphCheckBox, TCheckBoxState>("State", {"cbUnchecked", "cbChecked", "cbGrayed"},
                                                             &TGlyphCheckBox::State, &TGlyphCheckBox::SetState),
        propdef::Boolean<TGlyphCheckBox>("AllowGrayed", &TGlyphCheckBox::AllowGrayed, &TGlyphCheckBox::SetAllowGrayed),
    };
}

TGlyphRadioButton::TGlyphRadioButton(TComponent* owner) : TCustomGlyphButton(owner) {
    TControl::SetBounds(0, 0, 113, 17);
}

void TGlyphRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    Invalidate();
    if (!value || Parent() == nullptr) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TGlyphRadioButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this) other->SetChecked(false);
    }
}

void TGlyphRadioButton::Click() {
    SetChecked(true);
    TCustomGlyphButton::Click();
}

UINT TGlyphRadioButton::FrameControlKind() const { return DFCS_BUTTONRADIO | (checked_ ? DFCS_CHECKED : 0); }

TPropList TGlyphRadioButton::Published() {
    return {
        propdef::Boolean<TGlyphRadioButton>("Checked", &TGlyphRadioButton::Checked, &TGlyphRadioButton::SetChecked),
    };
}
