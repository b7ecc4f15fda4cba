// MDI frames and children: the frame's client window, its children, their arrangement and the
// child's main menu merged into the frame's.

#include "framework/mdi_layout.h"
#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"

#include <stdexcept>

namespace {

// First command of the frame's window menu entries; framework items count up from 1.
constexpr UINT kFirstMdiChildCommand = 0xFF00;

// What the window is, whatever FormStyle says now (it may have changed since it was made).
bool IsMdiChildWindow(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0; }

TLayoutRect ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == formStyle_) return;
    formStyle_ = style;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
    if (item == windowMenu_) return;
    if (windowMenu_ != nullptr) windowMenu_->RemoveFreeNotification(this);
    windowMenu_ = item;
    if (windowMenu_ != nullptr) windowMenu_->FreeNotification(this);
    if (HandleAllocated() && formStyle_ == fsMDIForm) SetMdiMenu();
}

void TCustomForm::CreateMdiClient() {
    CLIENTCREATESTRUCT create{};
    create.hWindowMenu = windowMenu_ != nullptr ? windowMenu_->Handle() : nullptr;
    create.idFirstChild = kFirstMdiChildCommand;
    RECT client{};
    GetClientRect(Handle(), &client);
    mdiClient_.Reset(
        CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL, 0, 0,
                        client.right, client.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &create));
    if (!mdiClient_) throw std::runtime_error("Error creating window for MDIClient");
    // Under the frame's bars, not over them.
    SetWindowPos(mdiClient_.Get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::LayoutMdiClient() {
    if (!mdiClient_ || !HandleAllocated()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    std::vector<TLayoutRect> bars;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != mdiClient_.Get() && IsWindowVisible(child)) bars.push_back(ChildRect(Handle(), child));
    }
    const TLayoutRect area = MdiClientArea({client.left, client.top, client.right, client.bottom}, bars);
    SetWindowPos(mdiClient_.Get(), nullptr, area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::SetMdiMenu() {
    if (!mdiClient_) return;
    HMENU frameMenu = Menu() != nullptr ? Menu()->Handle() : nullptr;
    HMENU windowMenu = windowMenu_ != nullptr ? windowMenu_->Handle() : nullptr;
    // The client puts the menu on the frame and lists the children in the window menu.
    if (frameMenu != nullptr)
        SendMessageW(mdiClient_.Get(), WM_MDISETMENU, reinterpret_cast<WPARAM>(frameMenu),
                     reinterpret_cast<LPARAM>(windowMenu));
    else
        ::SetMenu(Handle(), nullptr);
    DrawMenuBar(Handle());
}

TCustomForm* TCustomForm::MdiFrame() const {
    if (formStyle_ != fsMDIChild) return nullptr;
    if (HandleAllocated()) {
        if (auto* frame = dynamic_cast<TCustomForm*>(FindControl(GetParent(GetParent(Handle()))));
            frame != nullptr && frame->FormStyle() == fsMDIForm)
            return frame;
    }
    if (Application != nullptr && Application->MainForm() != nullptr &&
        Application->MainForm()->FormStyle() == fsMDIForm)
        return Application->MainForm();
    for (int i = 0; Screen != nullptr && i < Screen->FormCount(); ++i) {
        if (Screen->Forms(i)->FormStyle() == fsMDIForm && Screen->Forms(i)->HandleAllocated()) return Screen->Forms(i);
    }
    return nullptr;
}

std::vector<TCustomForm*> TCustomForm::MdiChildList() const {
    std::vector<TCustomForm*> children;
    if (!mdiClient_) return children;
    for (int i = 0; Screen != nullptr && i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->FormStyle() == fsMDIChild && form->HandleAllocated() && GetParent(form->Handle()) == mdiClient_.Get())
            children.push_back(form);
    }
    return children;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!mdiClient_) return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageW(mdiClient_.Get(), WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(active));
}

int TCustomForm::MDIChildCount() const { return static_cast<int>(MdiChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int index) const {
    const std::vector<TCustomForm*> children = MdiChildList();
    return index >= 0 && index < static_cast<int>(children.size()) ? children[static_cast<std::size_t>(index)]
                                                                   : nullptr;
}

void TCustomForm::Tile() {
    if (mdiClient_) SendMessageW(mdiClient_.Get(), WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade() {
    if (mdiClient_) SendMessageW(mdiClient_.Get(), WM_MDICASCADE, 0, 0);
}

void TCustomForm::ArrangeIcons() {
    if (mdiClient_) SendMessageW(mdiClient_.Get(), WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
    if (mdiClient_) SendMessageW(mdiClient_.Get(), WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
    if (mdiClient_) SendMessageW(mdiClient_.Get(), WM_MDINEXT, 0, 1);
}

void TCustomForm::MdiActivated(WPARAM deactivated, LPARAM activated) {
    TCustomForm* frame = MdiFrame();
    if (frame == nullptr || frame->Menu() == nullptr || !HandleAllocated()) return;
    if (reinterpret_cast<HWND>(activated) == Handle()) {
        frame->Menu()->Merge(Menu());
    } else if (reinterpret_cast<HWND>(deactivated) == Handle() && activated == 0) {
        // The last child went (another one being activated merges its own menu instead).
        frame->Menu()->Unmerge(Menu());
    }
}

void TCustomForm::DefaultHandler(TMessage& message) {
    if (!HandleAllocated() || formStyle_ == fsNormal) {
        TScrollingWinControl::DefaultHandler(message);
        return;
    }
    if (formStyle_ == fsMDIForm)
        message.Result = DefFrameProcW(Handle(), mdiClient_.Get(), message.Msg, message.WParam, message.LParam);
    else if (IsMdiChildWindow(Handle()))
        message.Result = DefMDIChildProcW(Handle(), message.Msg, message.WParam, message.LParam);
    else  // the style changed and the window is still the one made before
        TScrollingWinControl::DefaultHandler(message);
}

void TCustomForm::DestroyWindowHandle(HWND window) {
    HWND client = GetParent(window);
    if (!IsMdiChildWindow(window) || client == nullptr) {
        TScrollingWinControl::DestroyWindowHandle(window);
        return;
    }
    if (Menu() != nullptr) {
        if (TCustomForm* frame = MdiFrame(); frame != nullptr && frame->Menu() != nullptr)
            frame->Menu()->Unmerge(Menu());
    }
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
}
