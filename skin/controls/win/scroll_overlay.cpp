#include "skin/controls/win/scroll_overlay.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "base/win/handles.h"
#include "base/win/rect.h"
#include "framework/win/types.h"
#include "skin/controls/win/paint_buffer.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

LRESULT CALLBACK ScrollOverlayProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

using skin::controls::ClampFrame;
using skin::controls::ThumbSpan;

constexpr wchar_t kOverlayClass[] = L"TweakSkinScrollOverlay";
constexpr UINT_PTR kTrackTimer = 1;
constexpr UINT kTrackRepaintMs = 30;
constexpr int kScrollBarFrames = 23;
constexpr int kTrackFrames = 4;

// The 23-frame arrow strip: left, right, up, down, each normal, pressed, disabled, hot.
constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
constexpr int kPressedOffset = 1, kDisabledOffset = 2;

void RegisterOverlayClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &ScrollOverlayProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kOverlayClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    (void)registered;
}

bool IsOverlay(HWND window) {
    wchar_t name[64]{};
    return window != nullptr && GetClassNameW(window, name, 64) > 0 && lstrcmpW(name, kOverlayClass) == 0;
}

// While the system tracks a press handed over by an overlay, the cursor is over the overlay and
// not over the real bar. The system's tracking loop ends an arrow's auto-repeat at any
// mouse-leave notice it takes from the queue, whichever window it is for (Wine does). The loop
// passes each message through the message filter first: this filter keeps the notices away from
// it, and posts those meant for other windows again once the press is over.
thread_local HWND trackedHost = nullptr;
thread_local std::vector<MSG>* heldLeaves = nullptr;

LRESULT CALLBACK TrackingMessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_SCROLLBAR && lParam != 0) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_NCMOUSELEAVE || msg->message == WM_MOUSELEAVE) {
            if (msg->hwnd != trackedHost && heldLeaves != nullptr) heldLeaves->push_back(*msg);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ScopedLeaveFilter {
public:
    explicit ScopedLeaveFilter(HWND host)
        : previousHost_(trackedHost),
          previousHeld_(heldLeaves),
          hook_(SetWindowsHookExW(WH_MSGFILTER, &TrackingMessageFilter, nullptr, GetCurrentThreadId())) {
        trackedHost = host;
        heldLeaves = &held_;
    }
    ScopedLeaveFilter(const ScopedLeaveFilter&) = delete;
    ScopedLeaveFilter& operator=(const ScopedLeaveFilter&) = delete;
    ~ScopedLeaveFilter() {
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
        trackedHost = previousHost_;
        heldLeaves = previousHeld_;
        for (const MSG& msg : held_)
            if (IsWindow(msg.hwnd)) PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }

private:
    HWND previousHost_;
    std::vector<MSG>* previousHeld_;
    HHOOK hook_;
    std::vector<MSG> held_;
};

void DrawObject(HDC dc, const RECT& r, const TDataSkinObject& object, int frameCount, int frame) {
    if (r.right <= r.left || r.bottom <= r.top || object.Map.Empty()) return;
    const int count = std::max(frameCount, 1);
    skin::DrawSkinObject(dc, base::win::FromRECT(r), object.Map, false, object.Tile != 0, object.Trans != 0, count,
                         ClampFrame(frame, count), object.Margins);
}

void DrawArrow(HDC dc, const RECT& r, const skin::Bitmap& strip, int frame) {
    if (r.right <= r.left || r.bottom <= r.top || strip.Empty()) return;
    skin::DrawSkinFrame(dc, base::win::FromRECT(r), strip, true, kScrollBarFrames, ClampFrame(frame, kScrollBarFrames));
}

}  // namespace

LRESULT CALLBACK ScrollOverlayProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<TWScrollbar*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        if (created != nullptr) created->window_ = window;
    }
    auto* overlay = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (overlay == nullptr) return DefWindowProcW(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        overlay->window_ = nullptr;
        overlay->shown_ = false;
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    return overlay->OnMessage(msg, wParam, lParam);
}

TWScrollbar::TWScrollbar(HWND host, TWinControl* hostControl, TSkinControl* skin, TSkinData* skinData, Kind kind,
                         bool vertical)
    : host_(host), hostControl_(hostControl), skin_(skin), skinData_(skinData), kind_(kind), vertical_(vertical) {
    arrow_ = GetSystemMetrics(vertical_ ? SM_CYVSCROLL : SM_CXHSCROLL);
}

bool TWScrollbar::MakeWindow() {
    // Made when the bar first shows: a memo that scrolls one way only never makes the other.
    if (window_ != nullptr) return true;
    const HWND parent = host_ != nullptr ? GetParent(host_) : nullptr;
    if (parent == nullptr) return false;
    RegisterOverlayClass();
    CreateWindowExW(WS_EX_TOOLWINDOW, kOverlayClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
    return window_ != nullptr;
}

TWScrollbar::~TWScrollbar() {
    if (window_ != nullptr && IsWindow(window_)) {
        const HWND window = window_;
        DestroyWindow(window);
    }
}

bool TWScrollbar::ReadBar(RECT& screen, DWORD& state) {
    if (host_ == nullptr || !IsWindow(host_)) return false;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (kind_ == kControl) {
        if (!GetWindowRect(host_, &screen)) return false;
        state = GetScrollBarInfo(host_, OBJID_CLIENT, &info) ? info.rgstate[0] : 0;
        return true;
    }
    if (!GetScrollBarInfo(host_, kind_ == kHostVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
    screen = info.rcScrollBar;
    state = info.rgstate[0];
    thumbStart_ = info.xyThumbTop;
    thumbEnd_ = info.xyThumbBottom;
    return true;
}

void TWScrollbar::UpdateBar(HWND host) {
    if (host != nullptr) host_ = host;
    RECT screen{};
    DWORD state = 0;
    const bool visible = (GetWindowLongPtrW(host_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (!ReadBar(screen, state) || !visible || (state & STATE_SYSTEM_INVISIBLE) != 0 || screen.right <= screen.left ||
        screen.bottom <= screen.top) {
        Hide();
        return;
    }
    if (!MakeWindow()) return;
    barOrigin_ = POINT{screen.left, screen.top};
    trackLength_ = vertical_ ? screen.bottom - screen.top : screen.right - screen.left;
    barRect_ = screen;
    MapWindowPoints(nullptr, host_, reinterpret_cast<POINT*>(&barRect_), 2);
    RECT inParent = screen;
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&inParent), 2);
    const HWND previous = GetWindow(host_, GW_HWNDPREV);
    // Already just above the host, alone or next to the host's other overlay: keep the order.
    const bool ordered = previous == window_ || IsOverlay(previous);
    if (shown_ && ordered && EqualRect(&inParent, &placed_) && IsWindowVisible(window_)) {
        Repaint();  // in place already: only the thumb may have moved
        return;
    }
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (ordered) flags |= SWP_NOZORDER;
    SetWindowPos(window_, previous != nullptr ? previous : HWND_TOP, inParent.left, inParent.top,
                 inParent.right - inParent.left, inParent.bottom - inParent.top, flags);
    placed_ = inParent;
    const bool wasShown = shown_;
    shown_ = true;
    // Placed anew, it paints with the window's next paint (an overlay made while a dialog opens
    // paints once, with the dialog); moved while shown, it follows its host at once.
    if (wasShown)
        Repaint();
    else
        Invalidate();
}

void TWScrollbar::Hide() {
    if (window_ != nullptr && shown_) ShowWindow(window_, SW_HIDE);
    shown_ = false;
}

bool TWScrollbar::Look::operator==(const Look& other) const {
    return EqualRect(&Screen, &other.Screen) && State == other.State && Enabled == other.Enabled &&
           Tracking == other.Tracking && Code == other.Code && ThumbStart == other.ThumbStart &&
           ThumbEnd == other.ThumbEnd;
}

TWScrollbar::Look TWScrollbar::CurrentLook() {
    Look look;
    ReadBar(look.Screen, look.State);
    look.Enabled = (look.State & STATE_SYSTEM_UNAVAILABLE) == 0 &&
                   (host_ == nullptr || IsWindowEnabled(host_) || kind_ != kControl);
    look.Tracking = tracking_;
    look.Code = lastCode_;
    const ThumbSpan thumb = Thumb();
    look.ThumbStart = thumb.Start;
    look.ThumbEnd = thumb.End;
    return look;
}

void TWScrollbar::Repaint() {
    if (window_ == nullptr || !shown_) return;
    if (paintedOnce_ && GetUpdateRect(window_, nullptr, FALSE) == FALSE && CurrentLook() == painted_) return;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TWScrollbar::Invalidate() {
    if (window_ != nullptr && shown_) InvalidateRect(window_, nullptr, FALSE);
}

int TWScrollbar::CursorOnBar() const {
    POINT p{};
    GetCursorPos(&p);
    return vertical_ ? p.y - barOrigin_.y : p.x - barOrigin_.x;
}

ThumbSpan TWScrollbar::Thumb() const {
    ThumbSpan span{thumbStart_, thumbEnd_};
    if (kind_ == kControl && host_ != nullptr) {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        if (!GetScrollInfo(host_, SB_CTL, &si)) return {};
        span =
            skin::controls::ComputeThumb(trackLength_, arrow_, {si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos});
    }
    if (tracking_ && lastCode_ == skin::controls::kThumb && !span.Empty()) {
        const int pressAxis = vertical_ ? pressPos_.y : pressPos_.x;
        const int origin = vertical_ ? barOrigin_.y : barOrigin_.x;
        const int delta = CursorOnBar() - (pressAxis - origin);
        const int start = skin::controls::DragThumbStart(pressThumb_, delta, trackLength_, arrow_, span.Length());
        span = ThumbSpan{start, start + span.Length()};
    }
    return span;
}

void TWScrollbar::Press() {
    if (host_ == nullptr || !IsWindow(host_)) return;
    RECT screen{};
    DWORD state = 0;
    if (ReadBar(screen, state)) {
        barOrigin_ = POINT{screen.left, screen.top};
        trackLength_ = vertical_ ? screen.bottom - screen.top : screen.right - screen.left;
    }
    GetCursorPos(&pressPos_);
    const ThumbSpan thumb = Thumb();
    pressThumb_ = thumb.Start;
    lastCode_ = skin::controls::HitTestBar(CursorOnBar(), trackLength_, arrow_, thumb);
    tracking_ = true;
    ReleaseCapture();
    const HWND self = window_;
    SetTimer(self, kTrackTimer, kTrackRepaintMs, nullptr);
    Repaint();
    ScopedLeaveFilter leaveFilter(host_);
    if (kind_ == kControl) {
        if (GetFocus() != host_ && (GetWindowLongPtrW(host_, GWL_STYLE) & WS_TABSTOP) != 0) SetFocus(host_);
        POINT client = pressPos_;
        ScreenToClient(host_, &client);
        SendMessageW(host_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    } else {
        SendMessageW(host_, WM_NCLBUTTONDOWN, kind_ == kHostVertical ? HTVSCROLL : HTHSCROLL,
                     MAKELPARAM(pressPos_.x, pressPos_.y));
    }
    if (!IsWindow(self) || window_ != self) return;  // the overlay went while the system tracked
    KillTimer(self, kTrackTimer);
    tracking_ = false;
    if (host_ != nullptr && IsWindow(host_)) UpdateBar(host_);
    Repaint();
}

void TWScrollbar::Release() {
    if (host_ == nullptr || !IsWindow(host_)) return;
    POINT p{};
    GetCursorPos(&p);
    if (kind_ == kControl) {
        ScreenToClient(host_, &p);
        PostMessageW(host_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    } else {
        PostMessageW(host_, WM_NCLBUTTONUP, kind_ == kHostVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
    }
}

LRESULT TWScrollbar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window_, &ps);
            if (dc != nullptr) {
                Paint(dc);
                EndPaint(window_, &ps);
            }
            return 0;
        }
        case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;

        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: Press(); return 0;
        case WM_LBUTTONUP: Release(); return 0;
        case WM_TIMER:
            if (wParam == kTrackTimer) {
                if (tracking_)
                    Repaint();
                else
                    KillTimer(window_, kTrackTimer);
                return 0;
            }
            break;
        case WM_SETCURSOR: SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW))); return TRUE;
        default:
            if (msg == SM_ISSKINNED) return 1;
            break;
    }
    return DefWindowProcW(window_, msg, wParam, lParam);
}

void TWScrollbar::Paint(HDC dc) {
    if (dc == nullptr || skinData_ == nullptr) return;
    const TSkinObjects& objects = skinData_->Objects();
    if (!objects.ScrollBar || objects.ScrollBar->Map.Empty()) return;
    RECT screen{};
    DWORD state = 0;
    if (!ReadBar(screen, state) || (state & STATE_SYSTEM_INVISIBLE) != 0) return;
    barOrigin_ = POINT{screen.left, screen.top};
    trackLength_ = vertical_ ? screen.bottom - screen.top : screen.right - screen.left;
    const int imageThickness = objects.ScrollBar->Map.Height();
    const int systemThickness = GetSystemMetrics(vertical_ ? SM_CXVSCROLL : SM_CYHSCROLL);
    const int thickness = std::abs(imageThickness - systemThickness) > 2 ? systemThickness : imageThickness;
    const int width = vertical_ ? thickness : trackLength_;
    const int height = vertical_ ? trackLength_ : thickness;
    if (width <= 0 || height <= 0) return;
    RECT client{};
    GetClientRect(window_, &client);
    PaintBufferLease buffer(dc, width, height);
    if (buffer.Dc() == nullptr) return;
    PaintBar(buffer.Dc(), width, height);
    painted_ = CurrentLook();
    paintedOnce_ = true;
    if (client.right == width && client.bottom == height) {
        buffer.CopyTo(dc, 0, 0);
    } else {
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, width, height, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
    (void)state;
}

void TWScrollbar::PaintBar(HDC dc, int width, int height) {
    const TSkinObjects& objects = skinData_->Objects();
    RECT screen{};
    DWORD state = 0;
    ReadBar(screen, state);
    const bool enabled =
        (state & STATE_SYSTEM_UNAVAILABLE) == 0 && (host_ == nullptr || IsWindowEnabled(host_) || kind_ != kControl);
    const RECT all{0, 0, width, height};
    base::win::UniqueHBrush face(CreateSolidBrush(ColorToRGB(objects.ButtonFaceColor)));
    FillRect(dc, &all, face.Get());

    const int length = trackLength_;
    const auto along = [&](int from, int to) {
        return vertical_ ? RECT{0, from, width, to} : RECT{from, 0, to, height};
    };
    const TDataSkinObject* track = vertical_ ? objects.VertScroll.get() : objects.HorzScroll.get();
    if (track != nullptr && length > 2 * arrow_)
        DrawObject(dc, along(arrow_, length - arrow_), *track, kTrackFrames, enabled ? 1 : 3);

    const int arrow = skin::controls::ArrowLength(length, arrow_);
    const int firstBase = vertical_ ? kUpArrow : kLeftArrow;
    const int secondBase = vertical_ ? kDownArrow : kRightArrow;
    const auto arrowFrame = [&](int base, int code) {
        if (!enabled) return base + kDisabledOffset;
        return tracking_ && lastCode_ == code ? base + kPressedOffset : base;
    };
    DrawArrow(dc, along(0, arrow), objects.ScrollBar->Map, arrowFrame(firstBase, skin::controls::kLineUp));
    DrawArrow(dc, along(length - arrow, length), objects.ScrollBar->Map,
              arrowFrame(secondBase, skin::controls::kLineDown));

    if (!enabled) return;
    const ThumbSpan thumb = Thumb();
    const TDataSkinObject* thumbObject = vertical_ ? objects.VertScrollThumb.get() : objects.HorzScrollThumb.get();
    if (thumb.Empty() || thumbObject == nullptr) return;
    const bool dragging = tracking_ && lastCode_ == skin::controls::kThumb;
    DrawObject(dc, along(thumb.Start, thumb.End), *thumbObject, thumbObject->FrameCount, dragging ? 2 : 1);
}

}  // namespace skin::win
