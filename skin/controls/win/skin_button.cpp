#include "skin/controls/win/skin_button.h"

#include <algorithm>

#include "base/win/handles.h"
#include "framework/typinfo.h"
#include "framework/win/text.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/paint_buffer.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

namespace {

using skin::controls::ButtonFacts;

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

void TSkinButton::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    TSkinControl::InitSkin(form, skinData, setColor);
    if (control_ == nullptr) return;
    // Some third-party buttons click on the press themselves: their presses are kept from them.
    const std::string name = skin::AsciiLower(control_->ClassName());
    flag_ = name.starts_with("trz") || name.starts_with("tel") ? 1 : 0;
}

bool TSkinButton::BeforeProc(TMessage& message) {
    if (!TSkinControl::BeforeProc(message)) return false;
    switch (message.Msg) {
        case WM_PAINT: PaintWhole(message); return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: Press(message); return false;
        case BM_SETSTATE:
            // While the skin follows a press the button's own pushed look stays off the screen.
            if (tracking_) return false;
            return true;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            if (tracking_ && (message.Msg == WM_CANCELMODE || reinterpret_cast<HWND>(message.LParam) != handle_)) {
                tracking_ = false;
                if (message.Msg == WM_CANCELMODE && GetCapture() == handle_) ReleaseCapture();
                state_ &= static_cast<std::uint8_t>(~kPressed);
                Repaint();
            }
            return true;
        default: return true;
    }
}

void TSkinButton::Press(const TMessage& message) {
    if (GetFocus() != handle_) SetFocus(handle_);
    state_ |= kPressed;
    tracking_ = true;
    SetCapture(handle_);
    PaintControl(nullptr);
    if (flag_ == 0 && SkinnedControl() != nullptr) ForwardMouseDown(message);
}

void TSkinButton::TrackMove(const TMessage& message) {
    RECT client{};
    GetClientRect(handle_, &client);
    const bool inside = PtInRect(&client, PointOf(message.LParam)) != FALSE;
    if (inside == ((state_ & kPressed) != 0)) return;
    if (inside)
        state_ |= kPressed;
    else
        state_ &= static_cast<std::uint8_t>(~kPressed);
    PaintControl(nullptr);
}

void TSkinButton::Release(const TMessage& message) {
    RECT client{};
    GetClientRect(handle_, &client);
    const bool inside = PtInRect(&client, PointOf(message.LParam)) != FALSE;
    const bool clicks = tracking_ && (state_ & kPressed) != 0 && inside;
    tracking_ = false;
    state_ &= static_cast<std::uint8_t>(~kPressed);
    if (GetCapture() == handle_) ReleaseCapture();
    Repaint();
    if (!clicks) return;
    if (control_ != nullptr) {
        RunControlCode([this] { control_->Click(); });
    } else if (HWND parent = GetParent(handle_)) {
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle_), BN_CLICKED),
                     reinterpret_cast<LPARAM>(handle_));
    }
}

void TSkinButton::AfterProc(TMessage& message) {
    switch (message.Msg) {
        case WM_KEYDOWN:
            // The button's own procedure clicks on the key going up.
            if (message.WParam == VK_SPACE) {
                state_ |= kPressed;
                Repaint();
            }
            break;
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) {
                state_ &= static_cast<std::uint8_t>(~kPressed);
                Repaint();
            }
            break;
        case WM_MOUSEMOVE:
            TSkinControl::AfterProc(message);
            if (tracking_) TrackMove(message);
            if ((state_ & kHot) == 0) {
                state_ |= kHot;
                BecomeHover();
            }
            break;
        case WM_LBUTTONUP:
            if (tracking_ || (state_ & kPressed) != 0) Release(message);
            break;
        case CM_MOUSEENTER:
            if (enabledWnd_) {
                state_ |= kHot;
                Repaint();
                BecomeHover();
            }
            break;
        case CM_MOUSELEAVE:
            if (enabledWnd_) {
                state_ &= static_cast<std::uint8_t>(~kHot);
                if (!tracking_) state_ &= static_cast<std::uint8_t>(~kPressed);
                Repaint();
                LeaveHover();
            }
            break;
        default: TSkinControl::AfterProc(message); break;
    }
}

void TSkinButton::BecomeHover() {
    if (form_ == nullptr || !TSkinForm::IsLive(form_)) return;
    if (form_->HoverButton != nullptr && form_->HoverButton != this) form_->HoverButton->SendMouseLeave();
    if (form_->HoverButton != this) {
        Repaint();
        form_->HoverButton = this;
    }
}

void TSkinButton::LeaveHover() {
    if (form_ != nullptr && TSkinForm::IsLive(form_) && form_->HoverButton == this) form_->HoverButton = nullptr;
}

std::wstring TSkinButton::CaptionText() const {
    if (TControl* control = SkinnedControl()) return WidenText(control->Caption());
    return WindowText();
}

COLORREF TSkinButton::StateTextColor(int frame, COLORREF fallback) const {
    const TDataSkinButton* buttons = Objects().Buttons.get();
    if (buttons == nullptr) return fallback;
    switch (frame) {
        case skin::controls::kButtonNormal:
            return buttons->HasNormalColor2 ? ColorToRGB(buttons->NormalColor2) : fallback;
        case skin::controls::kButtonHot:
            return buttons->HasMouseOverColor2 ? ColorToRGB(buttons->MouseOverColor2) : fallback;
        case skin::controls::kButtonPressed:
            return buttons->HasPressedColor2 ? ColorToRGB(buttons->PressedColor2) : fallback;
        default: return fallback;
    }
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
    const TDataSkinButton* buttons = Objects().Buttons.get();
    if (buttons == nullptr || buttons->Map.Empty()) return;
    const auto style = static_cast<DWORD>(GetLong(GWL_STYLE));
    focused_ = GetFocus() == handle_;
    enabledWnd_ = (style & WS_DISABLED) == 0;
    caption_ = CaptionText();
    ButtonFacts facts;
    facts.Focused = focused_;
    facts.Default = (style & 1) != 0;
    facts.Pressed = (state_ & kPressed) != 0;
    facts.Hot = (state_ & kHot) != 0;
    facts.Disabled = !enabledWnd_;
    DrawButton(dc, rect, skin::controls::PushButtonFrame(facts), 5);
}

void TSkinButton::DrawButton(HDC dc, const RECT& rect, int frame, int frameCount, bool drawImage) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    PaintBufferLease buffer(dc, width, height);
    HDC target = buffer.Dc() != nullptr ? buffer.Dc() : dc;
    RECT local{0, 0, width, height};
    if (target == dc) local = rect;
    if (control_ != nullptr)
        PaintParentImage(target, local);
    else
        FillFace(target, local);
    if (drawImage) DrawSkinImage(target, local, frameCount, frame, *Objects().Buttons);
    {
        base::win::ScopedSaveDc saved(target);
        DrawFace(target, local, frame);
    }
    if (target != dc) buffer.CopyTo(dc, rect.left, rect.top);
}

void TSkinButton::DrawFace(HDC dc, const RECT& rect, int frame) {
    if (HFONT font = ControlFont()) SelectObject(dc, font);
    COLORREF color = 0;
    if (control_ != nullptr && control_->Font() != nullptr)
        color = ColorToRGB(control_->Font()->Color());
    else
        color = ColorToRGB(Objects().ButtonTextColor);
    color = StateTextColor(frame, color);
    if (!enabledWnd_) color = control_ != nullptr ? GetSysColor(COLOR_BTNSHADOW) : RGB(0x80, 0x80, 0x80);
    SetTextColor(dc, color);
    DrawButtonCaption(dc, rect, DT_CENTER);
}

void TSkinButton::DrawButtonCaption(HDC dc, const RECT& rect, UINT align) {
    if (const auto bars = caption_.find(L"||"); bars != std::wstring::npos) caption_.replace(bars, 2, L"\r\n");
    SetBkMode(dc, TRANSPARENT);
    RECT box = CaptionBox(dc, caption_, rect, align, DT_EXPANDTABS | DT_WORDBREAK);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, align | DT_EXPANDTABS | DT_WORDBREAK);
    if (focused_ && !caption_.empty() && !HasOption(static_cast<int>(TSkinOption::xoNoFocusRect))) {
        InflateRect(&box, 2, 2);
        DrawFocusRect(dc, &box);
    }
}

}  // namespace skin::win
