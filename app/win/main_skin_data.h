#pragma once
// The main window's skin data component: its stored settings and skin, and the skin file a
// user may name at start-up.

#include "skin/data/win/skin_data.h"

class TForm;

// Environment variable naming a skin file (.skn) that replaces the stored skin at start-up.
inline constexpr const wchar_t* kSkinFileVariable = L"TWEAK_SKIN";
// Name of the RCDATA resource holding the main window's stored SkinStream.
inline constexpr const wchar_t* kStoredSkinResource = L"SKINDATA1";

// Creates SkinData1 on `form` as reading the form would: stored settings, then the stored
// SkinStream, then the skin file named by TWEAK_SKIN, if any; Loaded follows when the form is
// built (at once when the form is not loading).
skin::win::TSkinData* CreateMainSkinData(TForm* form);
