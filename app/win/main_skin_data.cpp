#include "app/win/main_skin_data.h"

#include <string>

#include "framework/win/forms.h"
#include "framework/win/text.h"

namespace {

std::string SkinFileFromEnvironment() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(kSkinFileVariable, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return NarrowText(std::wstring_view(buffer, length));
}

}  // namespace

skin::win::TSkinData* CreateMainSkinData(TForm* form) {
    auto* data = new skin::win::TSkinData(form);  // loading while its form is being built
    data->SetName("SkinData1");
    const bool ownerLoads = form->Loading();
    data->SetLoading(true);
    data->SetActive(true);
    data->SetDisableTag(99);
    data->SetSkinControls(skin::kDefaultSkinControls);
    data->SetOptions(skin::TSkinOptions{skin::TSkinOption::xoPreview});
    data->SetSkinFormtype(skin::TSkinFormType::sfMainform);
    data->SetMenuUpdate(true);
    data->SetMenuMerge(false);
    data->ReadSkinStreamFromResource(GetModuleHandleW(nullptr), kStoredSkinResource);
    // A skin file named at start-up acts as if it were stored after the package: it replaces it.
    const std::string skinFile = SkinFileFromEnvironment();
    if (!skinFile.empty()) data->SetSkinFile(skinFile);
    // The framework calls Loaded once the form is built; a form made without loading (a test's
    // plain `new`) gets it here.
    if (!ownerLoads) data->Loaded();
    return data;
}
