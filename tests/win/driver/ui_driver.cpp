#include "win/driver/ui_driver.h"

#include <commctrl.h>

#include <cstring>

#include "win/support/window_probe.h"

namespace ui_driver {

namespace {

LPARAM PointParam(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

POINT Center(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

std::vector<HWND> FindThreadWindows(const std::wstring& className, const std::string* caption) {
    struct Search {
        const std::wstring* className;
        const std::string* caption;
        std::vector<HWND> found;
    } search{&className, caption, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (!IsWindowVisible(window) || testing_support::ClassOf(window) != *s->className) return TRUE;
            if (s->caption && WindowText(window) != *s->caption) return TRUE;
            s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindThreadWindow(const std::wstring& className) {
    const auto found = FindThreadWindows(className);
    return found.empty() ? nullptr : found.front();
}

void ClickAt(HWND window, POINT client) {
    const LPARAM at = PointParam(client);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void Click(TControl* control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        const RECT r = windowed->ClientRect();
        ClickAt(windowed->Handle(), Center(r));
        return;
    }
    ClickAt(control->Parent()->Handle(), Center(control->BoundsRect()));
}

void ClickTreeNode(TTreeView* tree, TTreeNode* node) {
    // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
    RECT r{};
    const HTREEITEM item = node->ItemId();
    static_assert(sizeof(item) <= sizeof(r));
    std::memcpy(&r, &item, sizeof(item));
    SendMessageW(tree->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    ClickAt(tree->Handle(), Center(r));
}

void ClickTreeBackground(TTreeView* tree) {
    const RECT client = tree->ClientRect();
    ClickAt(tree->Handle(), POINT{client.right - 4, client.bottom - 4});
}

void PressKey(HWND window, WORD virtualKey) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageW(window, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void TypeText(TWinControl* control, const std::string& text) {
    const HWND window = control->Handle();
    PostMessageW(window, WM_SETFOCUS, 0, 0);
    PostMessageW(window, EM_SETSEL, 0, -1);
    PostMessageW(window, WM_CHAR, VK_BACK, 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            PostMessageW(window, WM_CHAR, '\r', 1);
            ++i;
            continue;
        }
        PostMessageW(window, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(text[i])), 1);
    }
}

void ChooseMenuItem(TCustomForm* form, TMenuItem* item) {
    PostMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
}

void CloseBySystemMenu(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

TCustomForm* MessageForm() {
    const HWND window = FindThreadWindow(L"TMessageForm");
    return window ? dynamic_cast<TCustomForm*>(FindControl(window)) : nullptr;
}

std::string MessageText() {
    auto* form = dynamic_cast<TMessageForm*>(MessageForm());
    return form ? form->Message() : std::string();
}

bool PressMessageOk() {
    TCustomForm* form = MessageForm();
    if (!form) return false;
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* button = dynamic_cast<TButton*>(form->Controls(i))) {
            Click(button);
            return true;
        }
    return false;
}

HWND SystemDialog() { return FindThreadWindow(L"#32770"); }

std::string DialogText(HWND dialog) {
    std::string text;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (testing_support::ClassOf(child) != L"Static") continue;
        const std::string part = WindowText(child);
        if (part.empty()) continue;
        if (!text.empty()) text += "\n";
        text += part;
    }
    return text;
}

bool PressDialogOk(HWND dialog) {
    const HWND ok = GetDlgItem(dialog, IDOK);
    if (!ok) return false;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    return true;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return NarrowText(text);
}

void EndAllModalLoops() {
    for (HWND dialog : FindThreadWindows(L"#32770")) EndDialog(dialog, IDCANCEL);
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Modal()) Screen->Forms(i)->SetModalResult(mrCancel);
}

}  // namespace ui_driver
