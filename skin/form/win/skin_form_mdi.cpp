// MDI frames: the subclass of the frame's "MDIClient" window (new children get their form skins,
// the frame's menu bar follows the children's menus, the client's own scroll bars stay hidden)
// and the maximized child's caption buttons drawn in the frame's menu bar.

#include "base/win/dib_section.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/caption_button_rules.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

// The frame skin in charge of a client window, and the procedure the client had before us. The
// procedure is kept apart from the skin: when someone subclassed the client after us, our
// procedure stays in their chain after the skin goes, and passes everything on.
constexpr wchar_t kMdiFrameSkinProperty[] = L"TweakSkinMdiFrame";
constexpr wchar_t kMdiOldProcProperty[] = L"TweakSkinMdiClientProc";

constexpr LONG_PTR kClientScrollBars = WS_HSCROLL | WS_VSCROLL;
constexpr int kMdiButtonVisibility = 100;

WNDPROC OldClientProc(HWND client) { return reinterpret_cast<WNDPROC>(GetPropW(client, kMdiOldProcProperty)); }

bool IsMdiBarButton(const skin::form::CaptionButton& button) {
    return button.Skin != nullptr && button.Skin->Visibility == kMdiButtonVisibility;
}

}  // namespace

LRESULT CALLBACK SkinMdiClientProc(HWND client, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto* frame = static_cast<TSkinForm*>(GetPropW(client, kMdiFrameSkinProperty)))
        return frame->MdiClientProc(msg, wParam, lParam);
    const WNDPROC old = OldClientProc(client);
    const LRESULT result = old != nullptr ? CallWindowProcW(old, client, msg, wParam, lParam)
                                          : DefWindowProcW(client, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) RemovePropW(client, kMdiOldProcProperty);
    return result;
}

bool TSkinForm::ActiveChildMaximized() const {
    if (mdiRole_ != skin::form::MdiRole::Frame || mdiClient_ == nullptr) return false;
    BOOL maximized = FALSE;
    const auto child =
        reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    return child != nullptr && maximized != FALSE;
}

bool TSkinForm::MenuUpdateOn() const {
    if (skinData_ == nullptr || !skinData_->MenuUpdate()) return false;
    return mdiRole_ != skin::form::MdiRole::Frame || frameMenuUpdate_;
}

bool TSkinForm::MdiScrollBarsAllowed() const {
    return skinData_ != nullptr && skinData_->Options().Contains(TSkinOption::xoMDIScrollbar);
}

void TSkinForm::HookMdiClient() {
    if (mdiClient_ == nullptr || mdiClientHooked_ || !IsWindow(mdiClient_)) return;
    menuHooksInstalled_ = skinData_ != nullptr && skinData_->MenuUpdate();
    frameMenuUpdate_ = true;
    pendingMdiChild_ = nullptr;
    const LONG_PTR style = GetWindowLongPtrW(mdiClient_, GWL_STYLE);
    mdiClientScrollStyle_ = style & kClientScrollBars;
    SetPropW(mdiClient_, kMdiFrameSkinProperty, this);
    // Still in the chain from an earlier skin (someone subclassed on top of it): reuse that place.
    if (OldClientProc(mdiClient_) == nullptr) {
        const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(mdiClient_, GWLP_WNDPROC));
        SetPropW(mdiClient_, kMdiOldProcProperty, reinterpret_cast<HANDLE>(old));
        SetWindowLongPtrW(mdiClient_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinMdiClientProc));
    }
    mdiClientHooked_ = true;
    if (frameSkinning_ && !MdiScrollBarsAllowed() && (style & kClientScrollBars) != 0) {
        SetWindowLongPtrW(mdiClient_, GWL_STYLE, style & ~kClientScrollBars);
        SetWindowPos(mdiClient_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TSkinForm::UnhookMdiClient(bool clientGoing) {
    if (!mdiClientHooked_) return;
    mdiClientHooked_ = false;
    pendingMdiChild_ = nullptr;
    const HWND client = mdiClient_;
    if (SkinManager != nullptr && SkinManager->MDIClientWindow == client) {
        SkinManager->MDIClientWindow = nullptr;
        if (SkinManager->MDIFrameForm == ownerForm_) SkinManager->MDIFrameForm = nullptr;
    }
    if (client == nullptr || !IsWindow(client)) return;
    RemovePropW(client, kMdiFrameSkinProperty);
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(client, GWLP_WNDPROC)) == &SkinMdiClientProc) {
        SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldClientProc(client)));
        RemovePropW(client, kMdiOldProcProperty);
    }
    if (clientGoing) return;
    const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
    const LONG_PTR restored = (style & ~kClientScrollBars) | mdiClientScrollStyle_;
    if (restored != style) {
        SetWindowLongPtrW(client, GWL_STYLE, restored);
        SetWindowPos(client, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TSkinForm::RebuildMenuBar(HMENU menu) {
    // The bar reads the framework menu it was made for: a form given another one (or whose
    // menu was freed) gets its bar made again from the menu it has now.
    if (FollowsOtherMenu()) {
        FollowFormMenu();
        return;
    }
    if (!skinMenu_) return;
    skinMenu_->TakeMenu(menu);
    if (phase_ == 1 || phase_ == 3) PaintFrame(nullptr);
}

LRESULT TSkinForm::MdiClientProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND client = mdiClient_;
    const WNDPROC old = OldClientProc(client);
    auto passOn = [&] {
        return old != nullptr ? CallWindowProcW(old, client, msg, wParam, lParam)
                              : DefWindowProcW(client, msg, wParam, lParam);
    };
    switch (msg) {
        case WM_NCDESTROY: {
            const LRESULT result = passOn();
            UnhookMdiClient(true);
            RemovePropW(client, kMdiOldProcProperty);
            return result;
        }
        case WM_NCCALCSIZE:
            if (frameSkinning_ && !MdiScrollBarsAllowed()) {
                const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
                if ((style & kClientScrollBars) != 0) SetWindowLongPtrW(client, GWL_STYLE, style & ~kClientScrollBars);
            }
            return passOn();
        case WM_MDICREATE: {
            // Only this frame holds off following CM_MENUCHANGED; the skin data's MenuUpdate is
            // shared by every skinned window and stays as it is.
            frameMenuUpdate_ = false;
            const LRESULT result = passOn();
            pendingMdiChild_ = reinterpret_cast<HWND>(result);
            // The refresh that creating a child brings comes from inside the creation, before
            // the child is known here: without one more, the newest child would wait for the
            // next child's refresh to be skinned.
            if (pendingMdiChild_ != nullptr) PostMessageW(client, WM_MDIREFRESHMENU, 0, 0);
            return result;
        }
        case WM_MDIDESTROY: {
            const LRESULT result = passOn();
            if (!frameSkinning_) return result;
            if (SkinManager != nullptr) SkinManager->SetMDIChildMaximized(ActiveChildMaximized());
            if (SendMessageW(client, WM_MDIGETACTIVE, 0, 0) == 0 && skinMenu_) {
                frameMenuUpdate_ = menuHooksInstalled_;
                RebuildMenuBar(ownerForm_ != nullptr && ownerForm_->Menu() != nullptr ? ownerForm_->Menu()->Handle()
                                                                                      : nullptr);
            }
            return result;
        }
        case WM_MDITILE:
        case WM_MDICASCADE:
            if (frameSkinning_ && SkinManager != nullptr && SkinManager->MDIChildMaximized)
                SkinManager->SetMDIChildMaximized(false);
            return passOn();
        case WM_MDISETMENU: {
            const LRESULT result = passOn();
            DrawMenuBar(Handle);
            if (!frameSkinning_) return result;
            // The items of the same menu change in place when a child's menu is merged, so the
            // bar is built again whatever handle comes.
            if (wParam != 0 && skinMenu_) {
                HMENU current = GetMenu(Handle);
                RebuildMenuBar(current != nullptr ? current : reinterpret_cast<HMENU>(wParam));
            }
            SetMenu(Handle, nullptr);
            return result;
        }
        case WM_MDIREFRESHMENU: {
            const LRESULT result = passOn();
            if (SkinManager == nullptr) return result;
            if (pendingMdiChild_ != nullptr) {
                const HWND child = pendingMdiChild_;
                pendingMdiChild_ = nullptr;
                if (IsWindow(child)) SkinManager->AddFormSkin(child);
                PostMessageW(Handle, SM_NCREPAINT, 0, 0);
            } else if (const auto child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
                       child != nullptr && SendMessageW(child, SM_ISSKINNED, 0, 0) != 1) {
                SkinManager->AddFormSkin(child);
                PostMessageW(child, SM_NCREPAINT, 0, 0);
            }
            return result;
        }
        default: return passOn();
    }
}

void TSkinForm::PaintMdiBarButtons(HDC dc) {
    if (mdiRole_ != skin::form::MdiRole::Frame || !skinMenu_ || metrics_.MenuBarHeight <= 0) return;
    if (!ActiveChildMaximized()) return;
    for (std::size_t i = 0; i < captionButtons_.size(); ++i) {
        if (IsMdiBarButton(captionButtons_[i])) PaintMdiBarButton(dc, i, captionButtons_[i].State);
    }
    if (SkinManager != nullptr && !SkinManager->MDIChildMaximized) SkinManager->SetMDIChildMaximized(true);
}

void TSkinForm::PaintMdiBarButton(HDC dc, std::size_t index, skin::form::ButtonState state) {
    if (index >= captionButtons_.size() || !skinMenu_) return;
    const skin::form::CaptionButton& button = captionButtons_[index];
    const skin::Rect bounds = button.BoundsRect;
    const skin::Rect bar = skinMenu_->BarRect();
    const Bitmap& background = skinMenu_->Background();
    if (!button.Visible || button.Picture().Empty() || bounds.Width() <= 0 || bounds.Height() <= 0 ||
        background.Empty())
        return;
    // Over the bar as painted without highlights, so transparent parts show the bar.
    Bitmap piece(bounds.Width(), bounds.Height());
    CopyBitmapRect(piece, 0, 0, background,
                   {bounds.Left - bar.Left, bounds.Top - bar.Top, bounds.Right - bar.Left, bounds.Bottom - bar.Top});
    DrawSkinFrame(piece, {0, 0, bounds.Width(), bounds.Height()}, button.Picture(), true, button.FrameCount,
                  skin::form::StateFrame(button, state));
    base::win::WindowDc ownDc;
    if (dc == nullptr) {
        ownDc = base::win::WindowDc(Handle, base::win::WindowDc::Area::Window);
        dc = ownDc.Get();
    }
    if (dc != nullptr) DrawBitmap(dc, bounds.Left, bounds.Top, piece);
}

}  // namespace skin::win
