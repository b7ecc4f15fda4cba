// The form skin's menu bar following the form's main menu: a form given another main menu (or
// none) gets its bar built again from that one, and a bar whose menu is freed lets go of it at
// once, so no click on the bar can reach the freed items.

#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "framework/win/types.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/form/win/skin_menu_items.h"

namespace skin::win {

bool TSkinForm::FollowsOtherMenu() const {
    if (ownerForm_ == nullptr) return false;
    return ownerForm_->Menu() != barMenu_ || (skinMenu_ && skinMenu_->MenuHandle() == nullptr);
}

void TSkinForm::FollowFormMenu() {
    if (ownerForm_ == nullptr || !frameSkinning_ || mdiRole_ == skin::form::MdiRole::Child) return;
    TMainMenu* menu = ownerForm_->Menu();
    if (barMenu_ != nullptr && barMenu_ != menu) {
        barMenu_->RemoveFreeNotification(this);
        InstallMainMenuDrawing(*this, barMenu_, false);
    }
    if (menu != nullptr && menu != barMenu_) {
        menu->FreeNotification(this);
        if (skinData_ != nullptr && skinData_->SkinControls().Contains(TSkinControlType::xcMenuItem))
            InstallMainMenuDrawing(*this, menu, true);
    }
    barMenu_ = menu;
    HMENU handle = GetMenu(Handle);
    if (handle == nullptr && menu != nullptr && menu->Items()->Count() > 0) handle = menu->Handle();
    const bool hadBar = skinMenu_ != nullptr;
    if (handle != nullptr) {
        if (!skinMenu_)
            skinMenu_ = std::make_unique<TSkinMenu>(*this, menu);
        else
            skinMenu_->ReplaceFrameworkMenu(menu);
        skinMenu_->TakeMenu(handle);
    } else if (!menuTracking_ && !barKeyboard_) {
        skinMenu_.reset();
    } else if (skinMenu_) {
        skinMenu_->ReplaceFrameworkMenu(nullptr);  // the bar itself goes once its loop has ended
        PostMessageW(Handle, CM_MENUCHANGED, 0, 0);
    }
    savedMenu_ = skinMenu_ ? skinMenu_->MenuHandle() : nullptr;
    if (phase_ != 1 && phase_ != 3) return;
    if (hadBar != (skinMenu_ != nullptr)) {
        // The frame grows or loses the bar's height; the window keeps its outer size, as it does
        // when the system's own bar comes or goes.
        MeasureFrame();
        FrameChanged();
    } else {
        PaintFrame(nullptr);
    }
}

void TSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove || component == nullptr || component != barMenu_) return;
    // The menu is being freed: nothing of it may be read through the bar from now on. The bar
    // is laid out again once the form has settled.
    barMenu_ = nullptr;
    if (skinMenu_) skinMenu_->ReplaceFrameworkMenu(nullptr);
    if (Handle != nullptr && IsWindow(Handle)) PostMessageW(Handle, CM_MENUCHANGED, 0, 0);
}

}  // namespace skin::win
