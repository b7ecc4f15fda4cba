#include "framework/win/img_list.h"
#include "framework/win/internal.h"
#include "framework/win/tab_ctrls.h"
#include "framework/win/text.h"

#include <commctrl.h>

#include <algorithm>

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    TControl::SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TCustomTabControl::~TCustomTabControl() = default;

void TCustomTabControl::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_TAB_CLASSES);
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_TABCONTROLW;
    params.Style |= WS_CLIPCHILDREN;
    if (multiLine_) params.Style |= TCS_MULTILINE;
    switch (tabPosition_) {
        case tpTop: break;
        case tpBottom: params.Style |= TCS_BOTTOM; break;
        // Tabs along a side only come in rows.
        case tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
        case tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    }
}

void TCustomTabControl::CreateWnd() { UpdateTabs(); }

void TCustomTabControl::UpdateTabs() {
    if (!HandleAllocated() || Destroying()) return;
    HWND window = Handle();
    SendMessageW(window, TCM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    SendMessageW(window, TCM_DELETEALLITEMS, 0, 0);
    const std::vector<TTabItem> items = TabItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::wstring caption = WidenText(items[i].Caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption.data();
        item.iImage = items[i].ImageIndex;
        SendMessageW(window, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SelectTabInWindow(SelectedTab());
    TabsUpdated();
}

void TCustomTabControl::SelectTabInWindow(int tab) {
    if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
}

RECT TCustomTabControl::TabRect(int index) const {
    RECT r{};
    if (HandleAllocated())
        SendMessageW(TWinControl::Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

RECT TCustomTabControl::DisplayRect() const {
    RECT r = ClientRect();
    if (HandleAllocated()) SendMessageW(TWinControl::Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
    if (value == tabPosition_) return;
    tabPosition_ = value;
    RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool value) {
    if (value == multiLine_) return;
    multiLine_ = value;
    RecreateWnd();
}

void TCustomTabControl::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    UpdateTabs();
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        UpdateTabs();
    }
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::StepTab(bool forward) {
    const int count = static_cast<int>(TabItems().size());
    if (count < 2 || !CanChange()) return;
    const int current = SelectedTab();
    const int next = current < 0 ? (forward ? 0 : count - 1) : (current + (forward ? 1 : count - 1)) % count;
    SelectTabInWindow(next);
    TabSelected(next);
}

bool TCustomTabControl::HandleTabKey(WPARAM key) {
    if (key != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    StepTab(GetKeyState(VK_SHIFT) >= 0);
    return true;
}

void TCustomTabControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
            message.Result = 0;
            if (header->code == TCN_SELCHANGING) {
                message.Result = CanChange() ? FALSE : TRUE;
            } else if (header->code == TCN_SELCHANGE) {
                TabSelected(static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)));
            }
            return;
        }
        case WM_KEYDOWN:
            if (HandleTabKey(message.WParam)) return;
            break;
        case CM_DIALOGKEY:
            // From the form, when the focus is on this control or inside one of its pages.
            if (HandleTabKey(message.WParam)) {
                message.Result = 1;
                return;
            }
            break;
        case WM_GETDLGCODE:
            DefaultHandler(message);
            if (GetKeyState(VK_CONTROL) < 0) message.Result |= DLGC_WANTTAB;
            return;
        default: break;
    }
    TWinControl::WndProc(message);
}

TPropList TCustomTabControl::Published() {
    return {
        propdef::Enumeration<TCustomTabControl, TTabPosition>("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                                                              &TCustomTabControl::TabPosition,
                                                              &TCustomTabControl::SetTabPosition),
        propdef::Boolean<TCustomTabControl>("MultiLine", &TCustomTabControl::MultiLine,
                                            &TCustomTabControl::SetMultiLine),
        propdef::Object<TCustomTabControl, TCustomImageList>("Images", &TCustomTabControl::Images,
                                                             &TCustomTabControl::SetImages),
    };
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner), tabs_(std::make_unique<TStringList>()) {
    tabs_->OnChange = [this] {
        if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
        if (tabIndex_ < 0 && tabs_->Count() > 0) tabIndex_ = 0;
        UpdateTabs();
    };
}

TTabControl::~TTabControl() { tabs_->OnChange = nullptr; }

std::vector<TCustomTabControl::TTabItem> TTabControl::TabItems() const {
    std::vector<TTabItem> items;
    for (int i = 0; i < tabs_->Count(); ++i) items.push_back(TTabItem{tabs_->Get(i), -1});
    return items;
}

void TTabControl::SetTabIndex(int value) {
    if (value < -1 || value >= tabs_->Count()) value = -1;
    tabIndex_ = value;
    SelectTabInWindow(value);
}

void TTabControl::TabSelected(int tab) {
    tabIndex_ = tab;
    if (OnChange) OnChange(this);
}

TPropList TTabControl::Published() {
    return {
        propdef::Object<TTabControl, TStrings>("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs),
        propdef::Integer<TTabControl>("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex),
    };
}
