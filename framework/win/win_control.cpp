#include "framework/win/win_control.h"

#include "framework/win/forms.h"
#include "framework/win/internal.h"
#include "framework/win/paint_parent_background.h"
#include "framework/win/text.h"
#include "framework/win/window_class.h"

#include <algorithm>
#include <stdexcept>

using framework_internal::MouseControl;
using framework_internal::SetMouseControl;

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    if (handle_ != nullptr) {
        // Deleted without Free: the window must not outlive the object.
        HWND hwnd = handle_;
        DetachWindow();
        DestroyWindow(hwnd);
    }
}

void TWinControl::BeforeDestruction() {
    if (Destroying()) return;
    DestroyHandle();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        child->Free();
    }
    TControl::BeforeDestruction();
}

HWND TWinControl::Handle() {
    if (handle_ == nullptr) CreateHandle();
    return handle_;
}

void TWinControl::AttachWindow(HWND hwnd) {
    handle_ = hwnd;
    SetPropW(hwnd, ControlAtomKey(), this);
}

void TWinControl::DetachWindow() {
    if (handle_ == nullptr) return;
    RemovePropW(handle_, ControlAtomKey());
    handle_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = WidenText(caption_);
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) params.Style |= WS_VISIBLE;
    if (!Enabled()) params.Style |= WS_DISABLED;
    if (tabStop_) params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = Parent() != nullptr ? Parent()->Handle() : parentWindow_;
    params.WinClassName = WidenText(ClassName());
}

void TWinControl::CreateHandle() {
    if (handle_ != nullptr) return;
    if (Parent() != nullptr) {
        // The parent's creation makes every child window, this one included.
        Parent()->HandleNeeded();
        if (handle_ != nullptr) return;
    }
    TCreateParams params;
    CreateParams(params);
    defWndProc_ = framework_internal::RegisterWindowClass(params);
    ownClass_ = params.BaseClassName.empty();
    HWND hwnd = framework_internal::CreateControlWindow(this, params);
    if (hwnd == nullptr) throw std::runtime_error("Error creating window for " + ClassName());
    if (handle_ == nullptr) AttachWindow(hwnd);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    CreateWnd();
    if (clientSizeRequested_) {
        clientSizeRequested_ = false;
        SetClientSize(requestedClientWidth_, requestedClientHeight_);
    }
    for (TControl* child : controls_) {
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed != nullptr && !windowed->HandleAllocated()) {
            windowed->CreateHandle();
        }
    }
}

void TWinControl::DestroyHandle() {
    if (handle_ == nullptr) return;
    for (TControl* child : controls_) {
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
    }
    caption_ = GetTextValue();
    DestroyWnd();
    HWND hwnd = handle_;
    DestroyWindowHandle(hwnd);
    if (handle_ != nullptr) DetachWindow();
}

void TWinControl::RecreateWnd() {
    if (handle_ == nullptr) return;
    // Every window of the subtree is made again; each control hears of its new window, this
    // one first.
    std::vector<TWinControl*> recreated{this};
    for (std::size_t i = 0; i < recreated.size(); ++i) {
        for (TControl* child : recreated[i]->controls_) {
            if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed != nullptr && windowed->HandleAllocated())
                recreated.push_back(windowed);
        }
    }
    DestroyHandle();
    CreateHandle();
    for (TWinControl* control : recreated) {
        if (IsLive(control) && control->HandleAllocated()) control->Perform(CM_RECREATEWND);
    }
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (handle_ == nullptr || defWndProc_ == nullptr) {
        message.Result = 0;
        return;
    }
    message.Result = CallWindowProcW(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

std::string TWinControl::GetTextValue() const {
    if (handle_ == nullptr) return caption_;
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return NarrowText(text);
}

void TWinControl::SetTextValue(const std::string& text) {
    if (handle_ != nullptr) {
        if (GetTextValue() == text) return;
        caption_ = text;
        SetWindowTextW(handle_, WidenText(text).c_str());
    } else {
        if (caption_ == text) return;
        caption_ = text;
    }
    Perform(CM_TEXTCHANGED);
}

void TWinControl::InsertControl(TControl* control) {
    if (control == nullptr || control->parent_ == this) return;
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) tabList_.push_back(windowed);
    control->ParentFontChanged();
    control->ParentColorChanged();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (handle_ != nullptr) windowed->CreateHandle();
    } else {
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    control->Invalidate();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        windowed->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    }
    controls_.erase(std::find(controls_.begin(), controls_.end(), control));
    if (captureControl_ == control) captureControl_ = nullptr;
    control->parent_ = nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c != nullptr; c = c->Parent()) {
        if (c == this) return true;
    }
    return false;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        const RECT r = c->BoundsRect();
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const {
    if (Parent() == nullptr) return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (Parent() == nullptr) return;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool value) {
    if (value == tabStop_) return;
    tabStop_ = value;
    if (handle_ != nullptr) {
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(handle_, GWL_STYLE, style);
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

void TWinControl::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    std::vector<TWinControl*> stops;
    for (TWinControl* c : list) {
        if (c->TabStop() && c->CanFocus()) stops.push_back(c);
    }
    if (stops.empty()) return;
    auto it = std::find(stops.begin(), stops.end(), current);
    std::size_t next = 0;
    if (it != stops.end()) {
        const std::size_t index = static_cast<std::size_t>(it - stops.begin());
        next = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
    } else if (!forward) {
        next = stops.size() - 1;
    }
    stops[next]->SetFocus();
}

bool TWinControl::Focused() const { return handle_ != nullptr && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c != nullptr; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) form->SetActiveControl(this);
    ::SetFocus(Handle());
}

void TWinControl::SetParentBackground(bool value) {
    if (value == parentBackground_) return;
    parentBackground_ = value;
    Invalidate();
}

void TWinControl::Broadcast(TMessage& message) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        controls_[i]->Deliver(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::PaintControls(HDC dc) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        if (dynamic_cast<TWinControl*>(c) != nullptr || !c->Visible()) continue;
        if (framework_internal::PaintingParentBackgroundFor(c)) continue;
        const RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r)) continue;
        base::win::ScopedSaveDc save(dc);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (handle_ == nullptr) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, width_, height_};
    if (handle_ != nullptr) GetClientRect(handle_, &r);
    return r;
}

POINT TWinControl::ClientOrigin() const {
    if (handle_ == nullptr) return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return p;
}

void TWinControl::SetClientSize(int width, int height) {
    if (handle_ == nullptr) {
        // Applied again once the window exists, when the frame is known exactly.
        clientSizeRequested_ = true;
        requestedClientWidth_ = width;
        requestedClientHeight_ = height;
        TCreateParams params;
        CreateParams(params);
        RECT r{0, 0, width, height};
        AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
        TControl::SetBounds(left_, top_, r.right - r.left, r.bottom - r.top);
        return;
    }
    RECT window{};
    RECT client{};
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    SetBounds(left_, top_, (window.right - window.left) - client.right + width,
              (window.bottom - window.top) - client.bottom + height);
}

void TWinControl::Invalidate() {
    if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH TWinControl::ColorBrush() {
    if (!colorBrush_ || colorBrushColor_ != Color()) {
        colorBrush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
        colorBrushColor_ = Color();
    }
    return colorBrush_.Get();
}

bool TWinControl::EraseBackground(HDC dc) {
    if (!ownClass_ || dc == nullptr) return false;
    if (parentBackground_ && Parent() != nullptr) {
        PaintParentBackground(this, dc, false);
        return true;
    }
    RECT r{};
    GetClientRect(handle_, &r);
    FillRect(dc, &r, ColorBrush());
    return true;
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintHandler(TMessage& message) {
    auto given = reinterpret_cast<HDC>(message.WParam);
    if (given != nullptr) {
        PaintWindow(given);
        PaintControls(given);
        message.Result = 0;
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(handle_, &ps);
    if (dc == nullptr) return;
    if (doubleBuffered_) {
        RECT client{};
        GetClientRect(handle_, &client);
        base::win::UniqueMemoryDc memory(CreateCompatibleDC(dc));
        base::win::UniqueHBitmap bitmap(
            CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
        if (memory && bitmap) {
            base::win::ScopedSelectObject select(memory.Get(), bitmap.Get());
            auto memoryDc = reinterpret_cast<WPARAM>(memory.Get());
            Perform(WM_ERASEBKGND, memoryDc, static_cast<LPARAM>(memoryDc));
            Perform(WM_PAINT, memoryDc, 0);
            BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                   ps.rcPaint.bottom - ps.rcPaint.top, memory.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        }
    } else {
        PaintWindow(dc);
        PaintControls(dc);
    }
    EndPaint(handle_, &ps);
    message.Result = 0;
}

bool TWinControl::ReflectToChild(TMessage& message) {
    HWND child = nullptr;
    switch (message.Msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR: child = reinterpret_cast<HWND>(message.LParam); break;
        case WM_NOTIFY:
            if (message.LParam != 0) child = reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
            break;
        case WM_DRAWITEM:
            // Menu items are drawn by the menu's owner; controls (whose id may be 0) by themselves.
            if (message.LParam != 0 && reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->CtlType != ODT_MENU) {
                child = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
            }
            break;
        case WM_MEASUREITEM:
            if (message.WParam != 0 && handle_ != nullptr)
                child = GetDlgItem(handle_, static_cast<int>(message.WParam));
            break;
        default: return false;
    }
    TWinControl* target = child != nullptr && child != handle_ ? FindControl(child) : nullptr;
    if (target != nullptr) {
        message.Result = target->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    } else {
        TControl::WndProc(message);
    }
    return true;
}

void TWinControl::UpdateMouseControl(TControl* control) {
    if (handle_ != nullptr) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = handle_;
        TrackMouseEvent(&track);
    }
    SetMouseControl(control);
}

bool TWinControl::RouteMouseToGraphic(TMessage& message) {
    if (controls_.empty() && captureControl_ == nullptr) return false;
    const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    TControl* target = captureControl_;
    if (target == nullptr) {
        TControl* hit = ControlAtPos(p);
        if (hit != nullptr && dynamic_cast<TWinControl*>(hit) == nullptr) target = hit;
    }
    if (target == nullptr) return false;
    const bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN || message.Msg == WM_MBUTTONDOWN ||
                      message.Msg == WM_LBUTTONDBLCLK;
    const bool up = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP || message.Msg == WM_MBUTTONUP;
    if (down && captureControl_ == nullptr) {
        captureControl_ = target;
        SetCapture(handle_);
    }
    const LPARAM local = MAKELPARAM(static_cast<WORD>(static_cast<short>(p.x - target->Left())),
                                    static_cast<WORD>(static_cast<short>(p.y - target->Top())));
    message.Result = target->Perform(message.Msg, message.WParam, local);
    if (up && captureControl_ != nullptr && (message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        captureControl_ = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
    }
    return true;
}

void TWinControl::WndProc(TMessage& message) {
    if (ReflectToChild(message)) return;
    switch (message.Msg) {
        case WM_PAINT:
            if ((message.WParam == 0 && doubleBuffered_) || ownClass_ || !controls_.empty()) {
                PaintHandler(message);
            } else {
                DefaultHandler(message);
            }
            return;
        case WM_ERASEBKGND:
            if (EraseBackground(reinterpret_cast<HDC>(message.WParam))) {
                message.Result = 1;
            } else {
                DefaultHandler(message);
            }
            return;
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORSTATIC:
        case CN_CTLCOLORBTN:
        case CN_BASE + WM_CTLCOLORLISTBOX: {
            auto dc = reinterpret_cast<HDC>(message.WParam);
            SetTextColor(dc, ColorToRGB(Font()->Color()));
            SetBkColor(dc, ColorToRGB(Color()));
            message.Result = reinterpret_cast<LRESULT>(ColorBrush());
            return;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
                POINT p{};
                GetCursorPos(&p);
                ::ScreenToClient(handle_, &p);
                TControl* hit = captureControl_ != nullptr ? captureControl_ : ControlAtPos(p, true);
                if (hit == nullptr || dynamic_cast<TWinControl*>(hit) != nullptr) hit = this;
                TCursor cursor = hit->Cursor();
                if (cursor == crDefault && hit != this) cursor = Cursor();
                if (cursor != crDefault) {
                    const wchar_t* id = cursor == crHandPoint ? reinterpret_cast<LPCWSTR>(IDC_HAND)
                                        : cursor == crIBeam   ? reinterpret_cast<LPCWSTR>(IDC_IBEAM)
                                                              : reinterpret_cast<LPCWSTR>(IDC_ARROW);
                    ::SetCursor(LoadCursorW(nullptr, id));
                    message.Result = TRUE;
                    return;
                }
            }
            DefaultHandler(message);
            return;
        case WM_MOUSEMOVE: {
            const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
            TControl* hit = captureControl_;
            if (hit == nullptr) {
                hit = ControlAtPos(p);
                if (hit == nullptr || dynamic_cast<TWinControl*>(hit) != nullptr) hit = this;
            }
            UpdateMouseControl(hit);
            if (RouteMouseToGraphic(message)) return;
            break;
        }
        case WM_MOUSELEAVE: {
            TControl* current = MouseControl();
            if (current == this ||
                (current != nullptr && current->Parent() == this && dynamic_cast<TWinControl*>(current) == nullptr)) {
                SetMouseControl(nullptr);
            }
            DefaultHandler(message);
            return;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            if (RouteMouseToGraphic(message)) return;
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(message.LParam) != handle_) captureControl_ = nullptr;
            break;
        case WM_SETFOCUS:
            if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) {
                form->SetActiveControl(this);
            }
            DefaultHandler(message);
            if (OnEnter) OnEnter(this);
            return;
        case WM_KILLFOCUS:
            DefaultHandler(message);
            if (OnExit) OnExit(this);
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const bool downKey = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
            const TKeyEvent& handler = downKey ? OnKeyDown : OnKeyUp;
            if (handler) {
                WORD key = static_cast<WORD>(message.WParam);
                TShiftState shift = (GetKeyState(VK_SHIFT) < 0 ? ssShift : 0) |
                                    (GetKeyState(VK_CONTROL) < 0 ? ssCtrl : 0) | (GetKeyState(VK_MENU) < 0 ? ssAlt : 0);
                handler(this, key, shift);
                if (key == 0) return;
                message.WParam = key;
            }
            DefaultHandler(message);
            return;
        }
        case WM_CHAR:
            if (OnKeyPress) {
                const std::string narrow = NarrowText(std::wstring(1, static_cast<wchar_t>(message.WParam)));
                char key = narrow.empty() ? '\0' : narrow[0];
                OnKeyPress(this, key);
                if (key == '\0') return;
                message.WParam = WidenText(std::string(1, key)).front();
            }
            DefaultHandler(message);
            return;
        case WM_WINDOWPOSCHANGED: {
            DefaultHandler(message);
            RECT r{};
            GetWindowRect(handle_, &r);
            if ((GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) != 0) {
                MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
            }
            if (r.left != left_ || r.top != top_ || r.right - r.left != width_ || r.bottom - r.top != height_) {
                left_ = r.left;
                top_ = r.top;
                width_ = r.right - r.left;
                height_ = r.bottom - r.top;
                BoundsChanged();
            }
            return;
        }
        case CM_DIALOGCHAR: Broadcast(message); return;
        default:
            if (message.Msg >= CN_BASE && message.Msg < CN_BASE + 0x400) {
                message.Result = 0;  // reflected notifications nobody handled
                return;
            }
            break;
    }
    TControl::WndProc(message);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    if (handle_ != nullptr) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    Invalidate();
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::VisibleChanged() {
    if (handle_ != nullptr) ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::EnabledChanged() {
    if (handle_ != nullptr) EnableWindow(handle_, Enabled() ? TRUE : FALSE);
    Invalidate();
}

TPropList TWinControl::Published() {
    return {
        propdef::Integer<TWinControl>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
        propdef::Boolean<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
        propdef::Boolean<TWinControl>("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered),
        propdef::Boolean<TWinControl>("ParentBackground", &TWinControl::ParentBackground,
                                      &TWinControl::SetParentBackground),
    };
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
    TCanvas::PaintScope scope(canvas_, dc);
    canvas_.Font()->Assign(Font());
    canvas_.Brush()->SetColor(Color());
    Paint();
}
