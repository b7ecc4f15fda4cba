// Window classes of the framework, the shared window procedure and the control lookup.
#include "framework/win/window_class.h"

#include "framework/win/internal.h"
#include "framework/win/text.h"
#include "framework/win/win_control.h"

#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

// Window procedures of the Windows classes our classes are built on, by our class name.
std::map<std::wstring, WNDPROC>& BaseProcs() {
    // Never destroyed: windows may be destroyed during static destruction at exit.
    static auto* procs = new std::map<std::wstring, WNDPROC>;
    return *procs;
}

thread_local TWinControl* t_creatingControl = nullptr;

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

std::wstring ControlAtomName() {
    wchar_t name[64];
    std::swprintf(name, 64, L"ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(ModuleInstance())),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    return name;
}

ATOM ControlAtom() {
    static const ATOM atom = GlobalAddAtomW(ControlAtomName().c_str());
    return atom;
}

TWinControl* FindControl(HWND window) {
    if (window == nullptr) return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, ControlAtomKey()));
}

namespace framework_internal {

WNDPROC RegisterWindowClass(const TCreateParams& params) {
    HINSTANCE instance = ModuleInstance();
    auto& procs = BaseProcs();
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
    TWinControl* previous = t_creatingControl;
    t_creatingControl = control;
    HWND hwnd =
        CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                        params.Y, params.Width, params.Height, params.WndParent, nullptr, ModuleInstance(), nullptr);
    t_creatingControl = previous;
    return hwnd;
}

}  // namespace framework_internal

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (control == nullptr) {
        control = t_creatingControl;
        if (control == nullptr) {
            // A window of our class that no control made: behave like the base class.
            wchar_t className[256] = {};
            GetClassNameW(hwnd, className, 256);
            auto it = BaseProcs().find(className);
            WNDPROC base = it != BaseProcs().end() ? it->second : DefWindowProcW;
            return CallWindowProcW(base, hwnd, msg, wParam, lParam);
        }
        t_creatingControl = nullptr;
        control->AttachWindow(hwnd);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        control->WindowProc(message);
    } catch (...) {
        Application->HandleException(control);
    }
    if (msg == WM_NCDESTROY) control->DetachWindow();
    return message.Result;
}
