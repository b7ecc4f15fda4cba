#include "gallery/win/gallery_skin_data.h"

#include <string>

#include "framework/win/forms.h"
#include "framework/win/text.h"
#include "skin/controls/win/skin_obj_image.h"

std::string GalleryEnvironmentPath(const wchar_t* variable) {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(variable, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return NarrowText(std::wstring_view(buffer, length));
}

namespace {

std::string SkinFileFromEnvironment() { return GalleryEnvironmentPath(kGallerySkinVariable); }

// Settings shared by both components; the stored skin is read last, as reading a form would.
skin::win::TSkinData* CreateSkinData(TForm* form, const char* name, skin::TSkinFormType kind, const wchar_t* resource) {
    auto* data = new skin::win::TSkinData(form);
    data->SetName(name);
    data->SetLoading(true);
    data->SetActive(true);
    data->SetDisableTag(99);
    data->SetSkinControls(skin::kDefaultSkinControls);
    data->SetOptions(skin::TSkinOptions{});
    data->SetSkinFormtype(kind);
    data->SetMenuUpdate(true);
    data->SetMenuMerge(false);
    data->ReadSkinStreamFromResource(GetModuleHandleW(nullptr), resource);
    return data;
}

// The framework calls Loaded once a form built by CreateForm is complete; a form made with a
// plain `new` is not loading, so its component finishes here.
void FinishUnlessOwnerLoads(TForm* form, skin::win::TSkinData* data) {
    if (!form->Loading()) data->Loaded();
}

}  // namespace

skin::win::TSkinData* CreateGallerySkinData(TForm* form) {
    auto* data = CreateSkinData(form, "GallerySkinData", skin::TSkinFormType::sfMainform, L"GALLERYSKIN");
    const std::string skinFile = SkinFileFromEnvironment();
    if (!skinFile.empty()) data->SetSkinFile(skinFile);
    // The gallery's own check box with custom glyphs is skinned by handing it the skin's glyphs:
    // no table knows the class, so the application supplies the skin.
    data->OnSkinControl = [](TComponent*, skin::win::TSkinData*, TComponent*, TComponent* control,
                             const std::string& className, TComponent*& skinned) {
        if (className == "TGLYPHCHECKBOX")
            skinned = new skin::win::TSkinObjImage(control, skin::win::TSkinObjImage::kCheckGlyphs);
    };
    FinishUnlessOwnerLoads(form, data);
    return data;
}

skin::win::TSkinData* CreateOwnFormSkinData(TForm* form) {
    // With a skin file in place of the main skin, the stored graphite is the one that differs
    // from meadow, the skin most files will be.
    const wchar_t* resource = SkinFileFromEnvironment().empty() ? L"OWNFORMSKIN" : L"GALLERYSKIN";
    auto* data = CreateSkinData(form, "OwnFormSkinData", skin::TSkinFormType::sfOnlyThisForm, resource);
    FinishUnlessOwnerLoads(form, data);
    return data;
}
