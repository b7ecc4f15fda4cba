#include "gallery/win/system_dialogs.h"

#include <commdlg.h>

#include <algorithm>
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

// A dialog procedure: a plain function, since 32-bit Windows calls it as stdcall.
INT_PTR CALLBACK ControlsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG: {
            CheckDlgButton(dialog, 102, BST_CHECKED);
            CheckDlgButton(dialog, 103, BST_INDETERMINATE);
            CheckRadioButton(dialog, 104, 105, 104);
            for (int id : {108, 111}) {
                const HWND bar = GetDlgItem(dialog, id);
                SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 20, 30, 0};
                SetScrollInfo(bar, SB_CTL, &info, TRUE);
            }
            return TRUE;
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            // Scroll bar controls move only when their owner moves them.
            const auto bar = reinterpret_cast<HWND>(lParam);
            SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
            if (bar == nullptr || !GetScrollInfo(bar, SB_CTL, &info)) return FALSE;
            int position = info.nPos;
            const int page = std::max<int>(static_cast<int>(info.nPage), 1);
            switch (LOWORD(wParam)) {
                case SB_LINEUP: position -= 1; break;
                case SB_LINEDOWN: position += 1; break;
                case SB_PAGEUP: position -= page; break;
                case SB_PAGEDOWN: position += page; break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: position = info.nTrackPos; break;
                case SB_TOP: position = info.nMin; break;
                case SB_BOTTOM: position = info.nMax; break;
                default: return TRUE;
            }
            const int last = std::max(info.nMin, info.nMax - std::max<int>(static_cast<int>(info.nPage) - 1, 0));
            SetScrollPos(bar, SB_CTL, std::clamp(position, info.nMin, last), TRUE);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default: return FALSE;
    }
}

// A window enumeration callback: a plain function, since 32-bit Windows calls it as stdcall.
BOOL CALLBACK KeepFirstShownDialogBox(HWND window, LPARAM param) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

}  // namespace

INT_PTR ShowControlsDialog(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"CONTROLSDIALOG", owner, &ControlsDialogProc, 0);
}

HWND FindShownDialogBox() {
    HWND found = nullptr;
    // EnumThreadWindows lists the newest window first; the first visible dialog box wins.
    EnumThreadWindows(GetCurrentThreadId(), KeepFirstShownDialogBox, reinterpret_cast<LPARAM>(&found));
    return found;
}
