#include "gallery/win/skin_menu.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>
#include <exception>

#include "framework/win/dialogs.h"
#include "framework/win/menus.h"
#include "framework/win/text.h"
#include "gallery/win/skin_folder_watcher.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_stream.h"
#include "skin/data/win/rcdata_resource.h"

namespace {

TMenuItem* AddCommand(TComponent* owner, TMenuItem* parent, const char* caption, TNotifyEvent onClick = {}) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

// Why `path` is no skin package, or empty when it is one the engine loads.
std::string SkinFileProblem(const std::string& path) {
    try {
        const auto file = skin::LoadSkinFile(std::filesystem::path(path));
        if (!file) return "there is no such file";
        skin::TSkinObjects scratch;
        const skin::TSkinLoadResult result = skin::LoadSkinPackage(scratch, *file, GetSystemMetrics(SM_CXHSCROLL));
        return result.Ok() ? std::string() : result.Reason;
    } catch (const std::exception& error) {
        return error.what();
    }
}

// Whether the skin `data` holds is the one stored in the program as `resource`.
bool HoldsStoredSkin(const skin::win::TSkinData& data, const wchar_t* resource) {
    const std::span<const std::uint8_t> stored = skin::win::RcDataResource(GetModuleHandleW(nullptr), resource);
    if (stored.empty() || data.SkinEmpty()) return false;
    const std::vector<std::uint8_t> held = data.WriteSkinStream();
    return std::equal(held.begin(), held.end(), stored.begin(), stored.end());
}

}  // namespace

TGallerySkinMenu::TGallerySkinMenu(TForm* form, skin::win::TSkinData* data)
    : TComponent(form), form_(form), data_(data) {
    SetName("SkinMenu");
    Menu = new TMainMenu(form);
    TMenuItem* skinItem = AddCommand(form, Menu->Items(), "&Skin");
    GraphiteItem = AddCommand(form, skinItem, "&Graphite", [this](TObject*) { UseStoredSkin(L"GALLERYSKIN"); });
    MeadowItem = AddCommand(form, skinItem, "&Meadow", [this](TObject*) { UseStoredSkin(L"OWNFORMSKIN"); });
    AddCommand(form, skinItem, "-");
    OpenFileItem = AddCommand(form, skinItem, "&Open skin file...", [this](TObject*) { OpenSkinFile(); });
    CheckStoredSkin();
    form->SetMenu(Menu);
}

void TGallerySkinMenu::CheckStoredSkin() {
    // A skin file that holds one of the stored skins (ours, given with --skin) counts as that one.
    if (HoldsStoredSkin(*data_, L"GALLERYSKIN"))
        Check(GraphiteItem);
    else if (HoldsStoredSkin(*data_, L"OWNFORMSKIN"))
        Check(MeadowItem);
    else
        Check(nullptr);
}

void TGallerySkinMenu::Check(TMenuItem* chosen) {
    GraphiteItem->SetChecked(chosen == GraphiteItem);
    MeadowItem->SetChecked(chosen == MeadowItem);
}

void TGallerySkinMenu::StopWatching() {
    if (watcher_ == nullptr) return;
    watcher_->Free();
    watcher_ = nullptr;
}

void TGallerySkinMenu::UseStoredSkin(const wchar_t* resource) {
    StopWatching();
    if (!data_->ReadSkinStreamFromResource(GetModuleHandleW(nullptr), resource)) return;
    data_->ApplySkin();
    Check(resource == std::wstring_view(L"GALLERYSKIN") ? GraphiteItem : MeadowItem);
}

bool TGallerySkinMenu::UseSkinFile(const std::string& path) {
    // Checked first: the component gives up its skin for a file it cannot load.
    const std::string problem = SkinFileProblem(path);
    if (!problem.empty()) {
        ShowMessage(path + " is not a skin package the engine can load: " + problem);
        return false;
    }
    StopWatching();
    data_->SetSkinFile(path);
    CheckStoredSkin();
    return true;
}

void TGallerySkinMenu::OpenSkinFile() {
    std::array<wchar_t, 4 * MAX_PATH> file{};
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = form_->Handle();
    request.lpstrFilter = L"Skin packages (*.skn)\0*.skn\0All files (*.*)\0*.*\0";
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrTitle = L"Open skin file";
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&request)) return;
    UseSkinFile(NarrowText(file.data()));
}

TSkinFolderWatcher* TGallerySkinMenu::WatchFolder(const std::filesystem::path& folder) {
    StopWatching();
    Check(nullptr);
    watcher_ = new TSkinFolderWatcher(this, data_, folder);
    return watcher_;
}
