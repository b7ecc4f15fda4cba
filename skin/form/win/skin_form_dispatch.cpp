// The skinned window's procedure: which messages the skin answers, in which phase, and which
// reach the window's own procedure.

#include "framework/win/forms.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/frame_metrics.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {
constexpr UINT_PTR kHoverTimerId = 0x5F4B;
}  // namespace

LRESULT TSkinForm::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (oldWndProc_ == nullptr) return DefWindowProcW(Handle, msg, wParam, lParam);
    return CallWindowProcW(oldWndProc_, Handle, msg, wParam, lParam);
}

LRESULT TSkinForm::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A control drawn hot would stay so: the mouse leaving it is no longer reported once another
    // window is active.
    if ((msg == WM_ACTIVATE || msg == WM_NCACTIVATE) && LOWORD(wParam) == 0 && HoverButton != nullptr)
        LeaveHoverButton();
    switch (msg) {
        case WM_ERASEBKGND: {
            const LRESULT result = Default(msg, wParam, lParam);
            if (ownerForm_ != nullptr || skinData_ == nullptr) return result;
            RECT client{};
            GetClientRect(Handle, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, skinData_->FaceBrush());
            return 1;
        }
        case WM_NCDESTROY: {
            phase_ = 4;
            const WNDPROC previous = oldWndProc_;
            const HWND window = Handle;
            DetachOnDestroy();
            const LRESULT result = CallWindowProcW(previous, window, msg, wParam, lParam);
            phase_ = 6;
            return result;
        }
        case WM_INITMENUPOPUP:
            if (SkinManager != nullptr)
                SkinManager->MenuContext = reinterpret_cast<HMENU>(wParam) == systemMenu_ ? 2 : 1;
            MarkPopupMenu(reinterpret_cast<HMENU>(wParam));
            return Default(msg, wParam, lParam);
        case WM_MEASUREITEM:
        case WM_DRAWITEM: {
            LRESULT result = 0;
            if (OnMenuItemMessage(msg, lParam, result)) return result;
            return Default(msg, wParam, lParam);
        }
        case WM_MENUSELECT:
            if (menuTracking_) NoteMenuSelect(*this, wParam, lParam);
            return Default(msg, wParam, lParam);
        case WM_CTLCOLORBTN: {
            const LRESULT result = Default(msg, wParam, lParam);
            if (ownerForm_ == nullptr) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return result;
        }
        case WM_CTLCOLORSTATIC: {
            const LRESULT result = Default(msg, wParam, lParam);
            if (ownerForm_ != nullptr || skinData_ == nullptr) return result;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(skinData_->FaceBrush());
        }
        case WM_TIMER:
            if (wParam == kHoverTimerId) {
                OnHoverTimer();
                return 0;
            }
            break;
        case SM_SKINCONTROLS:
            Apply();
            SkinControls();
            return 0;
        case SM_ISSKINNED: return 1;
        default: break;
    }
    if (!frameSkinning_) return Default(msg, wParam, lParam);
    if (mdiRole_ != skin::form::MdiRole::Child && (windowStyle_ & WS_CHILD) != 0) return Default(msg, wParam, lParam);

    LRESULT result = 0;
    if (DispatchFrameMessage(msg, wParam, lParam, result)) return result;
    if (phase_ == 0 || Minimized() || MdiChildNotNormal()) return Default(msg, wParam, lParam);
    return DispatchNonClient(msg, wParam, lParam);
}

bool TSkinForm::DispatchFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_SIZE: OnSize(wParam, lParam); return true;
        case WM_ACTIVATE:
        case WM_NCACTIVATE: active_ = LOWORD(wParam) != 0; return false;
        case WM_GETMINMAXINFO: OnGetMinMaxInfo(lParam); return true;
        case WM_WINDOWPOSCHANGED:
            ReadWindowState();
            result = Default(msg, wParam, lParam);
            return true;
        case WM_COMMAND: result = OnCommand(wParam, lParam); return true;
        case WM_SYSCOMMAND: result = OnSysCommand(wParam, lParam); return true;
        case WM_SETTEXT:
            // The system draws its own caption straight into the frame when the text changes.
            result = Default(msg, wParam, lParam);
            if (phase_ == 1 || phase_ == 3) PaintFrame(nullptr);
            return true;
        case WM_PRINT:
            result = Default(msg, wParam, lParam);
            if ((lParam & PRF_NONCLIENT) != 0 && (phase_ == 1 || phase_ == 3))
                PaintFrame(reinterpret_cast<HDC>(wParam));
            return true;
        default: return false;
    }
}

LRESULT TSkinForm::DispatchNonClient(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCACTIVATE: return OnNcActivate(wParam, lParam);
        case WM_WINDOWPOSCHANGING: return Default(msg, wParam, lParam);
        case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
        case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
        case WM_NCPAINT:
            if (skinData_ != nullptr && skinData_->PaintNonClient()) {
                if (MdiChildNotNormal() || frameClass_.Kind == skin::form::FrameKind::BorderlessPopup)
                    return Default(msg, wParam, lParam);
                PaintFrame(nullptr);
            }
            return 0;
        case WM_NCMOUSEMOVE: return OnNcMouseMove(wParam, lParam);
        case WM_NCLBUTTONDOWN: return OnNcLButtonDown(wParam, lParam);
        case WM_NCLBUTTONUP: return OnNcLButtonUp(wParam, lParam);
        case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(wParam, lParam);
        case WM_NCRBUTTONDOWN: return OnNcRButtonDown(wParam, lParam);
        case SM_NCREPAINT: PaintFrame(nullptr); return 0;
        default: return Default(msg, wParam, lParam);
    }
}

LRESULT TSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_NCCALCSIZE, wParam, lParam);
    if (wParam == FALSE) return 0;
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const WINDOWPOS* pos = params->lppos;
    const skin::Rect proposed{pos->x, pos->y, pos->x + pos->cx, pos->y + pos->cy};
    const auto client = skin::form::SkinnedClientRect(metrics_, frameClass_.Kind, mdiRole_, windowState_, proposed);
    if (!client) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_VALIDRECTS;
    }
    (void)result;
    params->rgrc[0] = RECT{client->Left, client->Top, client->Right, client->Bottom};
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
}

LRESULT TSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
    active_ = LOWORD(wParam) != 0;
    StartHoverTimer(active_);
    if (mdiRole_ == skin::form::MdiRole::Frame && mdiClient_ != nullptr)
        SendMessageW(mdiClient_, WM_NCACTIVATE, wParam, 0);
    if (mdiRole_ == skin::form::MdiRole::Child && active_) Default(WM_NCACTIVATE, wParam, lParam);
    if (!MdiChildNotNormal()) PaintFrame(nullptr);
    return 1;
}

void TSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
    Default(WM_SIZE, wParam, lParam);
    switch (wParam) {
        case SIZE_MINIMIZED: windowState_ = skin::form::WindowState::Minimized; break;
        case SIZE_MAXIMIZED: windowState_ = skin::form::WindowState::Maximized; break;
        case SIZE_RESTORED: windowState_ = skin::form::WindowState::Normal; break;
        default: break;
    }
    if (Minimized()) return;
    if (mdiRole_ == skin::form::MdiRole::Child &&
        ((SkinManager != nullptr && SkinManager->MDIChildMaximized) || windowState_ != skin::form::WindowState::Normal))
        return;
    // While a new skin is re-applied the size changes several times; the region is cut once at its end.
    if (phase_ == 1) UpdateRegion();
}

void TSkinForm::OnGetMinMaxInfo(LPARAM lParam) {
    Default(WM_GETMINMAXINFO, 0, lParam);
    ReadWindowState();
    if (Minimized())
        SetCaptionStyles(true);
    else if (mdiRole_ != skin::form::MdiRole::Child || windowState_ == skin::form::WindowState::Normal)
        SetCaptionStyles(false);
    else
        SetCaptionStyles(true);
    if (frameClass_.Kind == skin::form::FrameKind::Sizable) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    }
}

}  // namespace skin::win
