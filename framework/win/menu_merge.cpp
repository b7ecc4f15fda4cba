// Merging an MDI child's main menu into its frame's by GroupIndex.

#include "framework/menu_merge.h"
#include "framework/win/menus.h"

void TMenuItem::SetGroupIndex(int value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    // The frame a merged menu is shown in orders its bar by the groups.
    Changed();
}

std::vector<TMenuItem*> TMenu::TopItems() const {
    std::vector<TMenuItem*> items;
    if (items_ == nullptr) return items;
    for (int i = 0; i < items_->Count(); ++i) items.push_back(items_->Items(i));
    return items;
}

std::vector<TMenuItem*> TMainMenu::TopItems() const {
    std::vector<TMenuItem*> own = TMenu::TopItems();
    if (merged_ == nullptr) return own;
    const std::vector<TMenuItem*> child = merged_->TMenu::TopItems();
    std::vector<int> ownGroups;
    std::vector<int> childGroups;
    for (const TMenuItem* item : own) ownGroups.push_back(item->GroupIndex());
    for (const TMenuItem* item : child) childGroups.push_back(item->GroupIndex());
    std::vector<TMenuItem*> items;
    for (const TMergedEntry& entry : MergeMenuGroups(ownGroups, childGroups))
        items.push_back(entry.FromChild ? child[static_cast<std::size_t>(entry.Index)]
                                        : own[static_cast<std::size_t>(entry.Index)]);
    return items;
}

void TMainMenu::Merge(TMainMenu* menu) {
    if (menu == this) menu = nullptr;
    if (menu == nullptr && merged_ == nullptr) return;
    // The same menu again: its items may have changed, the bar is made again.
    if (menu != merged_) {
        if (merged_ != nullptr) merged_->RemoveFreeNotification(this);
        merged_ = menu;
        if (merged_ != nullptr) merged_->FreeNotification(this);
    }
    Items()->RebuildHandle();
    MenuChanged();
}

void TMainMenu::Unmerge(TMainMenu* menu) {
    if (menu != nullptr && menu == merged_) Merge(nullptr);
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    // A merged menu going away takes its sub-menus with it: they must leave our bar first.
    if (operation == opRemove && component == merged_ && component != nullptr) {
        merged_ = nullptr;
        if (Items() != nullptr) Items()->RebuildHandle();
        MenuChanged();
    }
}
