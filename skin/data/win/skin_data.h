#pragma once
// TSkinData: the one component an application places on its main form to have every window
// skinned. It holds the skin package (the stored SkinStream or a SkinFile), loads it into the
// skin objects, carries the settings that decide what is skinned, and switches skinning on and
// off through the process's skin manager.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/win/bitmap.h"
#include "skin/data/skin_data_settings.h"
#include "skin/data/skin_objects_set.h"

class TCustomImageList;

namespace skin::win {

class TSkinData;

// Asked before a window is skinned: aName is its class name; the handler alone decides.
using TOnFormSkin = std::function<void(TObject* Sender, const std::string& aName, bool& DoSkin)>;
// Asked before a control is skinned (control attachment).
using TOnSkinControl =
    std::function<void(TComponent* Sender, TSkinData* SkinData, TComponent* Form, TComponent* Control,
                       const std::string& ControlClass, TComponent*& SkinnedControl)>;

class TSkinData : public TComponent {
    T_CLASS_PUBLISHED(TSkinData, TComponent)
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Published settings.
    bool Active() const;
    void SetActive(bool value);
    int DisableTag() const;
    void SetDisableTag(int value);
    TSkinControls SkinControls() const;
    void SetSkinControls(TSkinControls value);
    TSkinOptions Options() const;
    void SetOptions(TSkinOptions value);
    const std::vector<std::string>& Skin3rd() const;
    void SetSkin3rd(const std::vector<std::string>& lines);
    const std::string& SkinFile() const;
    void SetSkinFile(const std::string& path);
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}  // display only
    TSkinFormType SkinFormtype() const;
    void SetSkinFormtype(TSkinFormType value);
    std::string Version() const;
    void SetVersion(const std::string&) {}  // fixed
    bool MenuUpdate() const;
    void SetMenuUpdate(bool value);
    bool MenuMerge() const;
    void SetMenuMerge(bool value);

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;

    // The stored SkinStream property: a 4-byte little-endian length and the package. Reading
    // loads the skin at once (outside the form-reading state only activation waits for Loaded).
    // Throws SkinStreamError on a malformed stream; the held package is then unchanged.
    void ReadSkinStream(std::span<const std::uint8_t> stored);
    std::vector<std::uint8_t> WriteSkinStream() const;
    // Reads SkinStream from the RCDATA resource `name` of `module`, as reading a form does.
    // Returns false, holding no skin, when the module has no such resource.
    bool ReadSkinStreamFromResource(HMODULE module, const wchar_t* name);

    // Holds `package` (the bytes of a .skn file) and loads it, as a new SkinFile does; the
    // windows painting with this component follow at once. False, the held skin unchanged, when
    // the bytes are not a package or its skin cannot be loaded (CanLoadPackage says so first).
    bool LoadSkinPackage(std::vector<std::uint8_t> package);
    static bool CanLoadPackage(std::span<const std::uint8_t> package);

    // The framework calls Loaded once the stored properties are read.
    void Loaded() override;
    bool LoadSkin();
    void ApplySkin();
    void DoFormSkin(const std::string& aName, bool& DoSkin);
    void DoSkinChanged();

    // Unpublished state read by the form and control skins.
    bool SkinEmpty() const { return skinEmpty_; }
    bool PaintNonClient() const { return paintNonClient_; }
    void SetPaintNonClient(bool value) { paintNonClient_ = value; }
    const TSkinObjects& Objects() const { return objects_; }
    // The window icon picture the form skins share: the first skinned window with an icon fills
    // it, and a window without an icon of its own shows it.
    const skin::Bitmap& IconBitmap() const { return iconBitmap_; }
    void SetIconBitmap(const skin::Bitmap& picture) { iconBitmap_ = picture; }
    // 16x16 menu glyphs: restore, maximise, minimise, close (null when the resource is missing).
    TCustomImageList* MenuGlyphs() const { return menuGlyphs_.get(); }
    // The brush of the skin's button-face colour.
    HBRUSH FaceBrush() const;
    const std::vector<std::uint8_t>& PackageStream() const { return package_; }

    static TPropList Published();

private:
    // The set and list properties as their stored forms.
    std::int64_t SkinControlsBits() const { return SkinControls().ToBits(); }
    void SetSkinControlsBits(std::int64_t bits);
    std::int64_t OptionsBits() const { return Options().ToBits(); }
    void SetOptionsBits(std::int64_t bits);
    std::string Skin3rdText() const;
    void SetSkin3rdText(const std::string& text);

    void LoadMenuGlyphs();
    // Tells the skin manager that the skin objects were replaced.
    void NotifySkinReloaded();
    void RequestSkinChanged(bool reapply);

    TSkinDataSettings settings_;
    TSkinObjects objects_;
    std::vector<std::uint8_t> package_;
    bool skinEmpty_ = true;
    bool paintNonClient_ = true;
    skin::Bitmap iconBitmap_;
    std::unique_ptr<TCustomImageList> menuGlyphs_;
    mutable base::win::UniqueHBrush faceBrush_;
};

}  // namespace skin::win
