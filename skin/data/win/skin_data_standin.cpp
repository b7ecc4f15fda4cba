// Stand-in for the parts of the skin data component and the skin manager that the form skin
// calls, so that the form skin can be built and tested on its own. The real components replace
// this file.

#include <windows.h>

#include <cstring>

#include "framework/win/types.h"
#include "skin/data/skin_loader.h"
#include "skin/data/win/skin_data.h"
#include "skin/manager/win/skin_manager.h"

// The menu glyph list is not part of the stand-in.
class TCustomImageList {};

namespace skin::win {

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {}
TSkinData::~TSkinData() = default;

TPropList TSkinData::Published() { return {}; }
void TSkinData::Loaded() { TComponent::Loaded(); }

TSkinControls TSkinData::SkinControls() const { return settings_.SkinControls; }
void TSkinData::SetSkinControls(TSkinControls value) { settings_.SkinControls = value; }
bool TSkinData::MenuUpdate() const { return settings_.MenuUpdate; }
void TSkinData::SetMenuUpdate(bool value) { settings_.MenuUpdate = value; }
bool TSkinData::MenuMerge() const { return settings_.MenuMerge; }
void TSkinData::SetMenuMerge(bool value) { settings_.MenuMerge = value; }

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> stored) {
    if (stored.size() < 4) return;
    std::uint32_t length = 0;
    std::memcpy(&length, stored.data(), 4);
    if (length > stored.size() - 4) return;
    if (!LoadSkinPackage(objects_, stored.subspan(4, length), GetSystemMetrics(SM_CXHSCROLL)).Ok()) return;
    package_.assign(stored.begin() + 4, stored.begin() + 4 + length);
    skinEmpty_ = false;
    faceBrush_.Reset();
}

HBRUSH TSkinData::FaceBrush() const {
    if (!faceBrush_) faceBrush_.Reset(CreateSolidBrush(ColorToRGB(objects_.ButtonFaceColor)));
    return faceBrush_.Get();
}

TSkinManage* SkinManager = nullptr;

void TSkinManage::RemoveFormSkin(HWND) {}
void TSkinManage::SetMDIChildMaximized(bool flag) { MDIChildMaximized = flag; }

}  // namespace skin::win
