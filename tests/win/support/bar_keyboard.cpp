#include "tests/win/support/bar_keyboard.h"

#include <cctype>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "tests/win/support/send_input.h"
#include "framework/win/types.h"

namespace bar_keyboard {

namespace {

// The host's root is drive Z: in every Wine prefix.
constexpr wchar_t kXdotool[] = L"Z:\\usr\\bin\\xdotool";

std::string XKeyName(WORD key) {
    switch (key) {
        case VK_F10: return "F10";
        case VK_MENU: return "alt";
        case VK_LEFT: return "Left";
        case VK_RIGHT: return "Right";
        case VK_UP: return "Up";
        case VK_DOWN: return "Down";
        case VK_ESCAPE: return "Escape";
        case VK_RETURN: return "Return";
        default: break;
    }
    if (key >= 'A' && key <= 'Z') return std::string(1, static_cast<char>(key - 'A' + 'a'));
    if (key >= '0' && key <= '9') return std::string(1, static_cast<char>(key));
    return "space";
}

// Runs the host's xdotool with `arguments` and waits until it is done.
void RunXdotool(const std::string& arguments) {
    std::wstring command = L"xdotool ";
    for (char c : arguments) command.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(kXdotool, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    const base::win::UniqueKernelHandle thread(process.hThread);
    const base::win::UniqueKernelHandle child(process.hProcess);
    WaitForSingleObject(child.Get(), 10000);
}

void TypeOnDisplay(const std::string& keys) { RunXdotool("key " + keys); }

}  // namespace

HMENU ShownDropDown() {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        DWORD_PTR menu = 0;
        if (IsWindowVisible(w) && SendMessageTimeoutW(w, MN_GETHMENU, 0, 0, SMTO_NORMAL, 1000, &menu))
            return reinterpret_cast<HMENU>(menu);
    }
    return nullptr;
}

const char* Name(Look look) {
    switch (look) {
        case Look::Flat: return "flat";
        case Look::Raised: return "raised";
        case Look::Sunken: return "sunken";
    }
    return "?";
}

Look LookOf(HWND window, const skin::Rect& button, const skin::TSkinObjects& objects) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const int y = outer.top + (button.Top + button.Bottom) / 2;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return Look::Flat;
    const COLORREF left = GetPixel(screen, outer.left + button.Left, y);
    const COLORREF right = GetPixel(screen, outer.left + button.Right - 1, y);
    ReleaseDC(nullptr, screen);
    const COLORREF light = ColorToRGB(objects.ButtonHilightColor);
    const COLORREF dark = ColorToRGB(objects.ButtonShadowColor);
    if (left == light && right == dark) return Look::Raised;
    if (left == dark && right == light) return Look::Sunken;
    return Look::Flat;
}

namespace {

const std::atomic<bool>* g_walkDone = nullptr;

void CALLBACK LeaveMenusTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_walkDone == nullptr || !*g_walkDone) return;
    if (ShownDropDown() != nullptr) EndMenu();
    LeaveLitBars();
}

}  // namespace

void LeaveLitBars() {
    if (skin::win::SkinManager == nullptr) return;
    for (skin::win::TSkinForm* form : skin::win::SkinManager->FormSkins())
        if (skin::win::TSkinForm::IsLive(form) && form->MenuBarKeyboard())
            PostMessageW(form->Handle, WM_KEYDOWN, VK_ESCAPE, 0);
}

LeaveMenusWhenDone::LeaveMenusWhenDone(const std::atomic<bool>& done) {
    g_walkDone = &done;
    timer_ = SetTimer(nullptr, 0, 100, &LeaveMenusTimer);
}

LeaveMenusWhenDone::~LeaveMenusWhenDone() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    g_walkDone = nullptr;
}

void SendInputKeyboard::Tap(WORD key) { testing_support::TapKey(key); }

void SendInputKeyboard::AltWith(char letter) {
    testing_support::Key(VK_MENU, true);
    Tap(static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter))));
    testing_support::Key(VK_MENU, false);
}

void MoveMouseOnDisplay(POINT screen) {
    if (XDisplayKeyboard::Available())
        RunXdotool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
    else
        SetCursorPos(screen.x, screen.y);
    for (int waited = 0; waited < 100; ++waited) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) return;
        Sleep(10);
    }
}

bool XDisplayKeyboard::Available() {
    wchar_t display[64] = {};
    return GetEnvironmentVariableW(L"DISPLAY", display, 64) > 0 &&
           GetFileAttributesW(kXdotool) != INVALID_FILE_ATTRIBUTES;
}

void XDisplayKeyboard::Tap(WORD key) { TypeOnDisplay(XKeyName(key)); }

void XDisplayKeyboard::AltWith(char letter) { TypeOnDisplay(std::string("alt+") + letter); }

}  // namespace bar_keyboard
