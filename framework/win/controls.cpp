#include "framework/win/controls.h"

#include "framework/win/framework_context.h"
#include "framework/win/internal.h"
#include "framework/win/win_control.h"

#include <stdexcept>

namespace framework_internal {

TControl* MouseControl() { return FrameworkContext::Current().mouseControl; }

void SetMouseControl(TControl* control) {
    TControl*& current = FrameworkContext::Current().mouseControl;
    if (control == current) return;
    TControl* previous = current;
    current = control;
    if (previous != nullptr) previous->Perform(CM_MOUSELEAVE);
    if (control != nullptr && MouseControl() == control) control->Perform(CM_MOUSEENTER);
}

void ForgetControl(TControl* control) {
    FrameworkContext& context = FrameworkContext::Current();
    if (context.mouseControl == control) context.mouseControl = nullptr;
}

}  // namespace framework_internal

TShiftState ShiftStateFromMouseKeys(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
    framework_internal::FrameworkContext::Current().liveControls.insert(this);
    font_->OnChange = [this](TObject*) {
        // A font changed directly breaks the link to the parent's font.
        if (!updatingFont_) parentFont_ = false;
        FontChanged();
    };
}

// Free() unlinks in BeforeDestruction while the object is whole; a plain delete reaches only
// the destructor, so it unlinks there. Unlinking twice is harmless. Hooks stay until the very
// end: the window's last messages pass through them.
TControl::~TControl() {
    Unlink();
    if (hooks_) {
        hooks_->DetachControl();
        hooks_.reset();
    }
    engineData_.Clear();
    framework_internal::FrameworkContext::Current().liveControls.erase(this);
}

bool TControl::IsLive(const TControl* control) {
    return control != nullptr && framework_internal::FrameworkContext::Current().liveControls.count(control) != 0;
}

void TControl::BeforeDestruction() {
    Unlink();
    TComponent::BeforeDestruction();
}

void TControl::Unlink() {
    framework_internal::ForgetControl(this);
    if (parent_ != nullptr) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    Deliver(message);
    return message.Result;
}

void TControl::Deliver(TMessage& message) {
    if (!hooks_) {
        WindowProc(message);
        return;
    }
    // Held here: a hook or the control may free the control before the message is done.
    const std::shared_ptr<framework_internal::MessageHookList> hooks = hooks_;
    hooks->Deliver(message);
}

void TControl::AddMessageHook(TMessageHookId id, TMessageHook handler) {
    if (!handler) throw std::invalid_argument("A message hook needs a handler");
    if (!hooks_) hooks_ = std::make_shared<framework_internal::MessageHookList>(this);
    hooks_->Add(id, std::move(handler));
}

bool TControl::RemoveMessageHook(TMessageHookId id) { return hooks_ && hooks_->Remove(id); }

bool TControl::HasMessageHook(TMessageHookId id) const { return hooks_ && hooks_->Contains(id); }

int TControl::MessageHookCount() const { return hooks_ ? hooks_->Count() : 0; }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
    if (parent_ != nullptr) parent_->RemoveControl(this);
    if (parent != nullptr) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    BoundsChanged();
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }

int TControl::ClientWidth() const {
    const RECT r = ClientRect();
    return r.right - r.left;
}

int TControl::ClientHeight() const {
    const RECT r = ClientRect();
    return r.bottom - r.top;
}

void TControl::SetClientSize(int width, int height) {
    const RECT r = ClientRect();
    SetBounds(left_, top_, width_ + width - (r.right - r.left), height_ + height - (r.bottom - r.top));
}

POINT TControl::ClientOrigin() const {
    if (parent_ == nullptr) return POINT{left_, top_};
    const POINT origin = parent_->ClientOrigin();
    return POINT{origin.x + left_, origin.y + top_};
}

POINT TControl::ClientToScreen(POINT p) const {
    const POINT origin = ClientOrigin();
    return POINT{p.x + origin.x, p.y + origin.y};
}

POINT TControl::ScreenToClient(POINT p) const {
    const POINT origin = ClientOrigin();
    return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::SetTextValue(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    Invalidate();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    VisibleChanged();
    if (visible) Invalidate();
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

bool TControl::Showing() const {
    if (!visible_) return false;
    return parent_ == nullptr || parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
    if (color == color_ && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || parent_ == nullptr) return;
    color_ = parent_->Color();
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetFont(TFont* font) {
    if (font == nullptr) return;
    font_->Assign(font);  // FontChanged runs through OnChange
    parentFont_ = false;
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || parent_ == nullptr) return;
    updatingFont_ = true;
    font_->Assign(parent_->Font());
    updatingFont_ = false;
}

void TControl::FontChanged() {
    Invalidate();
    Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() { Invalidate(); }

void TControl::VisibleChanged() {}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::Invalidate() {}

void TControl::Update() {
    if (const auto* windowed = dynamic_cast<const TWinControl*>(this)) {
        if (windowed->HandleAllocated()) UpdateWindow(windowed->Handle());
        return;
    }
    if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::WndProc(TMessage& message) {
    const int x = static_cast<short>(LOWORD(message.LParam));
    const int y = static_cast<short>(HIWORD(message.LParam));
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: {
            DefaultHandler(message);
            const bool dbl =
                message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK;
            const TMouseButton button =
                (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)   ? TMouseButton::mbLeft
                : (message.Msg == WM_RBUTTONDOWN || message.Msg == WM_RBUTTONDBLCLK) ? TMouseButton::mbRight
                                                                                     : TMouseButton::mbMiddle;
            if (button == TMouseButton::mbLeft) {
                clicked_ = true;
                if (dbl && OnDblClick) OnDblClick(this);
            }
            MouseDown(button, ShiftStateFromMouseKeys(message.WParam) | (dbl ? ssDouble : 0), x, y);
            return;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            DefaultHandler(message);
            const TMouseButton button = message.Msg == WM_LBUTTONUP   ? TMouseButton::mbLeft
                                        : message.Msg == WM_RBUTTONUP ? TMouseButton::mbRight
                                                                      : TMouseButton::mbMiddle;
            if (button == TMouseButton::mbLeft) {
                const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
                const bool wasClicked = clicked_;
                clicked_ = false;
                if (wasClicked && inside && enabled_ && ClickOnMouseUp()) Click();
            }
            MouseUp(button, ShiftStateFromMouseKeys(message.WParam), x, y);
            return;
        }
        case WM_MOUSEMOVE:
            DefaultHandler(message);
            MouseMove(ShiftStateFromMouseKeys(message.WParam), x, y);
            return;
        case CM_MOUSEENTER:
            mouseInControl_ = true;
            if (OnMouseEnter) OnMouseEnter(this);
            return;
        case CM_MOUSELEAVE:
            mouseInControl_ = false;
            clicked_ = clicked_ && (GetKeyState(VK_LBUTTON) < 0);
            if (OnMouseLeave) OnMouseLeave(this);
            return;
        case CM_PARENTFONTCHANGED: ParentFontChanged(); return;
        case CM_PARENTCOLORCHANGED: ParentColorChanged(); return;
        default: DefaultHandler(message); return;
    }
}

TPropList TControl::Published() {
    return {
        propdef::String<TControl>("Caption", &TControl::Caption, &TControl::SetCaption),
        propdef::String<TControl>("Text", &TControl::Text, &TControl::SetText),
        propdef::Integer<TControl>("Left", &TControl::Left, &TControl::SetLeft),
        propdef::Integer<TControl>("Top", &TControl::Top, &TControl::SetTop),
        propdef::Integer<TControl>("Width", &TControl::Width, &TControl::SetWidth),
        propdef::Integer<TControl>("Height", &TControl::Height, &TControl::SetHeight),
        propdef::Integer<TControl>("Color", &TControl::Color, &TControl::SetColor),
        propdef::Boolean<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
        propdef::Object<TControl, TFont>("Font", &TControl::Font, &TControl::SetFont),
        propdef::Boolean<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
        propdef::Boolean<TControl>("Visible", &TControl::Visible, &TControl::SetVisible),
        propdef::Boolean<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled),
        propdef::Integer<TControl>("Cursor", &TControl::Cursor, &TControl::SetCursor),
        propdef::String<TControl>("Hint", &TControl::Hint, &TControl::SetHint),
        propdef::Boolean<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
    };
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Invalidate() {
    TWinControl* parent = Parent();
    if (parent == nullptr || !parent->HandleAllocated() || !Visible()) return;
    const RECT r = BoundsRect();
    InvalidateRect(parent->Handle(), &r, TRUE);
}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT && message.WParam != 0) {
        auto dc = reinterpret_cast<HDC>(message.WParam);
        {
            TCanvas::PaintScope scope(canvas_, dc);
            canvas_.Font()->Assign(Font());
            Paint();
        }
        message.Result = 0;
        return;
    }
    TControl::WndProc(message);
}
