#pragma once
// What the skin manager reads of a real window before it decides about it.

#include <windows.h>

#include <string>

class TCustomForm;

namespace skin::win {

// The window's class name as GetClassName reports it into a 100-character buffer.
std::string WindowClassName(HWND window);

// The framework form of the window: from the list of forms, else from the window property the
// framework sets on every window it creates. Null for a bare window or a control.
TCustomForm* FindFrameworkForm(HWND window);
// True when the form is being freed: it has left the screen's list or is freeing its components.
// Such a form's window may still be activated while it goes, but must never get a new form skin.
bool IsFormGoing(const TCustomForm* form);

// The module the skin engine is linked into.
HINSTANCE ThisModule();

// The window property a plain window sets (to any non-null value) to be left to Windows: what a
// framework form says with its exempt Tag.
constexpr const wchar_t* kExemptWindowProperty = L"SkinEngine.Exempt";
bool IsExemptWindow(HWND window);

// Windows Wine creates for itself on the GUI thread (input method, OLE); never skinned.
bool IsPlatformInternalClass(const std::string& className);

}  // namespace skin::win
