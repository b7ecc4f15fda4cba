// Following a skin change while the window is open: nothing taken from the old skin objects is
// kept, and the window is fitted and painted with the new ones at once.

#include <algorithm>
#include <vector>

#include "framework/win/forms.h"
#include "skin/controls/win/skin_control.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"

namespace skin::win {

void TSkinForm::SkinReloaded() {
    // The caption buttons point into the old skin's button list, and the strips, the region and
    // the bar's picture were cut from its images.
    FreeCaptionButtons();
    captionBitmap_ = {};
    captionBackground_ = {};
    regionWidth_ = regionHeight_ = 0;
    if (skinMenu_) skinMenu_->ForgetBackground();
    ReapplySkin();
}

HWND TSkinForm::FocusedChild() const {
    const HWND focus = GetFocus();
    return focus != nullptr && IsChild(Handle, focus) ? focus : nullptr;
}

void TSkinForm::NudgeHeight() {
    // One pixel taller and back: the form lays out its controls again for the new frame. Not
    // drawn: the re-apply paints the whole window once when it is done.
    if (ownerForm_ == nullptr || Maximized() || Minimized()) return;
    RECT r{};
    GetWindowRect(Handle, &r);
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    SetWindowPos(Handle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + 1, kFlags);
    SetWindowPos(Handle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, kFlags);
}

void TSkinForm::LeaveHoverButton() {
    TSkinControl* hover = HoverButton;
    HoverButton = nullptr;
    const auto& skins = controlSkins_;
    if (hover != nullptr && std::find(skins.begin(), skins.end(), hover) != skins.end()) hover->SendMouseLeave();
}

void TSkinForm::ReapplySkin() {
    if (!subclassed_ || phase_ == 4 || phase_ == 6 || Handle == nullptr || !IsWindow(Handle)) return;
    if (ownerForm_ != nullptr && skinData_ != nullptr) {
        const TColor face = skinData_->Objects().ButtonFaceColor;
        ownerForm_->SetColor(face);
        for (int i = 0; i < ownerForm_->ComponentCount(); ++i) {
            if (auto* owned = dynamic_cast<TCustomForm*>(ownerForm_->Components(i))) owned->SetColor(face);
        }
    }
    if (phase_ == 0) {
        // Not applied yet (no controls skinned, frame not fitted): the first apply does the rest.
        if (frameSkinning_) MeasureFrame();
        return;
    }
    TWinControl* activeControl = ownerForm_ != nullptr ? ownerForm_->ActiveControl() : nullptr;
    const bool activeHadFocus = activeControl != nullptr && activeControl->Focused();
    const HWND focused = FocusedChild();
    // A control skin may take its control's window down and up again, which changes the list.
    const std::vector<TSkinControl*> skins = controlSkins_;
    for (TSkinControl* skin : skins) {
        if (std::find(controlSkins_.begin(), controlSkins_.end(), skin) != controlSkins_.end()) skin->SkinChange();
    }
    phase_ = 3;
    if (frameSkinning_) {
        InstallMenuDrawing(true);
        MeasureFrame();
        // Unseen: the whole window is painted once below.
        FitFrame(true, false);
        NudgeHeight();
        UpdateRegion(false);
    }
    if (activeHadFocus && activeControl->CanFocus()) {
        activeControl->SetFocus();
    } else if (focused != nullptr && IsWindow(focused) && GetFocus() != focused) {
        SetFocus(focused);
    }
    phase_ = 1;
    RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace skin::win
