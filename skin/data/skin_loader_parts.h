#pragma once
// Steps of LoadSkinObjects shared between the loader's source files.

#include <string>
#include <string_view>
#include <vector>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_objects_set.h"
#include "skin/data/skin_reader.h"

namespace skin::loader {

// Definition look-ups with the loader's defaults.
std::string ReadText(const TQuickIni& ini, std::string_view section, std::string_view key);
int ReadInt(const TQuickIni& ini, std::string_view section, std::string_view key, int fallback);
std::vector<std::string> SectionNames(const TQuickIni& ini);
std::string UpperAscii(std::string_view text);

// Caption buttons of the skin plus the three MDI buttons.
void LoadSysButtons(TSkinObjects& objects, const TSkinReader& reader, const TQuickIni& ini,
                    const std::vector<std::string>& sections);

// ComboButton.Map2 = ComboButton.Map mirrored left to right.
void MirrorComboButton(TDataSkinBorder& comboButton);

// Combo frames drawn from SunkEdge, ComboButton and ExtraImages; needs both
// SunkEdge and ComboButton.
void SynthesizeComboFrames(TSkinObjects& objects, int scrollArrowWidth);

// ToolbarBackground made from the first status bar frame, when the skin has a
// status bar but no tool-bar background of its own.
void DeriveToolbarBackground(TSkinObjects& objects);

}  // namespace skin::loader
