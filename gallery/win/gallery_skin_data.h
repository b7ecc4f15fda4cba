#pragma once
// The gallery's skin data components: the main one, which skins every window, and the one a
// single form carries to show a second skin beside the first.

#include <string>

#include "skin/data/win/skin_data.h"

class TForm;

// Environment variable naming a skin file (.skn) that replaces the main stored skin.
inline constexpr const wchar_t* kGallerySkinVariable = L"SKINGALLERY_SKIN";
// Environment variable naming a folder with an unpacked skin that the gallery follows live.
inline constexpr const wchar_t* kGalleryWatchVariable = L"SKINGALLERY_WATCH";

// The path an environment variable holds, or empty.
std::string GalleryEnvironmentPath(const wchar_t* variable);

// The main component (kind sfMainform) on `form`: stored gallery graphite skin, replaced by the
// file named in SKINGALLERY_SKIN when there is one. Preview windows are left unskinned, as the
// default options say.
skin::win::TSkinData* CreateGallerySkinData(TForm* form);

// A component of kind sfOnlyThisForm on `form`: the stored gallery meadow skin, or graphite when
// a skin file replaces the main skin, so that the form always differs from the default look.
skin::win::TSkinData* CreateOwnFormSkinData(TForm* form);
