// The form skin's part in drawing menu items: its handlers on the window's framework menus, and
// WM_MEASUREITEM / WM_DRAWITEM of the menus shown for its window.

#include "framework/win/application.h"
#include "framework/win/canvas.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/form/win/skin_menu_items.h"

namespace skin::win {

void TSkinForm::InstallMenuDrawing(bool on) {
    const bool systemMenu = skinData_ != nullptr && skinData_->SkinControls().Contains(TSkinControlType::xcSystemMenu);
    if (sysPopupMenu_ != nullptr) InstallPopupMenuDrawing(*this, sysPopupMenu_, on && systemMenu);
    if (ownerForm_ == nullptr) return;
    InstallPopupDrawing(*this, ownerForm_, on);
    const bool mainMenuItems = skinData_ != nullptr && skinData_->SkinControls().Contains(TSkinControlType::xcMenuItem);
    if (on && !mainMenuItems) return;
    InstallMainMenuDrawing(*this, ownerForm_->Menu(), on);
}

void TSkinForm::MarkPopupMenu(HMENU menu) {
    if (menu == nullptr || menu == systemMenu_ || skinData_ == nullptr ||
        !skinData_->SkinControls().Contains(TSkinControlType::xcPopupMenu))
        return;
    // Framework menus carry their items in the item data and are drawn through their events.
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    if (GetMenuItemCount(menu) <= 0 || !GetMenuItemInfoW(menu, 0, TRUE, &info)) return;
    if (TMenuItem::IsLive(reinterpret_cast<TMenuItem*>(info.dwItemData))) return;
    MarkOwnerDraw(menu, markedPopups_);
}

void TSkinForm::UnmarkPopupMenus() { UnmarkOwnerDraw(markedPopups_); }

bool TSkinForm::MarkedBySkin(HMENU menu) const {
    for (const auto& [marked, position] : markedPopups_)
        if (marked == menu) return true;
    return skinMenu_ && skinMenu_->Marked(menu);
}

HMENU TSkinForm::MarkedMenuOf(UINT id) const {
    if (skinMenu_)
        if (const HMENU menu = skinMenu_->MarkedMenuOf(id)) return menu;
    for (const auto& [menu, position] : markedPopups_)
        if (IsMenu(menu) && GetMenuItemID(menu, static_cast<int>(position)) == id) return menu;
    return nullptr;
}

bool TSkinForm::OnMenuItemMessage(UINT msg, LPARAM lParam, LRESULT& result) {
    if (skinData_ == nullptr || lParam == 0) return false;
    if (msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU) return false;
        auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
        if (item != nullptr && TMenuItem::IsLive(item)) {
            TCanvas canvas;
            base::win::WindowDc screen(nullptr);
            canvas.SetHandle(screen.Get());
            if (Screen != nullptr) canvas.Font()->Assign(Screen->MenuFont());
            int width = static_cast<int>(measure->itemWidth);
            int height = static_cast<int>(measure->itemHeight);
            if (item->OnMeasureItem())
                item->DoMeasureItem(&canvas, width, height);
            else
                MeasureFrameworkItem(skinData_, *item, &canvas, width, height, true);
            canvas.SetHandle(nullptr);
            measure->itemWidth = static_cast<UINT>(std::max(width, 0));
            measure->itemHeight = static_cast<UINT>(std::max(height, 0));
            result = TRUE;
            return true;
        }
        const HMENU menu = MarkedMenuOf(measure->itemID);
        if (menu == nullptr) return false;
        const SIZE size = MeasureWindowsMenuItem(skinData_, WindowsItemView(menu, measure->itemID),
                                                 static_cast<int>(measure->itemHeight));
        measure->itemWidth = static_cast<UINT>(size.cx);
        measure->itemHeight = static_cast<UINT>(size.cy);
        result = TRUE;
        return true;
    }
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_MENU) return false;
    const auto menu = reinterpret_cast<HMENU>(draw->hwndItem);
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
    if (item != nullptr && TMenuItem::IsLive(item)) {
        if (item->OnDrawItem()) {
            TCanvas canvas;
            const base::win::ScopedSaveDc save(draw->hDC);
            canvas.SetHandle(draw->hDC);
            if (Screen != nullptr) canvas.Font()->Assign(Screen->MenuFont());
            item->DoDrawItem(&canvas, draw->rcItem, selected);
            canvas.SetHandle(nullptr);
        } else {
            MenuItemView view = FrameworkItemView(*item);
            view.RightToLeft = rightToLeft_;
            DrawMenuItem(skinData_, menu, view, draw->hDC, draw->rcItem, selected);
        }
        result = TRUE;
        return true;
    }
    // A Windows item the skin marked (items the program draws itself stay the program's):
    // found by command, or by position for items without one (separators).
    if (!MarkedBySkin(menu)) return false;
    MenuItemView view = WindowsItemView(menu, draw->itemID);
    if (draw->itemID == 0) {
        const int count = GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i) {
            RECT r{};
            if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r)) continue;
            POINT corner{r.left, r.top};
            ScreenToClient(WindowFromDC(draw->hDC), &corner);
            if (corner.y == draw->rcItem.top) {
                view = WindowsItemView(menu, static_cast<UINT>(i), true);
                break;
            }
        }
    }
    DrawMenuItem(skinData_, menu, view, draw->hDC, draw->rcItem, selected);
    result = TRUE;
    return true;
}

}  // namespace skin::win
