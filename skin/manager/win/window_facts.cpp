#include "skin/manager/win/window_facts.h"

#include "framework/win/application.h"
#include "framework/win/text.h"

namespace skin::win {

std::string WindowClassName(HWND window) {
    wchar_t name[100] = {};
    const int length = GetClassNameW(window, name, 100);
    return NarrowText(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

TCustomForm* FindFrameworkForm(HWND window) {
    if (window == nullptr) return nullptr;
    if (Screen != nullptr) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form->HandleAllocated() && static_cast<const TCustomForm*>(form)->Handle() == window) return form;
        }
    }
    return dynamic_cast<TCustomForm*>(FindControl(window));
}

bool IsFormGoing(const TCustomForm* form) {
    if (form->Destroying()) return true;
    // A form leaves the screen's list first thing when it is freed, before its window goes.
    if (Screen == nullptr) return true;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form) return false;
    return true;
}

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

bool IsExemptWindow(HWND window) { return GetPropW(window, kExemptWindowProperty) != nullptr; }

bool IsPlatformInternalClass(const std::string& className) {
    return className == "IME" || className == "OleMainThreadWndClass";
}

}  // namespace skin::win
