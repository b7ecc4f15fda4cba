// Switching skinning on and off: what the component asks of the skin manager once its stored
// properties are read, when Active changes, and when a new skin was loaded.
#include "framework/win/forms.h"
#include "skin/data/win/skin_data.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {
namespace {

constexpr int kActivate = 1;
constexpr int kDeactivate = 2;
constexpr int kSkinChanged = 3;
constexpr unsigned kActionDelay = 250;

}  // namespace

void TSkinData::Loaded() {
    TComponent::Loaded();
    TSkinManage* manager = EnsureSkinManager();
    manager->AddSkinData(this);
    if (settings_.SkinFormtype != TSkinFormType::sfMainform) {
        // A dialog or single-form component skins its own form at once; the hook is the main one's.
        manager->Enabled = true;
        ++manager->State;
        if (auto* form = dynamic_cast<TCustomForm*>(Owner())) manager->AddFormSkin(form->Handle());
        return;
    }
    manager->InstallHook();
    if (settings_.Active) {
        if (skinEmpty_) {
            settings_.Active = false;  // nothing to show: the stored switch is dropped, not acted on
        } else {
            manager->Requester = this;
            manager->RequestAction(kActivate, kActionDelay);
        }
    }
    settings_.SkinControls = AdjustLoadedSkinControls(settings_.SkinControls);
}

void TSkinData::SetActive(bool value) {
    if (value == settings_.Active) return;
    settings_.Active = value;
    if (Loading() || SkinManager == nullptr) return;
    TSkinManage* manager = SkinManager;
    switch (settings_.SkinFormtype) {
        case TSkinFormType::sfMainform:
            if (value) {
                if (skinEmpty_) return;
                manager->Requester = this;
                manager->RequestAction(kActivate, kActionDelay);
                manager->State = 1;
            } else {
                manager->Requester = this;
                manager->RequestAction(kDeactivate, kActionDelay);
            }
            break;
        case TSkinFormType::sfOnlyThisForm:
            manager->Requester = this;
            if (value && skinEmpty_) return;
            manager->RequestAction(value ? kActivate : kDeactivate, kActionDelay);
            break;
        case TSkinFormType::sfDialog:
        case TSkinFormType::sfDLL: break;
    }
}

void TSkinData::NotifySkinReloaded() {
    // Windows hold on to pieces of the skin objects (caption buttons, cached pictures): whatever
    // the component's kind, they follow a reload at once, before anything can paint with them.
    if (SkinManager != nullptr) SkinManager->SkinReloaded(this);
}

void TSkinData::ApplySkin() { RequestSkinChanged(true); }

void TSkinData::RequestSkinChanged(bool reapply) {
    if (Loading()) return;
    if (SkinManager == nullptr) Loaded();
    TSkinManage* manager = SkinManager;
    manager->Requester = this;
    if (reapply) manager->WantReapply();
    manager->RefreshFormSkins();
    if (manager->State == 1) manager->RequestAction(kSkinChanged, kActionDelay);
}

}  // namespace skin::win
