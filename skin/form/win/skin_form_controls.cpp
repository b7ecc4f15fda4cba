// The form skin's list of control skins: attaching them (the walk lives with the control skins),
// purging those whose window went, and giving every control back.

#include <algorithm>

#include "framework/win/forms.h"
#include "skin/controls/win/control_attachment.h"
#include "skin/controls/win/skin_control.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

void TSkinForm::AddControlSkin(TSkinControl* skin) {
    if (skin == nullptr) return;
    if (std::find(controlSkins_.begin(), controlSkins_.end(), skin) == controlSkins_.end())
        controlSkins_.push_back(skin);
}

void TSkinForm::RemoveControlSkin(TSkinControl* skin) {
    // Skins mostly go in reverse order of their coming: search from the end.
    const auto it = std::find(controlSkins_.rbegin(), controlSkins_.rend(), skin);
    if (it != controlSkins_.rend()) controlSkins_.erase(std::next(it).base());
    if (HoverButton == skin) HoverButton = nullptr;
}

void TSkinForm::PurgeControlSkins() {
    // Freeing a skin may free others it owns (a list view's header skin, a combo's list skin):
    // one at a time, each looked up afresh in the list, from the end.
    for (;;) {
        const auto it = std::find_if(controlSkins_.rbegin(), controlSkins_.rend(), [](const TSkinControl* skin) {
            return skin->LifeState() == TSkinControl::kWindowGone;
        });
        if (it == controlSkins_.rend()) return;
        TSkinControl* skin = *it;
        controlSkins_.erase(std::next(it).base());
        delete skin;
    }
}

void TSkinForm::FreeControlSkins() {
    HoverButton = nullptr;
    // Freeing a skin may free others (a list view's header skin goes with it): take them one
    // at a time from the end of the list, as long as any are left.
    while (!controlSkins_.empty()) {
        TSkinControl* skin = controlSkins_.back();
        controlSkins_.pop_back();
        if (skin->LifeState() != TSkinControl::kWindowGone && skin->Handle() != nullptr && IsWindow(skin->Handle()))
            skin->RestoreColors();
        skin->Detach();
        delete skin;
    }
}

void TSkinForm::SkinControls() {
    if (skinData_ == nullptr || Handle == nullptr || !IsWindow(Handle)) return;
    if (ownerForm_ != nullptr)
        SkinChildControls(*this, ownerForm_);
    else
        SkinChildWindows(*this, Handle);
}

}  // namespace skin::win
