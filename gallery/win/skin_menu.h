#pragma once
// The gallery main window's "Skin" menu: our skins (the ones the gallery carries), a skin file
// chosen in the File Open dialog, or a watched skin folder. Each choice goes to the main skin
// data component, so every window it skins follows.

#include <filesystem>
#include <string>

#include "framework/win/framework.h"
#include "skin/data/win/skin_data.h"

class TMainMenu;
class TMenuItem;
class TSkinFolderWatcher;

class TGallerySkinMenu : public TComponent {
    T_CLASS(TGallerySkinMenu, TComponent)
public:
    // Puts the menu on `form`, whose windows `data` skins.
    TGallerySkinMenu(TForm* form, skin::win::TSkinData* data);

    // One of the skins the gallery carries, by its resource name.
    void UseStoredSkin(const wchar_t* resource);
    // A skin package file; a file that is not one is refused with a message naming it, and
    // the skin on screen stays. Returns whether the file was put on.
    bool UseSkinFile(const std::string& path);
    // Asks for a skin file in the common File Open dialog (blocks while it is open).
    void OpenSkinFile();
    // Follows the unpacked skin in `folder` until another skin is chosen.
    TSkinFolderWatcher* WatchFolder(const std::filesystem::path& folder);

    TMainMenu* Menu = nullptr;
    TMenuItem* GraphiteItem = nullptr;
    TMenuItem* MeadowItem = nullptr;
    TMenuItem* OpenFileItem = nullptr;
    TSkinFolderWatcher* Watcher() const { return watcher_; }

private:
    void Check(TMenuItem* chosen);
    void CheckStoredSkin();
    void StopWatching();

    TForm* form_;
    skin::win::TSkinData* data_;
    TSkinFolderWatcher* watcher_ = nullptr;
};
