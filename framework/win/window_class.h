// Registration of the framework's window classes and creation of control windows.
#pragma once

#include "framework/win/win_control.h"

namespace framework_internal {

// The atom as the name argument of GetPropW / SetPropW / RemovePropW.
inline LPCWSTR ControlAtomKeyFor(ATOM atom) { return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom)); }

// Registers the class params.WinClassName (once); returns the window procedure that default
// processing calls (the base class's, or DefWindowProcW).
WNDPROC RegisterWindowClass(const TCreateParams& params);
// CreateWindowExW for `control`: its first message attaches the window to the control.
HWND CreateControlWindow(TWinControl* control, const TCreateParams& params);

}  // namespace framework_internal

inline LPCWSTR ControlAtomKey() { return framework_internal::ControlAtomKeyFor(ControlAtom()); }

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
