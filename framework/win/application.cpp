#include "framework/win/application.h"

#include "framework/win/framework_context.h"
#include "framework/win/internal.h"
#include "framework/win/text.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace {

// Ends the framework on the thread that runs the program's exit, after everything else here.
struct FrameworkThreadEnd {
    FrameworkThreadEnd() = default;
    FrameworkThreadEnd(const FrameworkThreadEnd&) = delete;
    FrameworkThreadEnd& operator=(const FrameworkThreadEnd&) = delete;
    ~FrameworkThreadEnd() { EndFrameworkOnThread(); }
};

// The application and screen objects live for the whole program. Forms still owned by the
// application at exit are freed before the screen goes, and the thread's framework state (the
// control atom above all) after both.
struct FrameworkGlobals {
    FrameworkThreadEnd threadEnd;
    TScreen screen{nullptr};
    TApplication application{nullptr};
    ~FrameworkGlobals() { application.DestroyComponents(); }
};

FrameworkGlobals g_globals;

// The nearest framework control of a window or of one of its parents.
TWinControl* FindControlOrAncestor(HWND hwnd) {
    for (HWND h = hwnd; h != nullptr; h = GetParent(h)) {
        if (TWinControl* control = FindControl(h)) return control;
    }
    return nullptr;
}

}  // namespace

TApplication* Application = &g_globals.application;
TScreen* Screen = &g_globals.screen;

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
    DestroyComponents();
    if (handle_ != nullptr) DestroyWindow(handle_);
}

HINSTANCE TApplication::Instance() const { return GetModuleHandleW(nullptr); }

void TApplication::Initialize() {
    if (initialized_) return;
    initialized_ = true;
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&init);
    (void)ControlAtom();

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = Instance();
    wc.lpszClassName = L"TApplication";
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassExW(&wc);
    handle_ = CreateWindowExW(0, L"TApplication", WidenText(title_).c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                              nullptr, nullptr, Instance(), nullptr);
    if (icon_ != nullptr) framework_internal::SendWindowIcons(handle_, icon_);
}

TApplication::FormLoadingRequest::FormLoadingRequest() {
    framework_internal::FrameworkContext::Current().nextFormLoads = true;
}

TApplication::FormLoadingRequest::~FormLoadingRequest() {
    framework_internal::FrameworkContext::Current().nextFormLoads = false;
}

void TApplication::SetIcon(HICON icon) {
    if (icon == icon_) return;
    icon_ = icon;
    if (handle_ != nullptr) framework_internal::SendWindowIcons(handle_, icon);
    for (int i = 0; i < Screen->FormCount(); ++i) {
        if (Screen->Forms(i)->Icon() == nullptr) Screen->Forms(i)->UpdateIcon();
    }
}

void TApplication::FormCreated(TCustomForm* form) {
    if (mainForm_ == nullptr) {
        mainForm_ = form;
        form->FreeNotification(this);
    }
    framework_internal::Guarded(form, [form] { form->FinishLoading(); });
    framework_internal::Guarded(form, [form] { form->DoCreate(); });
    framework_internal::Guarded(form, [form] { form->HandleNeeded(); });
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::Run() {
    terminated_ = false;
    if (mainForm_ != nullptr) {
        framework_internal::Guarded(mainForm_, [this] { mainForm_->Show(); });
    }
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

bool TApplication::IsMDIMsg(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    TCustomForm* main = MainForm();
    if (main == nullptr || main->FormStyle() != fsMDIForm || main->ClientHandle() == nullptr) return false;
    if (main->ActiveMDIChild() == nullptr) return false;
    return TranslateMDISysAccel(main->ClientHandle(), &msg) != FALSE;
}

bool TApplication::IsKeyMsg(MSG& msg) {
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_TAB || msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        const auto code =
            static_cast<UINT>(SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
        const bool wanted =
            (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0 || (msg.wParam == VK_TAB && (code & DLGC_WANTTAB) != 0);
        if (wanted) return false;
        TWinControl* control = FindControlOrAncestor(msg.hwnd);
        TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
        return form != nullptr && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
    }
    if (msg.message == WM_SYSCHAR) {
        TWinControl* control = FindControlOrAncestor(msg.hwnd);
        TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
        return form != nullptr && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    }
    return false;
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    framework_internal::Guarded(this, [&] { handled = IsMDIMsg(msg) || IsKeyMsg(msg); });
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ProcessMessage(msg);
}

void TApplication::HandleMessage() {
    MSG msg;
    const BOOL result = GetMessageW(&msg, nullptr, 0, 0);
    if (result == -1) {
        terminated_ = true;
        return;
    }
    ProcessMessage(msg);
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const std::exception& error) {
        if (OnException) {
            OnException(sender, error);
        } else {
            ShowException(error);
        }
    } catch (...) {
        const std::runtime_error unknown("Unknown error");
        if (OnException) {
            OnException(sender, unknown);
        } else {
            ShowException(unknown);
        }
    }
}

void TApplication::ShowException(const std::exception& error) {
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, WidenText(error.what()).c_str(), WidenText(title_).c_str(), MB_OK | MB_ICONSTOP);
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() = default;

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

TCustomForm* TScreen::ActiveForm() const { return dynamic_cast<TCustomForm*>(FindControl(GetActiveWindow())); }

TFont* TScreen::MenuFont() {
    if (!menuFont_) {
        menuFont_ = std::make_unique<TFont>();
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            menuFont_->SetFromLogFont(metrics.lfMenuFont);
        }
        menuFont_->SetColor(clMenuText);
    }
    return menuFont_.get();
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
