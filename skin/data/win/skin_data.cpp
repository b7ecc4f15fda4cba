#include "skin/data/win/skin_data.h"

#include "framework/win/img_list.h"
#include "skin/data/skin_form_filter.h"
#include "skin/manager/win/skin_manager.h"
#include "skin/manager/win/window_facts.h"

namespace skin::win {
namespace {

constexpr int kMenuGlyphSize = 16;
constexpr TColor kMenuGlyphMask = 0xFFFFFF;

}  // namespace

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) { LoadMenuGlyphs(); }

TSkinData::~TSkinData() {
    // Form skins paint with this component's objects until they are detached, and a pending
    // request names it: both must end before anything it owns is freed.
    if (SkinManager != nullptr) SkinManager->ReleaseSkinData(this);
    menuGlyphs_.reset();
}

void TSkinData::LoadMenuGlyphs() {
    // The glyphs are linked in with the engine: the program's own module, or the engine's DLL.
    HMODULE module = ThisModule();
    if (FindResourceW(module, L"TINCTURMENU", MAKEINTRESOURCEW(2) /* RT_BITMAP */) == nullptr) return;
    base::win::UniqueHBitmap glyphs(
        static_cast<HBITMAP>(LoadImageW(module, L"TINCTURMENU", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!glyphs) return;
    auto list = std::make_unique<TCustomImageList>(nullptr, kMenuGlyphSize, kMenuGlyphSize);
    if (list->AddMasked(glyphs.Get(), kMenuGlyphMask) < 0) return;
    menuGlyphs_ = std::move(list);
}

bool TSkinData::Active() const { return settings_.Active; }
int TSkinData::DisableTag() const { return settings_.DisableTag; }
void TSkinData::SetDisableTag(int value) { settings_.DisableTag = value; }
TSkinControls TSkinData::SkinControls() const { return settings_.SkinControls; }
void TSkinData::SetSkinControls(TSkinControls value) { settings_.SkinControls = value; }
TSkinOptions TSkinData::Options() const { return settings_.Options; }
void TSkinData::SetOptions(TSkinOptions value) { settings_.Options = value; }
const std::vector<std::string>& TSkinData::Skin3rd() const { return settings_.Skin3rd; }
void TSkinData::SetSkin3rd(const std::vector<std::string>& lines) { settings_.Skin3rd = lines; }
const std::string& TSkinData::SkinFile() const { return settings_.SkinFile; }
std::string TSkinData::SkinStore() const { return std::string(SkinStoreText(false, !package_.empty())); }
TSkinFormType TSkinData::SkinFormtype() const { return settings_.SkinFormtype; }
void TSkinData::SetSkinFormtype(TSkinFormType value) { settings_.SkinFormtype = value; }
std::string TSkinData::Version() const { return std::string(kSkinDataVersion); }
bool TSkinData::MenuUpdate() const { return settings_.MenuUpdate; }
void TSkinData::SetMenuUpdate(bool value) { settings_.MenuUpdate = value; }
bool TSkinData::MenuMerge() const { return settings_.MenuMerge; }
void TSkinData::SetMenuMerge(bool value) { settings_.MenuMerge = value; }

void TSkinData::SetSkinControlsBits(std::int64_t bits) {
    SetSkinControls(TSkinControls::FromBits(static_cast<TSkinControls::Bits>(bits)));
}

void TSkinData::SetOptionsBits(std::int64_t bits) {
    SetOptions(TSkinOptions::FromBits(static_cast<TSkinOptions::Bits>(bits)));
}

std::string TSkinData::Skin3rdText() const {
    std::string text;
    for (const std::string& line : settings_.Skin3rd) text += line + "\r\n";
    return text;
}

void TSkinData::SetSkin3rdText(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    settings_.Skin3rd = std::move(lines);
}

HBRUSH TSkinData::FaceBrush() const {
    if (!faceBrush_) faceBrush_.Reset(CreateSolidBrush(ColorToRGB(objects_.ButtonFaceColor)));
    return faceBrush_.Get();
}

void TSkinData::DoFormSkin(const std::string& aName, bool& DoSkin) {
    skin::TOnFormSkin handler;
    if (OnFormSkin) {
        handler = [this](std::string_view className, bool& doSkin) {
            OnFormSkin(this, std::string(className), doSkin);
        };
    }
    DoSkin = FilterFormSkin(aName, DoSkin, settings_.SkinControls, handler);
}

void TSkinData::DoSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

TPropList TSkinData::Published() {
    using C = TSkinData;
    return {
        propdef::Boolean<C>("Active", &C::Active, &C::SetActive),
        propdef::Integer<C>("DisableTag", &C::DisableTag, &C::SetDisableTag),
        propdef::Integer<C>("SkinControls", &C::SkinControlsBits, &C::SetSkinControlsBits),
        propdef::Integer<C>("Options", &C::OptionsBits, &C::SetOptionsBits),
        propdef::String<C>("Skin3rd", &C::Skin3rdText, &C::SetSkin3rdText),
        propdef::String<C>("SkinFile", &C::SkinFile, &C::SetSkinFile),
        propdef::String<C>("SkinStore", &C::SkinStore, &C::SetSkinStore),
        propdef::Enumeration<C, TSkinFormType>("SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"},
                                               &C::SkinFormtype, &C::SetSkinFormtype),
        propdef::String<C>("Version", &C::Version, &C::SetVersion),
        propdef::Boolean<C>("MenuUpdate", &C::MenuUpdate, &C::SetMenuUpdate),
        propdef::Boolean<C>("MenuMerge", &C::MenuMerge, &C::SetMenuMerge),
    };
}

}  // namespace skin::win
