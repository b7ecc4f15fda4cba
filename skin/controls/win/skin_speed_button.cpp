// TSkinSpeedButton: a windowless speed button drawn on its parent's surface. The button's own
// mouse handling (it captures through its parent) still decides when it clicks.

#include "base/win/handles.h"
#include "framework/typinfo.h"
#include "framework/win/text.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/skin_button.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"

namespace skin::win {

bool TSkinSpeedButton::BeforeProc(TMessage& message) {
    if (!TSkinControl::BeforeProc(message)) return false;
    switch (message.Msg) {
        case WM_PAINT: {
            // The DC has its origin at the button.
            auto dc = reinterpret_cast<HDC>(message.WParam);
            if (dc != nullptr && graphicControl_ != nullptr)
                DrawControl(dc, RECT{0, 0, graphicControl_->Width(), graphicControl_->Height()});
            message.Result = 1;
            return false;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            CallOldProc(message);
            held_ = true;
            SetPressed(true);
            return false;
        default: return true;
    }
}

void TSkinSpeedButton::SetPressed(bool pressed) {
    if (pressed)
        state_ |= kPressed;
    else
        state_ &= static_cast<std::uint8_t>(~kPressed);
    PaintControl(nullptr);
}

void TSkinSpeedButton::AfterProc(TMessage& message) {
    switch (message.Msg) {
        case WM_KEYDOWN:
            if (message.WParam == VK_SPACE) SetPressed(true);
            break;
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) SetPressed(false);
            break;
        case WM_LBUTTONUP:
            held_ = false;
            SetPressed(false);
            break;
        case WM_MOUSEMOVE:
            // Held down, the button shows pressed only while the mouse is over it.
            if (held_ && graphicControl_ != nullptr) {
                const int x = static_cast<short>(LOWORD(message.LParam));
                const int y = static_cast<short>(HIWORD(message.LParam));
                const bool inside = x >= 0 && y >= 0 && x < graphicControl_->Width() && y < graphicControl_->Height();
                if (inside != ((state_ & kPressed) != 0)) SetPressed(inside);
            }
            break;
        case CM_MOUSEENTER:
            state_ |= kHot;
            PaintControl(nullptr);
            break;
        case CM_MOUSELEAVE:
            state_ &= static_cast<std::uint8_t>(~(kHot | kPressed));
            if (graphicControl_ != nullptr && graphicControl_->Visible()) PaintControl(nullptr);
            break;
        default: TSkinControl::AfterProc(message); break;
    }
}

void TSkinSpeedButton::PaintControl(HDC) {
    if (graphicControl_ == nullptr || !graphicControl_->Visible()) return;
    TWinControl* parent = graphicControl_->Parent();
    if (parent == nullptr || !parent->HandleAllocated()) return;
    base::win::WindowDc dc(parent->Handle());
    if (dc.Get() == nullptr) return;
    base::win::ScopedSaveDc saved(dc.Get());
    SetViewportOrgEx(dc.Get(), graphicControl_->Left(), graphicControl_->Top(), nullptr);
    IntersectClipRect(dc.Get(), 0, 0, graphicControl_->Width(), graphicControl_->Height());
    DrawControl(dc.Get(), RECT{0, 0, graphicControl_->Width(), graphicControl_->Height()});
}

void TSkinSpeedButton::DrawControl(HDC dc, const RECT& rect) {
    const TDataSkinButton* buttons = Objects().Buttons.get();
    if (buttons == nullptr || buttons->Map.Empty() || graphicControl_ == nullptr) return;
    caption_ = WidenText(graphicControl_->Caption());
    focused_ = false;
    skin::controls::ButtonFacts facts;
    facts.Pressed = (state_ & kPressed) != 0;
    facts.Hot = (state_ & kHot) != 0;
    facts.Down = PropIsTrue(graphicControl_, "Down");
    facts.Disabled = !graphicControl_->Enabled();
    enabledWnd_ = !facts.Disabled;
    const int frame = skin::controls::SpeedButtonFrame(facts);
    const int frameCount = buttons->FrameCount >= 1 ? buttons->FrameCount : 5;
    const bool drawImage = frame == skin::controls::kButtonPressed || frame == skin::controls::kButtonHot ||
                           !PropIsTrue(graphicControl_, "Flat");
    DrawButton(dc, rect, frame, frameCount, drawImage);
}

void TSkinSpeedButton::DrawFace(HDC dc, const RECT& rect, int frame) {
    if (HFONT font = ControlFont()) SelectObject(dc, font);
    COLORREF color = graphicControl_->Font() != nullptr ? ColorToRGB(graphicControl_->Font()->Color())
                                                        : ColorToRGB(Objects().ButtonTextColor);
    color = StateTextColor(frame, color);
    if (!enabledWnd_) color = GetSysColor(COLOR_BTNSHADOW);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    const GlyphSource glyph = ReadGlyph();
    if (!glyph.Any()) {
        DrawButtonCaption(dc, rect, DT_CENTER);
        return;
    }
    auto in = LayoutInput(dc, rect, glyph);
    in.Centre = false;
    in.SpeedButton = true;
    const auto at = skin::controls::LayOutGlyph(in);
    DrawGlyphFrame(dc, rect.left + at.GlyphX, rect.top + at.GlyphY, glyph, skin::controls::GlyphFrameForButton(frame));
    if (caption_.empty()) return;
    RECT box{rect.left + at.TextX, rect.top + at.TextY, rect.left + at.TextX + in.TextWidth,
             rect.top + at.TextY + in.TextHeight};
    UINT format = 0;
    if (in.Layout == skin::controls::GlyphLayout::Right) format = DT_RIGHT;
    if (in.Layout == skin::controls::GlyphLayout::Top || in.Layout == skin::controls::GlyphLayout::Bottom)
        format = DT_CENTER;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, format);
}

}  // namespace skin::win
