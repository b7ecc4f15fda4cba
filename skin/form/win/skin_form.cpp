// Form skin lifecycle: attaching to a window, applying the skinned frame, and giving everything
// back when the skin is switched off or the window goes.

#include "skin/form/win/skin_form.h"

#include <algorithm>
#include <set>

#include "framework/typinfo.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/caption_styles.h"
#include "skin/form/menu_accelerator.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

// The property that leads the shared window procedure to the window's form skin.
constexpr wchar_t kFormSkinProperty[] = L"TweakSkinFormObject";
// Set while our procedure stays in a window's chain after its form skin went, because the program
// subclassed the window after us: the procedure it passes every message on to.
constexpr wchar_t kPassedOnProcProperty[] = L"TweakSkinFormPassedOn";

// One set a GUI thread, never destroyed: forms still owned by the application free their form
// skins during static destruction, after a function-local set would already be gone.
std::set<const TSkinForm*>& LiveFormSkins() {
    thread_local auto* live = new std::set<const TSkinForm*>;
    return *live;
}

skin::form::OsVersion CurrentOsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return {};
#pragma GCC diagnostic pop
    return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, static_cast<int>(info.dwMajorVersion),
            static_cast<int>(info.dwMinorVersion)};
}

base::win::UniqueHFont MakeCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
    return base::win::UniqueHFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}

std::string ClassNameOf(HWND window) {
    wchar_t name[101] = {};
    const int length = GetClassNameW(window, name, 100);
    std::string result;
    for (int i = 0; i < length; ++i) result.push_back(name[i] < 0x80 ? static_cast<char>(name[i]) : '?');
    return result;
}

skin::form::WindowState PlacementState(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(window, &placement)) return skin::form::WindowState::Normal;
    switch (placement.showCmd) {
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE: return skin::form::WindowState::Minimized;
        case SW_SHOWMAXIMIZED: return skin::form::WindowState::Maximized;
        default: return IsIconic(window) ? skin::form::WindowState::Minimized : skin::form::WindowState::Normal;
    }
}

HWND FindMdiClient(HWND frame) {
    for (HWND child = GetTopWindow(frame); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 15);
        if (lstrcmpiW(name, L"MDIClient") == 0) return child;
    }
    return nullptr;
}

}  // namespace

LRESULT CALLBACK SkinFormWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* formSkin = static_cast<TSkinForm*>(GetPropW(window, kFormSkinProperty));
    if (formSkin != nullptr) return formSkin->Dispatch(msg, wParam, lParam);
    if (const auto passedOn = reinterpret_cast<WNDPROC>(GetPropW(window, kPassedOnProcProperty))) {
        if (msg == WM_NCDESTROY) RemovePropW(window, kPassedOnProcProperty);
        return CallWindowProcW(passedOn, window, msg, wParam, lParam);
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

TSkinForm::TSkinForm(TComponent* owner)
    : TComponent(owner), captionFont_(MakeCaptionFont()), doubleClickTime_(GetDoubleClickTime()) {
    LiveFormSkins().insert(this);
}

TSkinForm::~TSkinForm() {
    LiveFormSkins().erase(this);
    if (subclassed_ && IsWindow(Handle)) Detach();
    UnhookMdiClient(false);
    FreeControlSkins();
    StartHoverTimer(false);
    RemoveFormHook();
    skinMenu_.reset();
    if (SkinManager != nullptr && Handle != nullptr) SkinManager->RemoveFormSkin(Handle);
}

bool TSkinForm::IsLive(const TSkinForm* skin) { return skin != nullptr && LiveFormSkins().count(skin) != 0; }

TSkinForm* TSkinForm::FromWindow(HWND window) {
    if (window == nullptr || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != SkinFormWindowProc)
        return nullptr;
    return static_cast<TSkinForm*>(GetPropW(window, kFormSkinProperty));
}

TSkinData* TSkinForm::SkinData() const { return skinData_; }
int TSkinForm::Phase() const { return phase_; }
int TSkinForm::MdiRole() const { return static_cast<int>(mdiRole_); }
int TSkinForm::WindowState() const { return static_cast<int>(windowState_); }
bool TSkinForm::HasRegion() const { return hasRegion_; }

const TSkinObjects& TSkinForm::Objects() const {
    static const TSkinObjects empty;
    return skinData_ != nullptr ? skinData_->Objects() : empty;
}

bool TSkinForm::SkinEmpty() const { return skinData_ == nullptr || skinData_->SkinEmpty(); }

bool TSkinForm::MdiChildNotNormal() const {
    return mdiRole_ == skin::form::MdiRole::Child && windowState_ != skin::form::WindowState::Normal;
}

void TSkinForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
    ownerForm_ = form;
    if (form != nullptr) {
        autoScrollWas_ = form->AutoScroll();
        SetPropValue(form, "AutoScroll", "False");
        if (Handle == nullptr) Handle = form->Handle();
    }
    frameSkinning_ = skinData != nullptr && skinData->SkinControls().Contains(TSkinControlType::xcMainMenu);
    if (frameSkinning_) InstallFormHook();
    Attach(skinData);
    if (form != nullptr && skinData != nullptr) {
        oldColor_ = form->Color();
        form->SetColor(skinData->Objects().ButtonFaceColor);
    }
}

void TSkinForm::Attach(TSkinData* skinData) {
    if (subclassed_ || Handle == nullptr || !IsWindow(Handle)) return;
    if (SkinManager != nullptr) SkinManager->State = 1;
    skinData_ = skinData;
    frameSkinning_ = skinData != nullptr && skinData->SkinControls().Contains(TSkinControlType::xcMainMenu);

    windowStyle_ = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
    rightToLeft_ = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    isChild_ = (windowStyle_ & WS_CHILD) != 0;
    systemMenu_ = GetSystemMenu(Handle, FALSE);

    MakeIconPicture();
    className_ = ClassNameOf(Handle);
    ownerWindow_ = GetWindow(Handle, GW_OWNER);
    RECT windowRect{};
    GetWindowRect(Handle, &windowRect);
    GetClientRect(Handle, &clientRect0_);
    frameExtra_ = {(windowRect.right - windowRect.left) - clientRect0_.right,
                   (windowRect.bottom - windowRect.top) - clientRect0_.bottom};

    savedBits_ = skin::form::SaveStyleBits(windowStyle_, systemMenu_ != nullptr);
    BuildSysPopupMenu();
    windowState_ = PlacementState(Handle);
    thickFrame_ = (windowStyle_ & WS_THICKFRAME) != 0;
    mdiClient_ = FindMdiClient(Handle);
    if (mdiClient_ != nullptr) {
        mdiRole_ = skin::form::MdiRole::Frame;
        if (SkinManager != nullptr) {
            SkinManager->MDIClientWindow = mdiClient_;
            SkinManager->MDIFrameForm = ownerForm_;
        }
    }
    if ((exStyle & WS_EX_MDICHILD) != 0) mdiRole_ = skin::form::MdiRole::Child;
    if (mdiRole_ == skin::form::MdiRole::Frame) HookMdiClient();

    frameClass_ = skin::form::ClassifyFrame(windowStyle_, exStyle, className_);
    isUnicode_ = IsWindowUnicode(Handle) != FALSE;

    if (frameSkinning_) {
        savedMenu_ = GetMenu(Handle);
        if (savedMenu_ != nullptr && mdiRole_ != skin::form::MdiRole::Child &&
            frameClass_.Kind != skin::form::FrameKind::BorderlessPopup) {
            barMenu_ = ownerForm_ != nullptr ? ownerForm_->Menu() : nullptr;
            if (barMenu_ != nullptr) barMenu_->FreeNotification(this);
            skinMenu_ = std::make_unique<TSkinMenu>(*this, barMenu_);
            skinMenu_->TakeMenu(savedMenu_);
        }
        const bool mdiChildMaximized = SkinManager != nullptr && SkinManager->MDIChildMaximized;
        if (!(mdiRole_ == skin::form::MdiRole::Child && mdiChildMaximized) && !Minimized()) SetCaptionStyles(false);
        MeasureFrame();
    } else {
        phase_ = 1;
    }
    Subclass();
    InstallMenuDrawing(true);
    InvalidateRect(Handle, nullptr, TRUE);
}

void TSkinForm::Subclass() {
    SetPropW(Handle, kFormSkinProperty, this);
    if (const auto passedOn = reinterpret_cast<WNDPROC>(RemovePropW(Handle, kPassedOnProcProperty))) {
        // Our procedure is still in the chain from an earlier skin: it is this skin's again.
        oldWndProc_ = passedOn;
    } else {
        oldWndProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinFormWindowProc)));
    }
    subclassed_ = true;
}

void TSkinForm::Unsubclass() {
    if (!subclassed_) return;
    subclassed_ = false;
    RemovePropW(Handle, kFormSkinProperty);
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Handle, GWLP_WNDPROC)) == &SkinFormWindowProc) {
        SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
        return;
    }
    // The program subclassed the window after us: taking our procedure out would cut its own out
    // too. Ours stays in its chain and passes every message on until the window goes.
    SetPropW(Handle, kPassedOnProcProperty, reinterpret_cast<HANDLE>(oldWndProc_));
}

void TSkinForm::MeasureFrame() {
    const int menuBarHeight = skinMenu_ ? GetSystemMetrics(SM_CYMENU) : 0;
    if (SkinEmpty()) {
        metrics_ = {};
    } else {
        metrics_ = skin::form::MeasureFrame(Objects(), frameClass_.Kind, false, menuBarHeight);
    }
    FreeCaptionButtons();
    if (!SkinEmpty()) captionButtons_ = skin::form::MakeCaptionButtons(Objects(), iconPicture_);
}

void TSkinForm::FreeCaptionButtons() {
    hotObject_ = {};
    captionButtons_.clear();
}

void TSkinForm::SetCaptionStyles(bool restore) {
    if (Handle == nullptr) return;
    skin::form::CaptionStyleContext context;
    context.Saved = savedBits_;
    context.HasOwner = ownerWindow_ != nullptr;
    context.Role = mdiRole_;
    context.MdiChildMaximized = SkinManager != nullptr && SkinManager->MDIChildMaximized;
    context.IsChild = isChild_;
    context.ExStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
    context.Os = CurrentOsVersion();
    windowStyle_ = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
    const auto update = skin::form::UpdateCaptionStyles(windowStyle_, restore, context);
    if (!update) return;
    stylesRestored_ = restore;
    savedBits_ = update->Saved;
    windowStyle_ = update->Style;
    SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(windowStyle_));
}

void TSkinForm::FrameChanged() {
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinForm::ReadWindowState() { windowState_ = PlacementState(Handle); }

void TSkinForm::FitFrame(bool keepClient, bool redraw) {
    if (Maximized()) {
        FrameChanged();
        return;
    }
    if (frameClass_.IsDialog) GetClientRect(Handle, &clientRect0_);
    int clientWidth = clientRect0_.right - clientRect0_.left;
    if (keepClient) GetClientRect(Handle, &clientRect0_);
    int clientHeight = clientRect0_.bottom - clientRect0_.top;
    std::optional<int> neededCaptionWidth;
    if (frameClass_.IsDialog && !keepClient && !SkinEmpty()) {
        const std::wstring text = WindowText();
        base::win::WindowDc dc(Handle, base::win::WindowDc::Area::Window);
        base::win::ScopedSelectObject font(dc.Get(), captionFont_.Get());
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        neededCaptionWidth = skin::form::DialogCaptionWidth(*Objects().Title, size.cx);
    }
    const skin::form::FittedFrame fitted =
        skin::form::FitFrame(metrics_, clientWidth, clientHeight, neededCaptionWidth);
    if (fitted.ChildShift != 0) {
        for (HWND child = GetWindow(Handle, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(child, nullptr, r.left + fitted.ChildShift, r.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
        }
    }
    // The client moves within the window: its old bits are not copied over (they were clipped to
    // the old frame), it is painted afresh.
    SetWindowPos(
        Handle, nullptr, 0, 0, fitted.Width, fitted.Height,
        SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOCOPYBITS | (redraw ? 0 : SWP_NOREDRAW));
}

void TSkinForm::Apply() {
    controlsSkinned_ = true;
    if (phase_ == 0) {
        if (mdiRole_ == skin::form::MdiRole::Child) {
            if (Maximized()) {
                FrameChanged();
            } else if (Minimized()) {
                SetCaptionStyles(true);
            } else {
                phase_ = 5;
                FitFrame(false);
                phase_ = 1;
                UpdateRegion();
            }
        } else if (!isChild_ && frameClass_.Kind != skin::form::FrameKind::BorderlessPopup && !Minimized()) {
            // Fitting the frame and cutting the region would each repaint the frame and erase
            // every child at once (in a dialog of twenty controls that costs more than painting
            // it): both are made unseen, and the window paints once, with its next paint.
            phase_ = 5;
            FitFrame(false, false);
            phase_ = 1;
            if (Maximized())
                FrameChanged();
            else
                UpdateRegion(false);
            RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
    phase_ = 1;
    StartHoverTimer(active_);
}

void TSkinForm::StartHoverTimer(bool run) {
    constexpr UINT_PTR kHoverTimerId = 0x5F4B;
    run = run && phase_ != 0 && frameSkinning_ && Handle != nullptr && IsWindow(Handle);
    if (run == hoverTimerRunning_) return;
    hoverTimerRunning_ = run;
    if (run)
        SetTimer(Handle, kHoverTimerId, 250, nullptr);
    else if (Handle != nullptr)
        KillTimer(Handle, kHoverTimerId);
}

// The hook sits in the form's stack of message hooks, so it can be removed at any time, also
// from inside a message it is handling (the window's WM_NCDESTROY ends the skin): replacing the
// form's WindowProc there would free the very function that is running.
void TSkinForm::InstallFormHook() {
    if (ownerForm_ == nullptr || formHookInstalled_) return;
    ownerForm_->AddMessageHook(this,
                               [this](TMessage& message, const TMessageNext& next) { FormWindowProc(message, next); });
    formHookInstalled_ = true;
}

void TSkinForm::RemoveFormHook() {
    if (!formHookInstalled_) return;
    formHookInstalled_ = false;
    if (ownerForm_ != nullptr) ownerForm_->RemoveMessageHook(this);
}

void TSkinForm::Detach() {
    FreeControlSkins();
    InstallMenuDrawing(false);
    UnmarkPopupMenus();
    if (!frameSkinning_) {
        StartHoverTimer(false);
        if (ownerForm_ != nullptr && phase_ != 4) ownerForm_->SetColor(oldColor_);
        Unsubclass();
        UnhookMdiClient(false);
        if (ownerForm_ != nullptr) ownerForm_->SetAutoScroll(autoScrollWas_);
        return;
    }
    StartHoverTimer(false);
    if (!subclassed_) return;
    RemoveFormHook();
    Unsubclass();
    if (ownerForm_ != nullptr && phase_ != 4) {
        ownerForm_->SetColor(oldColor_);
        ownerForm_->SetAutoScroll(autoScrollWas_);
    }
    SetCaptionStyles(true);
    if (skinMenu_) {
        SetMenu(Handle, skinMenu_->MenuHandle());
        skinMenu_.reset();
    }
    UnhookMdiClient(false);
    captionBitmap_ = {};
    captionBackground_ = {};
    windowStyle_ = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
    if (phase_ != 4 && (mdiRole_ == skin::form::MdiRole::Child || (windowStyle_ & WS_CHILD) == 0)) {
        RECT r{};
        GetWindowRect(Handle, &r);
        const skin::form::WindowSize size = skin::form::UnskinnedWindowSize(
            metrics_, {r.right - r.left, r.bottom - r.top}, {frameExtra_.cx, frameExtra_.cy});
        POINT topLeft{r.left, r.top};
        if (mdiRole_ == skin::form::MdiRole::Child) ScreenToClient(GetParent(Handle), &topLeft);
        SetWindowPos(Handle, nullptr, topLeft.x, topLeft.y, size.Width, size.Height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    SetWindowRgn(Handle, nullptr, TRUE);
    hasRegion_ = false;
    regionWidth_ = regionHeight_ = 0;
    phase_ = 0;
}

void TSkinForm::DetachOnDestroy() {
    FreeControlSkins();
    StartHoverTimer(false);
    RemoveFormHook();
    Unsubclass();
    // The skin goes with the window: the client must not keep a way to it.
    UnhookMdiClient(true);
    skinMenu_.reset();
    captionBitmap_ = {};
    captionBackground_ = {};
    hasRegion_ = false;  // the system frees the region with the window
}

void TSkinForm::FormWindowProc(TMessage& message, const TMessageNext& next) {
    switch (message.Msg) {
        case WM_SETTEXT:
            next(message);
            FrameChanged();
            return;
        case SM_SKINCHANGED: ReapplySkin(); return;
        case CM_MENUCHANGED:
            next(message);
            if (FollowsOtherMenu())
                FollowFormMenu();
            else if (skinMenu_ && MenuUpdateOn())
                RebuildMenuBar(GetMenu(Handle));
            return;
        case CM_DIALOGCHAR: {
            next(message);
            if (message.Result != 0) return;
            if (mdiRole_ == skin::form::MdiRole::Child) {
                // An MDI child has no bar of its own: Alt+letter belongs to the frame's.
                TCustomForm* frame = SkinManager != nullptr ? SkinManager->MDIFrameForm : nullptr;
                if (frame != nullptr && frame != ownerForm_)
                    message.Result = frame->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
                return;
            }
            if (!skinMenu_) return;
            const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
            if (!altOnly) return;
            if (skin::form::FindAccelButton(skinMenu_->Buttons(), static_cast<wchar_t>(message.WParam))) {
                // Opened as the keyboard opens it (Escape in it goes back to the bar), once the
                // key message that brought it here is done with.
                PostMessageW(Handle, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(message.WParam));
                message.Result = 1;
            }
            return;
        }
        default: next(message); return;
    }
}

}  // namespace skin::win
