// Window classes of the framework, the shared window procedure and the control lookup.
#include "framework/win/window_class.h"

#include "framework/win/framework_context.h"
#include "framework/win/internal.h"
#include "framework/win/text.h"
#include "framework/win/win_control.h"

#include <stdexcept>

namespace {

using framework_internal::FrameworkContext;

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

std::wstring ControlAtomName() { return FrameworkContext::Current().ControlAtomName(); }

ATOM ControlAtom() { return FrameworkContext::Current().ControlAtom(); }

TWinControl* FindControl(HWND window) {
    if (window == nullptr) return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, ControlAtomKey()));
}

namespace framework_internal {

WNDPROC RegisterWindowClass(const TCreateParams& params) {
    HINSTANCE instance = ModuleInstance();
    auto& procs = FrameworkContext::Current().baseProcs;
    auto known = procs.find(params.WinClassName);
    if (known != procs.end()) return known->second;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC baseProc = DefWindowProcW;
    if (!params.BaseClassName.empty()) {
        if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc) &&
            !GetClassInfoExW(instance, params.BaseClassName.c_str(), &wc)) {
            throw std::runtime_error("Window class not found: " + NarrowText(params.BaseClassName));
        }
        baseProc = wc.lpfnWndProc;
        wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    } else {
        wc.style = params.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = params.Background;
    }
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = FrameworkWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.WinClassName.c_str();
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register window class " + NarrowText(params.WinClassName));
    }
    procs.emplace(params.WinClassName, baseProc);
    return baseProc;
}

HWND CreateControlWindow(TWinControl* control, const TCreateParams& params) {
    TWinControl*& creating = FrameworkContext::Current().creatingControl;
    TWinControl* previous = creating;
    creating = control;
    HWND hwnd = nullptr;
    if ((params.ExStyle & WS_EX_MDICHILD) != 0) {
        // MDI children are made by their client window, which keeps its list of them.
        MDICREATESTRUCTW create{};
        create.szClass = params.WinClassName.c_str();
        create.szTitle = params.Caption.c_str();
        create.hOwner = ModuleInstance();
        create.x = params.X;
        create.y = params.Y;
        create.cx = params.Width;
        create.cy = params.Height;
        create.style = params.Style;
        hwnd =
            reinterpret_cast<HWND>(SendMessageW(params.WndParent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    } else {
        hwnd = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                               params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                               ModuleInstance(), nullptr);
    }
    creating = previous;
    return hwnd;
}

}  // namespace framework_internal

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (control == nullptr) {
        FrameworkContext& context = FrameworkContext::Current();
        control = context.creatingControl;
        if (control == nullptr) {
            // A window of our class that no control made: behave like the base class.
            wchar_t className[256] = {};
            GetClassNameW(hwnd, className, 256);
            auto it = context.baseProcs.find(className);
            WNDPROC base = it != context.baseProcs.end() ? it->second : DefWindowProcW;
            return CallWindowProcW(base, hwnd, msg, wParam, lParam);
        }
        context.creatingControl = nullptr;
        control->AttachWindow(hwnd);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        control->Deliver(message);
    } catch (...) {
        Application->HandleException(control);
    }
    if (msg == WM_NCDESTROY) control->DetachWindow();
    return message.Result;
}
