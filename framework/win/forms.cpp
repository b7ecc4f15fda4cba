#include "framework/win/forms.h"

#include "framework/win/application.h"
#include "framework/win/framework_context.h"
#include "framework/win/internal.h"
#include "framework/win/menus.h"
#include "framework/win/std_ctrls.h"

#include <stdexcept>
#include <vector>

namespace {

// Disables the thread's other enabled top-level windows for a modal loop; enables them again.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND keep) : keep_(keep) {
        EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Visit, reinterpret_cast<LPARAM>(this));
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;
    ~DisabledWindows() {
        for (HWND hwnd : windows_) {
            if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
        }
    }

private:
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
        auto* me = reinterpret_cast<DisabledWindows*>(self);
        if (hwnd != me->keep_ && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            me->windows_.push_back(hwnd);
            EnableWindow(hwnd, FALSE);
        }
        return TRUE;
    }

    HWND keep_;
    std::vector<HWND> windows_;
};

}  // namespace

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {}

TPropList TScrollingWinControl::Published() {
    return {
        propdef::Boolean<TScrollingWinControl>("AutoScroll", &TScrollingWinControl::AutoScroll,
                                               &TScrollingWinControl::SetAutoScroll),
    };
}

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
    // Made by CreateForm: what the derived constructor creates is read like a stored form.
    if (bool& loads = framework_internal::FrameworkContext::Current().nextFormLoads; loads) {
        loads = false;
        SetLoading(true);
    }
    TControl::SetVisible(false);
    TControl::SetBounds(0, 0, 320, 240);
    SetParentFont(false);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() { Screen->RemoveForm(this); }

void TCustomForm::BeforeDestruction() {
    if (Destroying()) return;
    if (OnDestroy) framework_internal::Guarded(this, [this] { OnDestroy(this); });
    Screen->RemoveForm(this);
    TScrollingWinControl::BeforeDestruction();
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TScrollingWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN;
    params.ExStyle = 0;
    if (!Enabled()) params.Style |= WS_DISABLED;
    switch (borderStyle_) {
        case bsNone: params.Style |= WS_POPUP; break;
        case bsSingle:
        case bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; break;
        case bsSizeable:
        case bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
        case bsDialog:
            params.Style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
            params.ExStyle |= WS_EX_DLGMODALFRAME;
            break;
    }
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
    if (borderStyle_ != bsNone) {
        if (borderIcons_ & biSystemMenu) params.Style |= WS_SYSMENU;
        const bool iconsAllowed = borderStyle_ != bsDialog && borderStyle_ != bsToolWindow &&
                                  borderStyle_ != bsSizeToolWin && (borderIcons_ & biSystemMenu);
        if (iconsAllowed && (borderIcons_ & biMinimize)) params.Style |= WS_MINIMIZEBOX;
        if (iconsAllowed && (borderIcons_ & biMaximize)) params.Style |= WS_MAXIMIZEBOX;
        if ((borderIcons_ & biHelp) && (borderStyle_ == bsDialog || !(borderIcons_ & (biMinimize | biMaximize)))) {
            params.ExStyle |= WS_EX_CONTEXTHELP;
        }
    }
    params.WndParent = ParentWindow();
    if (params.WndParent == nullptr && Application->MainForm() != nullptr && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated()) {
        // Secondary forms are owned by the main form: they stay above it and go with it.
        params.WndParent = Application->MainForm()->Handle();
    }
    params.ClassStyle = CS_DBLCLKS;
    if (formStyle_ == fsMDIChild) {
        const TCustomForm* frame = MdiFrame();
        if (frame == nullptr) throw std::runtime_error("Cannot create form. No MDI forms are currently active");
        params.ExStyle |= WS_EX_MDICHILD;
        params.Style |= WS_CHILD | WS_VISIBLE;
        params.WndParent = frame->ClientHandle();
        if (position_ == poDefault || position_ == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
    }
}

void TCustomForm::CreateWnd() {
    if (formStyle_ == fsMDIForm) CreateMdiClient();
    if (formStyle_ == fsMDIForm)
        SetMdiMenu();
    else if (menu_ != nullptr && formStyle_ != fsMDIChild)
        ::SetMenu(Handle(), menu_->Handle());
    UpdateIcon();
}

void TCustomForm::SetIcon(HICON icon) {
    if (icon == icon_) return;
    icon_ = icon;
    UpdateIcon();
}

HICON TCustomForm::EffectiveIcon() const {
    if (icon_ != nullptr) return icon_;
    return Application != nullptr ? Application->Icon() : nullptr;
}

void TCustomForm::UpdateIcon() {
    if (HandleAllocated()) framework_internal::SendWindowIcons(Handle(), EffectiveIcon());
}

namespace framework_internal {

void SendWindowIcons(HWND window, HICON icon) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace framework_internal

void TCustomForm::DestroyWnd() {
    // Windows destroys a window's menu with the window; the menu belongs to its TMainMenu.
    if (GetMenu(Handle()) != nullptr) ::SetMenu(Handle(), nullptr);
    mdiClient_.Reset();
}

void TCustomForm::ApplyStyles() {
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    const LONG_PTR keep = GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(params.Style) | keep);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(params.ExStyle));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ApplyStyles();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    ApplyStyles();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_ != nullptr) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_ != nullptr) menu_->FreeNotification(this);
    if (HandleAllocated() && formStyle_ == fsMDIChild) {
        if (TCustomForm* frame = MdiFrame(); frame != nullptr && frame->ActiveMDIChild() == this)
            MdiActivated(0, reinterpret_cast<LPARAM>(Handle()));
    } else if (HandleAllocated()) {
        if (formStyle_ == fsMDIForm)
            SetMdiMenu();
        else
            ::SetMenu(Handle(), menu_ != nullptr ? menu_->Handle() : nullptr);
        Perform(CM_MENUCHANGED);
    }
}

void TCustomForm::MenuChanged() {
    if (!HandleAllocated()) return;
    if (formStyle_ == fsMDIChild) {
        // A merged menu shows in the frame's bar: the frame's is made again.
        TCustomForm* frame = MdiFrame();
        if (menu_ != nullptr && frame != nullptr && frame->Menu() != nullptr && frame->Menu()->MergedMenu() == menu_)
            frame->Menu()->Merge(menu_);
        return;
    }
    if (formStyle_ == fsMDIForm)
        SetMdiMenu();
    else if (menu_ != nullptr && GetMenu(Handle()) != menu_->Handle())
        ::SetMenu(Handle(), menu_->Handle());
    Perform(CM_MENUCHANGED);
    DrawMenuBar(Handle());
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TScrollingWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated() && formStyle_ != fsMDIChild) ::SetMenu(Handle(), nullptr);
    }
    if (component == windowMenu_) windowMenu_ = nullptr;
    if (component == activeControl_) activeControl_ = nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_) return;
    if (activeControl_ != nullptr) activeControl_->RemoveFreeNotification(this);
    activeControl_ = control;
    if (activeControl_ != nullptr) activeControl_->FreeNotification(this);
}

bool TCustomForm::Active() const { return HandleAllocated() && GetActiveWindow() == Handle(); }

void TCustomForm::CenterOnScreen() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - Width()) / 2;
    const int y = work.top + ((work.bottom - work.top) - Height()) / 2;
    SetBounds(x < work.left ? work.left : x, y < work.top ? work.top : y, Width(), Height());
}

void TCustomForm::VisibleChanged() {
    if (Visible()) {
        HandleNeeded();
        if (!positioned_) {
            positioned_ = true;
            if (position_ == poScreenCenter || position_ == poDesktopCenter) {
                CenterOnScreen();
            } else if ((position_ == poMainFormCenter || position_ == poOwnerFormCenter) &&
                       Application->MainForm() != nullptr && Application->MainForm() != this) {
                const TCustomForm* main = Application->MainForm();
                SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2,
                          Width(), Height());
            }
        }
        ShowWindow(Handle(), SW_SHOW);
        if (formStyle_ == fsMDIChild)
            SendMessageW(GetParent(Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
        else
            SetForegroundWindow(Handle());
        if (OnShow) OnShow(this);
    } else if (HandleAllocated()) {
        ShowWindow(Handle(), SW_HIDE);
        if (OnHide) OnHide(this);
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || modal_) throw std::logic_error("Cannot make a visible window modal");
    HandleNeeded();
    HWND previousActive = GetActiveWindow();
    if (GetCapture() != nullptr) ReleaseCapture();
    modalResult_ = mrNone;
    modal_ = true;
    {
        const DisabledWindows disabled(Handle());
        // A quit request during the loop ends it; one that came before does not (a message
        // shown while the program ends must still work).
        const bool terminatedBefore = Application->Terminated();
        try {
            Show();
            while (modalResult_ == mrNone) {
                Application->HandleMessage();
                if (Application->Terminated() && !terminatedBefore) {
                    if (modalResult_ == mrNone) modalResult_ = mrCancel;
                    PostQuitMessage(0);  // for the outer loop
                }
            }
        } catch (...) {
            modal_ = false;
            Hide();
            throw;
        }
        // Enable the other windows before hiding, so Windows activates one of them.
    }
    Hide();
    modal_ = false;
    if (previousActive != nullptr && IsWindow(previousActive)) SetActiveWindow(previousActive);
    return modalResult_;
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    const bool isMain = Application->MainForm() == this;
    // An MDI child cannot be hidden from its frame: closing it frees it.
    TCloseAction action = modal_ ? caHide : ((isMain || formStyle_ == fsMDIChild) ? caFree : caHide);
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    if (isMain) {
        Application->Terminate();
        return;
    }
    if (action == caMinimize) {
        if (HandleAllocated()) ShowWindow(Handle(), SW_MINIMIZE);
    } else if (action == caFree) {
        Release();
    } else {
        Hide();
    }
}

void TCustomForm::Release() {
    if (HandleAllocated()) {
        PostMessageW(Handle(), CM_RELEASE, 0, 0);
    } else {
        Free();
    }
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::PaintWindow(HDC dc) {
    TCanvas::PaintScope scope(canvas_, dc);
    canvas_.Font()->Assign(Font());
    canvas_.Brush()->SetColor(Color());
    if (OnPaint) OnPaint(this);
}

void TCustomForm::HandleMenuMessage(TMessage& message) {
    TCanvas canvas;
    if (message.Msg == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        // Every item carries its TMenuItem in itemData.
        auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
        if (item == nullptr || !TMenuItem::IsLive(item)) {
            DefaultHandler(message);
            return;
        }
        const base::win::ScopedSaveDc save(draw->hDC);
        canvas.SetHandle(draw->hDC);
        if (Screen != nullptr) canvas.Font()->Assign(Screen->MenuFont());
        item->DoDrawItem(&canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
        canvas.SetHandle(nullptr);
        message.Result = TRUE;
        return;
    }
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
    if (item == nullptr || !TMenuItem::IsLive(item)) {
        DefaultHandler(message);
        return;
    }
    base::win::WindowDc screen(nullptr);
    canvas.SetHandle(screen.Get());
    if (Screen != nullptr) canvas.Font()->Assign(Screen->MenuFont());
    int width = static_cast<int>(measure->itemWidth);
    int height = static_cast<int>(measure->itemHeight);
    item->DoMeasureItem(&canvas, width, height);
    canvas.SetHandle(nullptr);
    measure->itemWidth = static_cast<UINT>(width < 0 ? 0 : width);
    measure->itemHeight = static_cast<UINT>(height < 0 ? 0 : height);
    message.Result = TRUE;
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_RELEASE:
            Free();  // nothing of this form runs after this message
            return;
        case WM_CLOSE:
            Close();
            message.Result = 0;
            return;
        case WM_SIZE:
            TScrollingWinControl::WndProc(message);
            if (formStyle_ == fsMDIForm) LayoutMdiClient();
            return;
        case WM_MDIACTIVATE:
            DefaultHandler(message);
            if (formStyle_ == fsMDIChild) MdiActivated(message.WParam, message.LParam);
            return;
        case WM_COMMAND:
            if (message.LParam == 0 && HIWORD(message.WParam) == 0) {
                if (TMenuItem* item = TMenuItem::FindByCommand(LOWORD(message.WParam))) {
                    item->Click();
                    message.Result = 0;
                    return;
                }
            }
            break;
        case WM_DRAWITEM:
            if (message.WParam == 0 && reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU) {
                HandleMenuMessage(message);
                return;
            }
            break;
        case WM_MEASUREITEM:
            if (message.WParam == 0 &&
                reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU) {
                HandleMenuMessage(message);
                return;
            }
            break;
        case WM_ACTIVATE:
            DefaultHandler(message);
            if (LOWORD(message.WParam) != WA_INACTIVE) {
                if (activeControl_ != nullptr && activeControl_->CanFocus()) {
                    ::SetFocus(activeControl_->Handle());
                } else {
                    SelectNext(nullptr, true);
                }
                if (OnActivate) OnActivate(this);
            } else if (OnDeactivate) {
                OnDeactivate(this);
            }
            return;
        case CM_DIALOGKEY: {
            // wParam: virtual key the focused control did not want.
            const auto key = static_cast<UINT>(message.WParam);
            TWinControl* focused = FindControl(GetFocus());
            if (key == VK_TAB) {
                // Ctrl+Tab belongs to the nearest control around the focus that wants it (tabs
                // step through their pages); otherwise it moves the focus like Tab.
                if (GetKeyState(VK_CONTROL) < 0) {
                    for (TWinControl* c = focused; c != nullptr && c != this; c = c->Parent()) {
                        if (c->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0) {
                            message.Result = 1;
                            return;
                        }
                    }
                }
                SelectNext(focused, GetKeyState(VK_SHIFT) >= 0);
                message.Result = 1;
                return;
            }
            if (key == VK_RETURN || key == VK_ESCAPE) {
                std::vector<TWinControl*> list;
                GetTabOrderList(list);
                if (auto* button = dynamic_cast<TButton*>(focused); button != nullptr && key == VK_RETURN) {
                    button->Click();
                    message.Result = 1;
                    return;
                }
                for (TWinControl* c : list) {
                    auto* button = dynamic_cast<TButton*>(c);
                    if (button == nullptr || !button->CanFocus()) continue;
                    if ((key == VK_RETURN && button->Default()) || (key == VK_ESCAPE && button->Cancel())) {
                        button->Click();
                        message.Result = 1;
                        return;
                    }
                }
            }
            message.Result = 0;
            return;
        }
        default: break;
    }
    TScrollingWinControl::WndProc(message);
}

TPropList TCustomForm::Published() {
    return {
        propdef::Enumeration<TCustomForm, TBorderStyle>(
            "BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
            &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle),
        propdef::Integer<TCustomForm>("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
        propdef::Enumeration<TCustomForm, TPosition>(
            "Position",
            {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
             "poMainFormCenter", "poOwnerFormCenter"},
            &TCustomForm::Position, &TCustomForm::SetPosition),
        propdef::Enumeration<TCustomForm, TFormStyle>("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm"},
                                                      &TCustomForm::FormStyle, &TCustomForm::SetFormStyle),
        propdef::Object<TCustomForm, TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
        propdef::Integer<TCustomForm>("ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult),
    };
}

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* top = control;
    while (top != nullptr && top->Parent() != nullptr) top = top->Parent();
    if (top == nullptr) return nullptr;
    auto* form = dynamic_cast<const TCustomForm*>(top);
    return const_cast<TCustomForm*>(form);
}
