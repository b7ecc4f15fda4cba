#include "skin/controls/win/skin_combo_box.h"

#include "base/win/handles.h"
#include "framework/win/win_control.h"
#include <algorithm>

#include "base/win/rect.h"
#include "skin/controls/combo_layout.h"
#include "skin/controls/frame_count.h"
#include "skin/controls/win/skin_scroll_bars.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

namespace {

// The combo skin watching an inner edit, and the procedure our edit procedure replaced. The old
// procedure stays on the edit as long as our procedure may be in its chain: when the skin goes
// while another party subclassed the edit on top of ours, our procedure still passes every
// message on to it.
constexpr wchar_t kInnerEditSkin[] = L"TweakComboSkinInnerEdit";
constexpr wchar_t kInnerEditOldProc[] = L"TweakComboSkinInnerEditOldProc";

}  // namespace

LRESULT CALLBACK ComboInnerEditProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* skin = static_cast<TSkinComBox*>(GetPropW(window, kInnerEditSkin));
    if (skin != nullptr && skin->editOldProc_ != nullptr) return skin->EditMessage(msg, wParam, lParam);
    const auto old = reinterpret_cast<WNDPROC>(GetPropW(window, kInnerEditOldProc));
    if (msg == WM_NCDESTROY) RemovePropW(window, kInnerEditOldProc);
    return old != nullptr ? CallWindowProcW(old, window, msg, wParam, lParam)
                          : DefWindowProcW(window, msg, wParam, lParam);
}

TSkinComBox::~TSkinComBox() { ReleaseEdit(); }

void TSkinComBox::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    if (inited_) return;
    TSkinControl::InitSkin(form, skinData, setColor);
    if (inited_) AfterAttach();
}

void TSkinComBox::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    if (inited_) return;
    TSkinControl::InitSkinHandle(handle, skinData, form);
    if (inited_) AfterAttach();
}

void TSkinComBox::AfterAttach() {
    style_ = static_cast<DWORD>(GetLong(GWL_STYLE));
    listSkin_ = nullptr;
    const DWORD kind = style_ & 3;
    if (!ReadInfo()) return;
    if (kind == CBS_DROPDOWN || kind == CBS_DROPDOWNLIST) {
        // The inner edit (a drop-down list has none: its item window is the combo itself).
        const HWND edit = info_.hwndItem;
        if (edit != nullptr && edit != handle_ && IsWindow(edit) && GetPropW(edit, kInnerEditSkin) == nullptr)
            WatchEdit(edit);
        listHandle_ = nullptr;
        return;
    }
    if (kind == CBS_SIMPLE) {
        listHandle_ = info_.hwndList;
        if (listHandle_ == nullptr || !IsWindow(listHandle_)) return;
        const auto listStyle = static_cast<DWORD>(GetWindowLongPtrW(listHandle_, GWL_STYLE));
        if ((listStyle & WS_POPUP) == 0 && (listStyle & WS_CHILD) != 0 &&
            GetParent(listHandle_) != GetDesktopWindow()) {
            listSkin_ = new TSkinScrollbarH(this);
            listSkin_->InitSkinHandle(listHandle_, skinData_, form_);
            if (!listSkin_->Inited()) {
                delete listSkin_;
                listSkin_ = nullptr;
            }
        }
    }
}

void TSkinComBox::WatchEdit(HWND edit) {
    editHandle_ = edit;
    SetPropW(edit, kInnerEditSkin, this);
    if (const auto kept = reinterpret_cast<WNDPROC>(GetPropW(edit, kInnerEditOldProc))) {
        // Our procedure is still in the edit's chain from an earlier skin (on top, or under
        // another party's): it serves this skin from where it is.
        editOldProc_ = kept;
        return;
    }
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC));
    editOldProc_ = current;
    SetPropW(edit, kInnerEditOldProc, reinterpret_cast<HANDLE>(current));
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboInnerEditProc));
}

void TSkinComBox::WindowRecreated() {
    // The old inner edit and list went with the old window: watch the new ones.
    ReleaseEdit();
    delete listSkin_;  // its window is gone; leaving, it drops out of the form skin's list
    listSkin_ = nullptr;
    listHandle_ = nullptr;
    AfterAttach();
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == opRemove && component == listSkin_) listSkin_ = nullptr;
}

void TSkinComBox::ReleaseEdit() {
    if (editHandle_ == nullptr) return;
    const HWND edit = editHandle_;
    editHandle_ = nullptr;
    if (IsWindow(edit)) {
        if (GetPropW(edit, kInnerEditSkin) == this) RemovePropW(edit, kInnerEditSkin);
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC)) == &ComboInnerEditProc) {
            SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editOldProc_));
            RemovePropW(edit, kInnerEditOldProc);
        }
        // Else another party subclassed the edit on top of ours: ours stays in its chain and
        // passes everything on to the procedure kept in the property until the edit goes.
    }
    editOldProc_ = nullptr;
}

void TSkinComBox::RestoreColors() {
    TSkinControl::RestoreColors();
    ReleaseEdit();
}

LRESULT TSkinComBox::EditMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND edit = editHandle_;
    const WNDPROC old = editOldProc_;
    if (msg == WM_NCDESTROY) {
        ReleaseEdit();
        RemovePropW(edit, kInnerEditOldProc);
    }
    const LRESULT result = CallWindowProcW(old, edit, msg, wParam, lParam);
    if (!active_ || editHandle_ == nullptr) return result;
    try {
        WatchEditMessage(edit, msg);
    } catch (...) {
        // The skin's own failure on the edit's message: the edit has done its work already.
    }
    return result;
}

void TSkinComBox::WatchEditMessage(HWND edit, UINT msg) {
    switch (msg) {
        case WM_PAINT: PaintControl(nullptr); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: SetPressed(true); break;
        case WM_LBUTTONUP: SetPressed(false); break;
        case WM_MOUSEMOVE:
            if (!editTracking_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, edit, 0};
                editTracking_ = TrackMouseEvent(&track) != FALSE;
            }
            SetHot(true);
            break;
        case WM_MOUSELEAVE:
            editTracking_ = false;
            if (!CursorInside()) SetHot(false);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: Repaint(); break;  // the frame shows the focus
        default: break;
    }
}

bool TSkinComBox::CursorInside() const {
    POINT p{};
    RECT r{};
    return handle_ != nullptr && GetCursorPos(&p) && GetWindowRect(handle_, &r) && PtInRect(&r, p);
}

void TSkinComBox::SetHot(bool hot) {
    if (!enabledWnd_ || ((state_ & kHot) != 0) == hot) return;
    state_ = static_cast<std::uint8_t>(hot ? state_ | kHot : state_ & ~kHot);
    Repaint();
}

void TSkinComBox::SetPressed(bool pressed) {
    state_ = static_cast<std::uint8_t>(pressed ? state_ | kPressed : state_ & ~kPressed);
    Repaint();
}

void TSkinComBox::AfterProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: SetPressed(true); return;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if ((state_ & kPressed) != 0) SetPressed(false);
            return;
        case WM_DRAWITEM:
            // Only items of this very window: a window that owns an owner-drawn combo (an
            // extended combo's outer window) would otherwise repaint on each item it draws,
            // and so draw again, for ever.
            if (message.LParam != 0 && reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->hwndItem == handle_)
                Repaint();
            return;
        case WM_NCPAINT:
        case WM_SETFOCUS:
        case WM_KILLFOCUS: Repaint(); return;
        case CM_MOUSEENTER: SetHot(true); return;
        case CM_MOUSELEAVE:
            if (editHandle_ == nullptr || !CursorInside()) SetHot(false);
            return;
        case WM_MOUSEMOVE:
            TSkinControl::AfterProc(message);  // bare windows: leave tracking
            if (control_ == nullptr) SetHot(true);
            return;
        default: TSkinControl::AfterProc(message); return;
    }
}

bool TSkinComBox::ReadInfo() {
    info_ = COMBOBOXINFO{};
    info_.cbSize = sizeof(info_);
    return handle_ != nullptr && GetComboBoxInfo(handle_, &info_) != FALSE;
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
    const TSkinObjects& objects = Objects();
    if (!objects.ComboButton || objects.ComboButton->Map.Empty()) return;
    const TDataSkinBorder& button = *objects.ComboButton;
    style_ = static_cast<DWORD>(GetLong(GWL_STYLE));
    exStyle_ = static_cast<DWORD>(GetLong(GWL_EXSTYLE));
    if (!ReadInfo() || (info_.stateButton & STATE_SYSTEM_INVISIBLE) != 0) return;
    const RECT r{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    const HWND focus = GetFocus();
    focused_ = focus != nullptr && (focus == handle_ || focus == editHandle_);
    enabledWnd_ = (style_ & WS_DISABLED) == 0;
    const bool pressed = (state_ & kPressed) != 0 || (info_.stateButton & STATE_SYSTEM_PRESSED) != 0;
    const int state =
        // A disabled combo is neither pressed nor hot, whatever the mouse last did.
        skin::controls::ComboStateIndex(pressed && enabledWnd_, enabledWnd_ && (focused_ || (state_ & kHot) != 0),
                                        enabledWnd_);
    if (button.Style == 1) {
        DrawClassic(dc, r, enabledWnd_ ? state : 3);
        return;
    }
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    // The button goes where the system put it: a system that keeps it on the right of a
    // right-to-left combo gets the unmirrored look.
    const bool buttonPlaced = info_.rcButton.right > info_.rcButton.left;
    const bool left = buttonPlaced ? info_.rcButton.left < r.right / 2 : (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    if (button.Style == 2) {
        const TDataSkinObject& whole =
            left && objects.SunkEdge ? static_cast<const TDataSkinObject&>(*objects.SunkEdge) : button;
        // Nine parts with the object's margins: the button end keeps its size. Magenta is the
        // text area's, whatever the object's own flag: the text shows through it.
        DrawSkinImage(dc, r, whole.FrameCount, state, whole, Transparency::Always);
        return;
    }
    const auto layout = skin::controls::LayoutCombo(base::win::FromRECT(r), a, left);
    base::win::ScopedSaveDc saved(dc);
    ExcludeClipRect(dc, layout.Text.Left, layout.Text.Top, layout.Text.Right, layout.Text.Bottom);
    if (objects.SunkEdge) DrawSkinImage(dc, r, objects.SunkEdge->FrameCount, state, *objects.SunkEdge);
    DrawFrameStretched(dc, base::win::ToRECT(layout.Button), button.FrameCount, state,
                       left && !button.Map2.Empty() ? button.Map2 : button.Map);
    if (objects.ExtraImages && !objects.ExtraImages->Map.Empty()) {
        const int count = skin::controls::UsableFrameCount(objects.ExtraImages->FrameCount);
        skin::DrawSkinGlyph(dc, layout.Glyph, objects.ExtraImages->Map, true, count, std::min(state, count));
    }
}

void TSkinComBox::DrawClassic(HDC dc, const RECT& r, int state) {
    const TDataSkinBorder& button = *Objects().ComboButton;
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    InflateRect(&inner, -1, -1);
    const int width = GetSystemMetrics(SM_CYVTHUMB);
    RECT column{(exStyle_ & WS_EX_LEFTSCROLLBAR) != 0 ? inner.left : inner.right - width, inner.top, 0, inner.bottom};
    column.right = column.left + width;
    FillFace(dc, column);
    DrawFrameStretched(dc, column, button.FrameCount, state, button.Map);
    base::win::UniqueHBrush shadow(CreateSolidBrush(ColorToRGB(Objects().ButtonShadowColor)));
    FrameRect(dc, &r, shadow.Get());
}

}  // namespace skin::win
