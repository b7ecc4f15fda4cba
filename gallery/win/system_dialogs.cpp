#include "gallery/win/system_dialogs.h"

#include <commdlg.h>

#include <array>
#include <cwchar>

int ShowInformationMessageBox(HWND owner) {
    return MessageBoxW(owner,
                       L"A message box of Windows itself, class #32770, skinned like every "
                       L"other dialog box of the thread.",
                       L"Message box", MB_OK | MB_ICONINFORMATION);
}

bool ShowColourDialog(HWND owner, COLORREF& colour) {
    // The dialog keeps its custom colours here between calls, as its contract asks.
    static std::array<COLORREF, 16> customColours = [] {
        std::array<COLORREF, 16> white{};
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    CHOOSECOLORW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.rgbResult = colour;
    request.lpCustColors = customColours.data();
    request.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&request)) return false;
    colour = request.rgbResult;
    return true;
}

namespace {

// A window enumeration callback: a plain function, since 32-bit Windows calls it as stdcall.
BOOL CALLBACK KeepFirstShownDialogBox(HWND window, LPARAM param) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

}  // namespace

HWND FindShownDialogBox() {
    HWND found = nullptr;
    // EnumThreadWindows lists the newest window first; the first visible dialog box wins.
    EnumThreadWindows(GetCurrentThreadId(), KeepFirstShownDialogBox, reinterpret_cast<LPARAM>(&found));
    return found;
}
