// Shared state between the framework's own source files (not for users of the framework).
#pragma once

#include "framework/win/controls.h"

namespace framework_internal {

// The control under the mouse (windowless ones included), for CM_MOUSEENTER / CM_MOUSELEAVE.
TControl* MouseControl();
// Makes `control` the control under the mouse, telling the old one it was left and the new one
// it was entered.
void SetMouseControl(TControl* control);
// Forgets a control that is going away.
void ForgetControl(TControl* control);

// Gives the window `icon` as both its big and its small icon (null takes them away).
void SendWindowIcons(HWND window, HICON icon);

// Registers the common-control window classes of `classes` (ICC_* bits) once per process.
void InitCommonControlClasses(DWORD classes);

// True while PaintParentBackground paints the parent of `control` for it.
bool PaintingParentBackgroundFor(const TControl* control);

// Runs a framework event handler; an exception goes to the application's error handler.
template <class F>
void Guarded(TObject* sender, F&& body);

}  // namespace framework_internal

#include "framework/win/application.h"

template <class F>
void framework_internal::Guarded(TObject* sender, F&& body) {
    try {
        body();
    } catch (...) {
        Application->HandleException(sender);
    }
}
