// Stand-in form skin so that the skin data component and the manager link and run before the
// real form skin is merged: it records what it was given and paints nothing.
#include <algorithm>
#include <map>
#include <vector>

#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {
namespace {

std::vector<const TSkinForm*>& LiveSkins() {
    static auto* skins = new std::vector<const TSkinForm*>;
    return *skins;
}

std::map<const TSkinForm*, TSkinData*>& AttachedData() {
    static auto* data = new std::map<const TSkinForm*, TSkinData*>;
    return *data;
}

}  // namespace

TSkinForm::TSkinForm(TComponent* owner) : TComponent(owner) { LiveSkins().push_back(this); }

TSkinForm::~TSkinForm() {
    auto& live = LiveSkins();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    AttachedData().erase(this);
    if (SkinManager != nullptr) SkinManager->RemoveFormSkin(Handle);
}

bool TSkinForm::IsLive(const TSkinForm* skin) {
    const auto& live = LiveSkins();
    return skin != nullptr && std::find(live.begin(), live.end(), skin) != live.end();
}

void TSkinForm::AttachForm(TSkinData* skinData, TCustomForm*) { Attach(skinData); }
void TSkinForm::Attach(TSkinData* skinData) {
    AttachedData()[this] = skinData;
    SetTag(1);
}
void TSkinForm::Detach() { SetTag(0); }
void TSkinForm::FreeCaptionButtons() {}
void TSkinForm::MeasureFrame() {}
void TSkinForm::ReapplySkin() {}
void TSkinForm::SetCaptionStyles(bool) {}
void TSkinForm::UpdateRegion() {}
void TSkinForm::RemoveRegion() {}
void TSkinForm::FrameChanged() {}
TSkinData* TSkinForm::SkinData() const {
    auto it = AttachedData().find(this);
    return it != AttachedData().end() ? it->second : nullptr;
}
int TSkinForm::Phase() const { return IsWindow(Handle) ? Tag() : 6; }
int TSkinForm::MdiRole() const { return 0; }
int TSkinForm::WindowState() const { return 0; }
bool TSkinForm::HasRegion() const { return false; }

}  // namespace skin::win
