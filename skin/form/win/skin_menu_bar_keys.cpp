// The skinned menu bar worked from the keyboard, as the system's own bar is: F10 or Alt lights
// the first button, the arrows move the light, Down or Enter opens, a letter opens the button of
// its mnemonic, Escape (or Alt again) leaves. The keys go to the bar meanwhile, never to the
// control with the focus, and the focus stays where it was.

#include "skin/form/menu_accelerator.h"
#include "skin/form/menu_bar_keyboard.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"

namespace skin::win {

namespace {

skin::form::BarKey BarKeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT: return skin::form::BarKey::Left;
        case VK_RIGHT: return skin::form::BarKey::Right;
        case VK_UP: return skin::form::BarKey::Up;
        case VK_DOWN: return skin::form::BarKey::Down;
        case VK_RETURN: return skin::form::BarKey::Enter;
        case VK_ESCAPE: return skin::form::BarKey::Escape;
        default: return skin::form::BarKey::Other;
    }
}

bool IsMenuKey(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU || key == VK_F10; }

bool IsMouseButtonDown(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONDBLCLK: return true;
        default: return false;
    }
}

bool IsAltKey(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

// F10 or Alt pressed and released, seen as the thread takes the keys from its queue: the system
// gets it only when the focused control passes its key messages on to DefWindowProc, and some
// (the tree view among them) keep them, so the bar would never hear of it.
// The thread's message hook, taken off with the last bar (or at the end of the program).
class MessageHook {
public:
    MessageHook() = default;
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;
    ~MessageHook() { Reset(); }
    void Reset(HHOOK hook = nullptr) {
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
        hook_ = hook;
    }
    HHOOK Get() const { return hook_; }
    explicit operator bool() const { return hook_ != nullptr; }

private:
    HHOOK hook_ = nullptr;
};

struct MenuKeyWatch {
    MessageHook Hook;
    int Bars = 0;
    WPARAM PressedKey = 0;  // VK_MENU or VK_F10 while it is down alone
    HWND PressedRoot = nullptr;
};

// Each GUI thread that skins its windows watches its own keys. Made once a thread and never
// destroyed: a thread's variables with destructors are destroyed while the engine's DLL is let go.
MenuKeyWatch& Watch() {
    thread_local auto* watch = new MenuKeyWatch;
    return *watch;
}

// Alt and a letter in a plain window: the system turns the character into SC_KEYMENU for the
// window with the focus, a control more often than not, and looks for the menu the skinned bar
// took off the window. The bar's mnemonic opens its drop-down instead. (A framework form hears
// of the letter through its dialog-character handling.)
void NoteAltLetter(MSG& msg) {
    if ((HIWORD(msg.lParam) & KF_ALTDOWN) == 0 || GetKeyState(VK_CONTROL) < 0) return;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    TSkinForm* skin = TSkinForm::FromWindow(root);
    if (skin == nullptr || skin->OwnerForm() != nullptr || skin->MenuBar() == nullptr || skin->MenuTracking() ||
        skin->MenuBarKeyboard())
        return;
    const auto key = static_cast<wchar_t>(msg.wParam);
    if (!skin::form::FindAccelButton(skin->MenuBar()->Buttons(), key)) return;
    msg.message = WM_NULL;
    PostMessageW(root, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(key));
}

void NoteMenuKey(MSG& msg) {
    MenuKeyWatch& watch = Watch();
    switch (msg.message) {
        case WM_SYSCHAR: NoteAltLetter(msg); return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            // A key held down repeats; it counts as pressed alone all the same (whatever state
            // an earlier press left behind), as the system's bar counts it.
            const bool alone = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
            if ((IsAltKey(msg.wParam) || msg.wParam == VK_F10) && alone) {
                watch.PressedKey = IsAltKey(msg.wParam) ? VK_MENU : VK_F10;
                watch.PressedRoot = GetAncestor(msg.hwnd, GA_ROOT);
            } else {
                watch.PressedKey = 0;
            }
            return;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const WPARAM key = IsAltKey(msg.wParam) ? VK_MENU : msg.wParam;
            const bool released =
                watch.PressedKey != 0 && key == watch.PressedKey && GetAncestor(msg.hwnd, GA_ROOT) == watch.PressedRoot;
            watch.PressedKey = 0;
            if (!released) return;
            TSkinForm* skin = TSkinForm::FromWindow(watch.PressedRoot);
            if (skin == nullptr || skin->MenuBar() == nullptr || skin->MenuTracking() || skin->MenuBarKeyboard())
                return;
            // The bar answers instead of the system: the key-up goes no further, so the system
            // does not answer as well.
            msg.message = WM_NULL;
            PostMessageW(watch.PressedRoot, WM_SYSCOMMAND, SC_KEYMENU, 0);
            return;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN: watch.PressedKey = 0; return;
        default: return;
    }
}

LRESULT CALLBACK MenuKeyWatchProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0) NoteMenuKey(*reinterpret_cast<MSG*>(lParam));
    return CallNextHookEx(Watch().Hook.Get(), code, wParam, lParam);
}

}  // namespace

void WatchMenuKeys(bool on) {
    MenuKeyWatch& watch = Watch();
    watch.Bars += on ? 1 : -1;
    if (watch.Bars > 0 && !watch.Hook)
        watch.Hook.Reset(SetWindowsHookExW(WH_GETMESSAGE, MenuKeyWatchProc, nullptr, GetCurrentThreadId()));
    else if (watch.Bars <= 0) {
        watch.Bars = 0;
        watch.Hook.Reset();
        watch.PressedKey = 0;
    }
}

void TSkinForm::WorkMenuBarFromKeyboard(std::size_t button, bool openFirst) {
    if (!skinMenu_ || barKeyboard_ || menuTracking_) return;
    std::size_t index = button;
    bool open = openFirst;
    for (;;) {
        if (!open) {
            const std::optional<std::size_t> chosen = LightMenuBar(index);
            if (!IsLive(this) || !chosen) return;
            index = *chosen;
        }
        if (!skinMenu_) return;
        OpenMenu(index);
        if (!IsLive(this)) return;
        // Escape in a drop-down goes back to the bar, as on the system's bar.
        if (!dropDownEscaped_ || !IsWindow(Handle) || !skinMenu_ || lastDropDown_ >= skinMenu_->Buttons().size())
            return;
        index = lastDropDown_;
        open = false;
    }
}

std::optional<std::size_t> TSkinForm::LightMenuBar(std::size_t index) {
    if (!skinMenu_ || index >= skinMenu_->Buttons().size()) return std::nullopt;
    const HWND window = Handle;
    const bool wasActive = active_;
    barKeyboard_ = true;
    skinMenu_->Hold(index, skin::form::ButtonState::Hot);
    std::optional<std::size_t> open;
    bool menuKeyDown = false;
    bool pending = false;  // a click that ended the keyboard's turn, still to be delivered
    // Only a mouse that really moves takes the light: the system reports a resting one again
    // whenever windows change around it.
    POINT lastMouse{};
    GetCursorPos(&lastMouse);
    MSG msg{};
    for (;;) {
        if (!IsWindow(window) || !skinMenu_ || (wasActive && !active_)) break;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the application's loop must see it too
            break;
        }
        if (got == -1) break;
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
            skin::form::BarKeyResult result;
            switch (msg.message) {
                case WM_KEYDOWN:
                case WM_SYSKEYDOWN:
                    if (IsMenuKey(msg.wParam)) {
                        menuKeyDown = true;
                        break;
                    }
                    menuKeyDown = false;
                    if (const skin::form::BarKey key = BarKeyOf(msg.wParam); key != skin::form::BarKey::Other)
                        result = skin::form::BarKeyboardKey(skinMenu_->Buttons(), index, key, skinMenu_->RightToLeft());
                    else
                        TranslateMessage(&msg);  // letters come back as characters
                    break;
                case WM_KEYUP:
                case WM_SYSKEYUP:
                    if (IsMenuKey(msg.wParam) && menuKeyDown) result = {skin::form::BarKeyAction::Leave, index};
                    break;
                case WM_CHAR:
                case WM_SYSCHAR:
                    result = skin::form::BarKeyboardChar(skinMenu_->Buttons(), static_cast<wchar_t>(msg.wParam));
                    break;
                default: break;
            }
            if (result.Action == skin::form::BarKeyAction::Highlight) {
                index = result.Index;
                skinMenu_->Hold(index, skin::form::ButtonState::Hot);
            } else if (result.Action == skin::form::BarKeyAction::Open) {
                open = result.Index;
                break;
            } else if (result.Action == skin::form::BarKeyAction::Leave) {
                break;
            }
            continue;
        }
        if (IsMouseButtonDown(msg.message)) {
            pending = true;
            break;
        }
        if (msg.message == WM_NCMOUSEMOVE && msg.hwnd == window) {
            // Judged by where the mouse is now: a move queued before the mouse left says nothing.
            POINT now{};
            GetCursorPos(&now);
            if (now.x == lastMouse.x && now.y == lastMouse.y) continue;
            lastMouse = now;
            // The mouse over another button takes the light with it.
            const auto hit = skinMenu_->HitButton(ScreenToWindow(MAKELPARAM(now.x, now.y)));
            if (hit && *hit != index && skin::form::KeyboardCanReach(skinMenu_->Buttons()[*hit])) {
                index = *hit;
                skinMenu_->Hold(index, skin::form::ButtonState::Hot);
            }
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!IsLive(this)) return std::nullopt;  // its form went with the message
    }
    barKeyboard_ = false;
    if (IsWindow(window) && skinMenu_) skinMenu_->Release();
    if (pending) DispatchMessageW(&msg);
    return open;
}

}  // namespace skin::win
