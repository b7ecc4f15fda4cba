#include "framework/win/menus.h"

#include "framework/win/application.h"
#include "framework/win/framework_context.h"
#include "framework/win/internal.h"
#include "framework/win/text.h"

#include <algorithm>
#include <stdexcept>

namespace {

using framework_internal::FrameworkContext;

// Next free menu command identifier (1..0xFFFF; WM_COMMAND carries 16 bits).
UINT AllocateCommand(TMenuItem* item) {
    FrameworkContext& context = FrameworkContext::Current();
    auto& commands = context.menuCommands;
    if (commands.size() >= 0xFFFF) throw std::runtime_error("Too many menu items");
    UINT& next = context.lastMenuCommand;
    do {
        next = next >= 0xFFFF ? 1 : next + 1;
    } while (commands.count(next) != 0);
    commands[next] = item;
    return next;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
    command_ = AllocateCommand(this);
    FrameworkContext::Current().liveMenuItems.insert(this);
}

TMenuItem::~TMenuItem() {
    if (IsLive(this)) TMenuItem::BeforeDestruction();
}

void TMenuItem::BeforeDestruction() {
    if (Destroying()) return;
    while (!items_.empty()) {
        TMenuItem* child = items_.back();
        Remove(child);
        child->Free();
    }
    if (parent_ != nullptr) parent_->Remove(this);
    FreeHandle();
    FrameworkContext& context = FrameworkContext::Current();
    context.menuCommands.erase(command_);
    context.liveMenuItems.erase(this);
    TComponent::BeforeDestruction();
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
    const auto& commands = FrameworkContext::Current().menuCommands;
    auto it = commands.find(command);
    return it != commands.end() ? it->second : nullptr;
}

bool TMenuItem::IsLive(const TMenuItem* item) { return FrameworkContext::Current().liveMenuItems.count(item) != 0; }

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Changed();
}

void TMenuItem::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    Changed();
}

void TMenuItem::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed();
}

void TMenuItem::SetImageIndex(int index) {
    if (index < -1) index = -1;
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed();
}

std::string TMenuItem::MenuText() const {
    if (IsLine() || shortCut_ == 0) return caption_;
    const std::string keys = ShortCutToText(shortCut_);
    return keys.empty() ? caption_ : caption_ + "\t" + keys;
}

// Another handler changes the menu only when the item starts or stops being drawn by its
// owner: the menu is not rebuilt under a menu window that shows it.
void TMenuItem::SetOnDrawItem(TDrawItemEvent handler) {
    const bool ownerDrawn = OwnerDrawn();
    onDrawItem_ = std::move(handler);
    if (OwnerDrawn() != ownerDrawn) Changed();
}

void TMenuItem::SetOnMeasureItem(TMeasureItemEvent handler) {
    const bool ownerDrawn = OwnerDrawn();
    onMeasureItem_ = std::move(handler);
    if (OwnerDrawn() != ownerDrawn) Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item == nullptr) return;
    if (item->parent_ != nullptr) throw std::logic_error("Menu item already has a parent");
    for (const TMenuItem* p = this; p != nullptr; p = p->parent_) {
        if (p == item) throw std::logic_error("A menu item cannot contain itself");
    }
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    RebuildHandle();
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    RebuildHandle();
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_ != nullptr) root = root->parent_;
    return root->menu_;
}

bool TMenuItem::OwnerDrawn() const {
    if (onDrawItem_ || onMeasureItem_) return true;
    const TMenu* menu = GetParentMenu();
    return menu != nullptr && menu->OwnerDraw();
}

HMENU TMenuItem::Handle() {
    if (!handle_ && (menu_ != nullptr || !items_.empty())) {
        handle_.Reset(menu_ != nullptr ? menu_->CreateMenuHandle() : CreatePopupMenu());
        if (!handle_) throw std::runtime_error("Out of system resources: cannot create a menu");
        RebuildHandle();
    }
    return handle_.Get();
}

void TMenuItem::RebuildHandle() {
    if (!handle_) return;
    // Entries are removed, not deleted: sub-menus belong to their items.
    while (GetMenuItemCount(handle_.Get()) > 0) RemoveMenu(handle_.Get(), 0, MF_BYPOSITION);
    UINT position = 0;
    for (TMenuItem* child : menu_ != nullptr ? menu_->TopItems() : items_) {
        if (!child->visible_) continue;
        std::wstring text = WidenText(child->MenuText());
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
        info.fType = child->IsLine() ? MFT_SEPARATOR : MFT_STRING;
        if (child->OwnerDrawn()) info.fType |= MFT_OWNERDRAW;
        info.fState = (child->enabled_ ? MFS_ENABLED : MFS_GRAYED) | (child->checked_ ? MFS_CHECKED : MFS_UNCHECKED) |
                      (child->default_ ? MFS_DEFAULT : 0u);
        info.wID = child->command_;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(child);
        info.hSubMenu = child->items_.empty() ? nullptr : child->Handle();
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        InsertMenuItemW(handle_.Get(), position++, TRUE, &info);
    }
}

void TMenuItem::FreeHandle() {
    if (!handle_) return;
    // Detach the submenus first: they belong to the child items and must outlive this handle.
    while (GetMenuItemCount(handle_.Get()) > 0) RemoveMenu(handle_.Get(), 0, MF_BYPOSITION);
    handle_.Reset();
}

void TMenuItem::Changed() {
    if (parent_ != nullptr) parent_->RebuildHandle();
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

void TMenuItem::DoDrawItem(TCanvas* canvas, const RECT& rect, bool selected) {
    if (onDrawItem_) {
        onDrawItem_(this, canvas, rect, selected);
        return;
    }
    // A menu drawn by its owner without a handler for this item: plain text.
    canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
    canvas->FillRect(rect);
    canvas->Font()->SetColor(selected ? clHighlightText : clMenuText);
    RECT text = rect;
    text.left += 4;
    text.right -= 4;
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER);
    if (const std::string keys = ShortCutToText(shortCut_); !keys.empty() && !IsLine()) {
        canvas->DrawText(keys, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

void TMenuItem::DoMeasureItem(TCanvas* canvas, int& width, int& height) {
    if (onMeasureItem_) {
        onMeasureItem_(this, canvas, width, height);
        return;
    }
    const SIZE size = canvas->TextExtent(caption_.empty() ? std::string(" ") : caption_);
    width = size.cx + 8;
    if (const std::string keys = ShortCutToText(shortCut_); !keys.empty() && !IsLine()) {
        width += canvas->TextExtent(keys).cx + 16;  // a gap between the caption and the keys
    }
    height = IsLine() ? 8 : size.cy + 4;
}

TPropList TMenuItem::Published() {
    return {
        propdef::String<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
        propdef::Boolean<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
        propdef::Boolean<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
        propdef::Boolean<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
        propdef::Boolean<TMenuItem>("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
        propdef::Integer<TMenuItem>("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
        propdef::Integer<TMenuItem>("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
        propdef::Integer<TMenuItem>("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex),
    };
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->menu_ = this; }

// A menu deleted without Free frees its items here, while it is still a menu: from the
// component's own destructor, the items leaving it would call into a menu that is gone.
TMenu::~TMenu() {
    if (!Destroying()) TMenu::BeforeDestruction();
}

void TMenu::BeforeDestruction() {
    if (Destroying()) return;
    TComponent::BeforeDestruction();  // frees the root item and with it every item
    items_ = nullptr;
}

void TMenu::SetOwnerDraw(bool value) {
    if (value == ownerDraw_) return;
    ownerDraw_ = value;
    std::function<void(TMenuItem*)> rebuild = [&](TMenuItem* item) {
        item->RebuildHandle();
        for (TMenuItem* child : item->items_) rebuild(child);
    };
    rebuild(items_);
    MenuChanged();
}

void TMenu::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    images_ = images;
    MenuChanged();
}

TMenuItem* TMenu::FindItem(UINT command) const {
    TMenuItem* item = TMenuItem::FindByCommand(command);
    return item != nullptr && item->GetParentMenu() == this ? item : nullptr;
}

TMenuItem* TMenu::FindItemByHandle(HMENU menu) const {
    std::function<TMenuItem*(TMenuItem*)> find = [&](TMenuItem* item) -> TMenuItem* {
        if (item->handle_.Get() == menu) return item;
        for (TMenuItem* child : item->items_) {
            if (TMenuItem* found = find(child)) return found;
        }
        return nullptr;
    };
    return menu != nullptr && items_ != nullptr ? find(items_) : nullptr;
}

TPropList TMenu::Published() {
    return {
        propdef::Boolean<TMenu>("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
    };
}

void TMainMenu::MenuChanged() {
    if (Screen == nullptr) return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        if (Screen->Forms(i)->Menu() == this) Screen->Forms(i)->MenuChanged();
    }
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    HWND owner = nullptr;
    if (TCustomForm* form = Screen->ActiveForm()) owner = form->Handle();
    if (owner == nullptr && Application->MainForm() != nullptr) owner = Application->MainForm()->Handle();
    if (owner == nullptr) owner = Application->Handle();
    const auto command = static_cast<UINT>(
        TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
    if (command != 0) {
        if (TMenuItem* item = FindItem(command)) item->Click();
    }
}
