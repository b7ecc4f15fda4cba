#include "skin/controls/win/skin_control.h"

#include <algorithm>

#include "base/win/handles.h"
#include "framework/typinfo.h"
#include "framework/win/paint_parent_background.h"
#include "framework/win/win_control.h"
#include "skin/controls/frame_count.h"
#include "skin/controls/win/paint_buffer.h"
#include "skin/controls/win/parent_background.h"
#include "skin/data/ascii_case.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

// The skin of a bare window, and the procedure it replaced. The old procedure stays on the
// window while our procedure is installed, so messages still find their way should the skin go
// while another party subclassed the window on top of ours.
constexpr wchar_t kControlSkinProperty[] = L"TweakControlSkinObject";
constexpr wchar_t kOldProcProperty[] = L"TweakControlSkinOldProc";

const TSkinObjects& EmptyObjects() {
    static const TSkinObjects empty;
    return empty;
}

RECT AtOrigin(const RECT& r) { return RECT{0, 0, r.right - r.left, r.bottom - r.top}; }

// Whether the control's own procedure has run for the message the innermost dispatch on this
// thread carries; null outside any dispatch. Kept on the thread, not on the skin: a skin may be
// gone by the time its message returns.
thread_local bool* t_oldProcRan = nullptr;

// Puts the outer dispatch's flag back however the inner one ends.
class OldProcFlagScope {
public:
    explicit OldProcFlagScope(bool* flag) : outer_(t_oldProcRan) { t_oldProcRan = flag; }
    OldProcFlagScope(const OldProcFlagScope&) = delete;
    OldProcFlagScope& operator=(const OldProcFlagScope&) = delete;
    ~OldProcFlagScope() { t_oldProcRan = outer_; }

private:
    bool* outer_;
};

}  // namespace

LRESULT CALLBACK ControlSkinWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* skin = static_cast<TSkinControl*>(GetPropW(window, kControlSkinProperty));
    auto oldProc = reinterpret_cast<WNDPROC>(GetPropW(window, kOldProcProperty));
    if (skin == nullptr) {
        if (msg == WM_NCDESTROY) RemovePropW(window, kOldProcProperty);
        return oldProc != nullptr ? CallWindowProcW(oldProc, window, msg, wParam, lParam)
                                  : DefWindowProcW(window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        skin->Dispatch(message);
    } catch (...) {
        // Nothing may leave a window procedure of a window the framework does not own.
    }
    return message.Result;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    Detach();
    if (form_ != nullptr && TSkinForm::IsLive(form_)) form_->RemoveControlSkin(this);
}

TSkinControl* TSkinControl::FromWindow(HWND window) {
    if (window == nullptr) return nullptr;
    return static_cast<TSkinControl*>(GetPropW(window, kControlSkinProperty));
}

TControl* TSkinControl::SkinnedControl() const {
    if (control_ != nullptr) return control_;
    if (graphicControl_ != nullptr) return graphicControl_;
    return hostControl_;
}

void TSkinControl::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    if (inited_) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (control == nullptr) return;
    setColor_ = setColor;
    skinData_ = skinData;
    form_ = form;
    control_ = control;
    handle_ = control->Handle();
    unicode_ = IsWindowUnicode(handle_) != FALSE;
    HookControl(control);
    control->SetDoubleBuffered(true);
    if (form_ != nullptr) form_->AddControlSkin(this);
    if (setColor) TakeOverColors();
    if (parentBack_) flag_ = 1;
    control->Invalidate();
    inited_ = true;
    lifeState_ = kAttached;
}

void TSkinControl::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    if (inited_ || handle == nullptr || !IsWindow(handle)) return;
    skinData_ = skinData;
    form_ = form;
    handle_ = handle;
    enabledWnd_ = true;
    if (form_ != nullptr) form_->AddControlSkin(this);
    unicode_ = IsWindowUnicode(handle) != FALSE;
    caption_ = WindowText();
    SubclassWindow(handle);
    InvalidateRect(handle, nullptr, TRUE);
    inited_ = true;
    lifeState_ = kAttached;
}

void TSkinControl::InitSkinInside(TWinControl* host, HWND inner, TSkinData* skinData, TSkinForm* form) {
    if (inited_) return;
    hostControl_ = host;
    InitSkinHandle(inner, skinData, form);
    if (!inited_) hostControl_ = nullptr;
}

void TSkinControl::InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) {
    if (inited_ || control == nullptr) return;
    skinData_ = skinData;
    form_ = form;
    control_ = control;
    handle_ = control->Handle();
    unicode_ = IsWindowUnicode(handle_) != FALSE;
    if (form_ != nullptr) form_->AddControlSkin(this);
    HookControl(control);
    inited_ = true;
    lifeState_ = kAttached;
}

void TSkinControl::InitSkinGraphic(TSkinForm* form, TSkinData* skinData) {
    if (inited_) return;
    auto* control = dynamic_cast<TControl*>(Owner());
    if (control == nullptr) return;
    skinData_ = skinData;
    form_ = form;
    graphicControl_ = control;
    HookControl(control);
    if (form_ != nullptr) form_->AddControlSkin(this);
    control->Invalidate();
    inited_ = true;
    lifeState_ = kAttached;
}

void TSkinControl::HookControl(TControl* control) {
    hookedControl_ = control;
    hooked_ = true;
    control->AddMessageHook(this, [this](TMessage& message, const TMessageNext& next) {
        const TMessageNext* outer = next_;
        next_ = &next;
        try {
            Dispatch(message);
        } catch (...) {
            next_ = outer;
            throw;  // the control's own failure: the framework reports it
        }
        next_ = outer;
    });
}

void TSkinControl::UnhookControl() {
    if (!hooked_) return;
    hooked_ = false;
    if (hookedControl_ != nullptr && TControl::IsLive(hookedControl_)) hookedControl_->RemoveMessageHook(this);
    hookedControl_ = nullptr;
}

void TSkinControl::SubclassWindow(HWND window) {
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current == ControlSkinWindowProc) {
        // A window whose earlier skin went while someone sat on top of it: reuse the old procedure.
        oldProc_ = reinterpret_cast<WNDPROC>(GetPropW(window, kOldProcProperty));
    } else {
        oldProc_ = current;
        SetPropW(window, kOldProcProperty, reinterpret_cast<HANDLE>(oldProc_));
    }
    SetPropW(window, kControlSkinProperty, this);
    if (current != ControlSkinWindowProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlSkinWindowProc));
    subclassed_ = true;
}

void TSkinControl::UnsubclassWindow() {
    if (!subclassed_) return;
    subclassed_ = false;
    if (handle_ == nullptr || !IsWindow(handle_)) return;
    if (GetPropW(handle_, kControlSkinProperty) == this) RemovePropW(handle_, kControlSkinProperty);
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC));
    if (current == ControlSkinWindowProc) {
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
        RemovePropW(handle_, kOldProcProperty);
    }
    // Otherwise another procedure sits on top of ours: ours stays in its chain and forwards
    // through the old-procedure property until the window goes.
}

void TSkinControl::Detach() {
    UnhookControl();
    UnsubclassWindow();
    if (form_ != nullptr && TSkinForm::IsLive(form_) && form_->HoverButton == this) form_->HoverButton = nullptr;
}

void TSkinControl::Dispatch(TMessage& message) {
    bool oldProcRan = false;
    OldProcFlagScope scope(&oldProcRan);
    try {
        SkinWndProc(message);
    } catch (const ControlCodeFailure& failure) {
        std::rethrow_exception(failure.Error);
    } catch (...) {
        // The skin failed on this message: the control still gets it, as if it had no skin.
        if (oldProcRan) return;
        try {
            CallOldProc(message);
        } catch (const ControlCodeFailure& failure) {
            std::rethrow_exception(failure.Error);
        }
    }
}

void TSkinControl::SkinWndProc(TMessage& message) {
    if (active_) {
        if (BeforeProc(message)) {
            CallOldProc(message);
            AfterProc(message);
        }
        return;
    }
    if (message.Msg == CM_RECREATEWND && lifeState_ == kWindowGone && control_ != nullptr &&
        TControl::IsLive(control_) && control_->HandleAllocated()) {
        // The framework made the control a new window: the skin carries on with it.
        CallOldProc(message);
        Revive();
        AfterProc(message);
        return;
    }
    if (message.Msg == SM_ENABLESKIN && lifeState_ != kWindowGone) {
        active_ = message.WParam > 0;
        if (active_) Repaint();
        return;
    }
    CallOldProc(message);
}

void TSkinControl::Revive() {
    handle_ = control_->Handle();
    unicode_ = IsWindowUnicode(handle_) != FALSE;
    lifeState_ = kAttached;
    active_ = true;
    if (setColor_) TakeOverColors();
    WindowRecreated();
    Repaint();
}

void TSkinControl::TakeOverColors() {
    if (!HasOption(static_cast<int>(TSkinOption::xoParentBackGround))) {
        if (PropIsTrue(control_, "ParentBackground")) {
            parentBack_ = true;
            SetEnumProp(control_, "ParentBackground", "False");
        }
    }
    oldColor_ = control_->Color();
    control_->SetColor(FaceColor());
}

void TSkinControl::CallOldProc(TMessage& message) {
    if (t_oldProcRan != nullptr) *t_oldProcRan = true;
    RunControlCode([&] {
        if (next_ != nullptr) {
            (*next_)(message);
        } else if (oldProc_ != nullptr && handle_ != nullptr) {
            message.Result = CallWindowProcW(oldProc_, handle_, message.Msg, message.WParam, message.LParam);
        } else if (handle_ != nullptr) {
            message.Result = DefWindowProcW(handle_, message.Msg, message.WParam, message.LParam);
        }
    });
}

bool TSkinControl::BeforeProc(TMessage& message) {
    switch (message.Msg) {
        case WM_NCDESTROY: {
            const HWND window = handle_;
            CallOldProc(message);
            active_ = false;
            lifeState_ = kWindowGone;
            RestoreColors();
            if (subclassed_) {
                // The window is going: the procedure it had gets the rest of its messages.
                subclassed_ = false;
                RemovePropW(window, kControlSkinProperty);
                RemovePropW(window, kOldProcProperty);
            }
            if (form_ != nullptr && TSkinForm::IsLive(form_) && form_->HoverButton == this)
                form_->HoverButton = nullptr;
            return false;
        }
        case SM_ISSKINNED: message.Result = 1; return false;
        case WM_MOUSELEAVE:
            // Bare windows get no framework mouse-leave; the system's stands in for it.
            trackingLeave_ = false;
            if (control_ == nullptr && graphicControl_ == nullptr) {
                TMessage leave{CM_MOUSELEAVE, 0, 0, 0};
                AfterProc(leave);
            }
            return true;
        default: return true;
    }
}

void TSkinControl::AfterProc(TMessage& message) {
    switch (message.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case CM_ENABLEDCHANGED: Repaint(); break;
        case WM_PAINT: PaintControl(reinterpret_cast<HDC>(message.WParam)); break;
        case WM_SETFONT:
            if (control_ != nullptr && control_->HandleAllocated() && control_->Handle() != handle_)
                handle_ = control_->Handle();
            break;
        case WM_MOUSEMOVE:
            if (control_ == nullptr && graphicControl_ == nullptr && !trackingLeave_ && handle_ != nullptr) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            break;
        case SM_ENABLESKIN: active_ = message.WParam > 0; break;
        default: break;
    }
}

void TSkinControl::PaintControl(HDC dc) {
    if (handle_ == nullptr) return;
    RECT rect{};
    if (!GetWindowRect(handle_, &rect)) return;
    windowRect_ = rect;
    const RECT local = AtOrigin(rect);
    if (dc != nullptr) {
        DrawSafely(dc, local);
        return;
    }
    base::win::WindowDc windowDc(handle_, base::win::WindowDc::Area::Window);
    if (windowDc.Get() != nullptr) DrawSafely(windowDc.Get(), local);
}

void TSkinControl::DrawSafely(HDC dc, const RECT& rect) {
    try {
        DrawControl(dc, rect);
    } catch (const ControlCodeFailure&) {
        throw;
    } catch (...) {
        // A failed paint leaves the control as it painted itself; the next paint starts afresh.
    }
}

void TSkinControl::ExcludeChildWindow(HDC dc, HWND child) const {
    RECT own{}, inner{};
    if (!GetWindowRect(handle_, &own) || !GetWindowRect(child, &inner)) return;
    ExcludeClipRect(dc, inner.left - own.left, inner.top - own.top, inner.right - own.left, inner.bottom - own.top);
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::RestoreColors() {
    if (!setColor_ || control_ == nullptr || !TControl::IsLive(control_)) return;
    if (parentBack_) SetEnumProp(control_, "ParentBackground", "True");
    control_->SetColor(oldColor_);
}

void TSkinControl::SkinChange() {
    if ((setColor_ || followsFaceColor_) && control_ != nullptr) control_->SetColor(FaceColor());
    Repaint();
}

void TSkinControl::Repaint() {
    if (control_ != nullptr) {
        control_->Invalidate();
    } else if (graphicControl_ != nullptr) {
        graphicControl_->Invalidate();
    } else if (handle_ != nullptr) {
        // Painted with the window's next paint, as a framework control is: a window whose skin
        // is attached before it first shows paints once.
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

void TSkinControl::SendMouseLeave() {
    if (graphicControl_ != nullptr) {
        RunControlCode([this] { graphicControl_->Perform(CM_MOUSELEAVE); });
    } else if (handle_ != nullptr) {
        SendMessageW(handle_, CM_MOUSELEAVE, 0, 0);
    }
}

const TSkinObjects& TSkinControl::Objects() const {
    return skinData_ != nullptr ? skinData_->Objects() : EmptyObjects();
}

bool TSkinControl::HasOption(int option) const {
    return skinData_ != nullptr && skinData_->Options().Contains(static_cast<TSkinOption>(option));
}

TColor TSkinControl::FaceColor() const { return Objects().ButtonFaceColor; }

TColor TSkinControl::ParentColor(TColor fallback) const {
    if (control_ == nullptr || control_->Parent() == nullptr) return fallback;
    return control_->Parent()->Color();
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
    base::win::UniqueHBrush brush(CreateSolidBrush(ColorToRGB(FaceColor())));
    FillRect(dc, &rect, brush.Get());
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
    base::win::UniqueHBrush brush(CreateSolidBrush(ColorToRGB(ParentColor(FaceColor()))));
    FillRect(dc, &rect, brush.Get());
}

LONG_PTR TSkinControl::GetLong(int index) const { return handle_ != nullptr ? GetWindowLongPtrW(handle_, index) : 0; }

std::wstring TSkinControl::WindowText() const {
    if (handle_ == nullptr) return {};
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

HFONT TSkinControl::ControlFont() const {
    if (TControl* control = SkinnedControl(); control != nullptr && control->Font() != nullptr)
        return control->Font()->Handle();
    if (handle_ != nullptr) return reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    return nullptr;
}

void TSkinControl::DrawFocus(HDC dc, UINT format, const RECT& rect) {
    RECT m = rect;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &m, format | DT_CALCRECT | DT_NOCLIP);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int mWidth = m.right - m.left, mHeight = m.bottom - m.top;
    if ((format & DT_CENTER) != 0) {
        OffsetRect(&m, (width - mWidth) / 2, (height - mHeight) / 2 - 1);
    } else if ((format & DT_RIGHT) != 0) {
        OffsetRect(&m, width - mWidth, 0);
    }
    InflateRect(&m, 2, 1);
    m.top = std::max(m.top, rect.top);
    m.bottom = std::min(m.bottom, rect.bottom);
    DrawFocusRect(dc, &m);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) {
    TControl* control = SkinnedControl();
    if (control == nullptr) return;
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    if (control->Width() > 0x8000 || control->Height() > 0x8000) {
        GetCursorPos(&p);
        p = control->ScreenToClient(p);
    }
    RunControlCode(
        [&] { control->DoMouseDown(TMouseButton::mbLeft, ShiftStateFromMouseKeys(message.WParam), p.x, p.y); });
}

void TSkinControl::PaintWhole(TMessage& message) {
    auto dc = reinterpret_cast<HDC>(message.WParam);
    if (dc != nullptr) {
        if (GetWindowRect(handle_, &windowRect_)) DrawSafely(dc, AtOrigin(windowRect_));
        message.Result = 0;
        return;
    }
    // Painted off-screen and copied once, so the control never shows half a paint.
    PAINTSTRUCT ps{};
    dc = BeginPaint(handle_, &ps);
    if (dc != nullptr && GetWindowRect(handle_, &windowRect_)) {
        const RECT local = AtOrigin(windowRect_);
        PaintBufferLease buffer(dc, local.right, local.bottom);
        if (buffer.Dc() != nullptr) {
            FillFace(buffer.Dc(), local);  // a pooled surface holds the last paint's pixels
            DrawSafely(buffer.Dc(), local);
            buffer.CopyTo(dc, 0, 0);
        } else {
            DrawSafely(dc, local);
        }
    }
    if (dc != nullptr) EndPaint(handle_, &ps);
    message.Result = 0;
}

void TSkinControl::EraseToParent(TMessage& message) {
    auto dc = reinterpret_cast<HDC>(message.WParam);
    RECT client{};
    GetClientRect(handle_, &client);
    PaintParentImage(dc, client);
    message.Result = 1;
}

void TSkinControl::PaintParentImage(HDC dc, const RECT& rect) {
    if (control_ != nullptr && control_->Parent() != nullptr) {
        if (PaintKeptParentBackground(control_, dc, rect)) return;
        base::win::ScopedSaveDc saved(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        PaintParentBackground(control_, dc, false);
    } else {
        FillParentColor(dc, rect);
    }
}

void TSkinControl::DrawSkinImage(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                 const TDataSkinObject& object, Transparency clear) const {
    if (rect.right < rect.left || rect.bottom < rect.top) return;
    const int count = skin::controls::UsableFrameCount(frameCount);
    const bool transparent = clear == Transparency::AsObject ? object.Trans != 0 : clear == Transparency::Always;
    const skin::Rect target{rect.left, rect.top, rect.right, rect.bottom};
    skin::DrawSkinObject(dc, target, object.Map, false, object.Tile != 0, transparent, count,
                         std::clamp(frameIndex, 1, count), object.Margins);
}

void TSkinControl::DrawFrameStretched(HDC dc, const RECT& rect, int frameCount, int index, const skin::Bitmap& bitmap) {
    if (rect.right < rect.left || rect.bottom < rect.top || bitmap.Empty()) return;
    const int count = skin::controls::UsableFrameCount(frameCount);
    const skin::Rect target{rect.left, rect.top, rect.right, rect.bottom};
    skin::DrawSkinFrame(dc, target, bitmap, true, count, std::clamp(index, 1, count));
}

std::optional<std::string> TSkinControl::LowerEnumProp(const TObject* object, std::string_view name) {
    auto value = GetEnumProp(object, name);
    if (!value) return std::nullopt;
    return skin::AsciiLower(*value);
}

bool TSkinControl::PropIsTrue(const TObject* object, std::string_view name) {
    return LowerEnumProp(object, name) == "true";
}

int TSkinControl::TextHeightOfZero(HDC dc) {
    SIZE size{};
    GetTextExtentPoint32W(dc, L"0", 1, &size);
    return size.cy;
}

RECT TSkinControl::CaptionBox(HDC dc, const std::wstring& text, const RECT& rect, UINT align, UINT format) {
    RECT box = rect;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, align | format | DT_CALCRECT | DT_NOCLIP);
    const int boxWidth = box.right - box.left, boxHeight = box.bottom - box.top;
    if ((align & DT_CENTER) != 0) {
        box.left = rect.left + (rect.right - rect.left - boxWidth) / 2;
        box.right = box.left + boxWidth;
    } else {
        box.left = rect.left;
        box.right = rect.right;
    }
    box.top = rect.top + (rect.bottom - rect.top - boxHeight) / 2 - 1;
    box.bottom = box.top + boxHeight;
    return box;
}

void TSkinControl::DrawCaptionText(HDC dc, const RECT& rect, UINT align, bool enabled, const std::wstring& text) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const RECT box = CaptionBox(dc, text, rect, align, DT_EXPANDTABS);
    COLORREF oldColor = 0;
    if (!enabled) oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT drawBox = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &drawBox, align | DT_EXPANDTABS);
    if (!enabled) SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

}  // namespace skin::win
