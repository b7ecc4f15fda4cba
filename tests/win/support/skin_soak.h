// Skinned windows for leak checks and measurements: a built skin loaded as the utility loads its
// stored one, bare framed windows with a form skin, many frame paints, many open/close cycles of
// a skinned dialog. Shared by the soak tests and the Windows benchmarks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/win/skin_data.h"
#include "skin/form/win/skin_form.h"

namespace testing_support {

// A built skin package in the stored form of the SkinStream property: a 4-byte little-endian
// length, then the package.
std::vector<std::uint8_t> StoredSkinStream(const std::string& skinName);

// A skin data component holding `skinName`, known to no skin manager: form skins attached to
// it by hand paint with it.
std::unique_ptr<skin::win::TSkinData> HeldSkinData(const std::string& skinName);

// A main skin data component holding `skinName`, read as reading the main form leaves it, and
// switched on: returns once the skin manager runs (its activation comes from a timer).
std::unique_ptr<skin::win::TSkinData> ActiveMainSkinData(const std::string& skinName);
// Frees the component and the process's skin manager with it.
void ReleaseMainSkinData(std::unique_ptr<skin::win::TSkinData> data);

// A visible top-level window of the system's STATIC class, WS_OVERLAPPEDWINDOW, of the given
// outer size: nothing of ours handles its messages.
HWND CreateFramedWindow(int width, int height);

// A form skin attached to `window` and applied as the skin manager does it.
std::unique_ptr<skin::win::TSkinForm> AttachFormSkin(skin::win::TSkinData& data, HWND window);

// Sends WM_NCPAINT to `window` `count` times (the whole frame each time).
void PaintFrames(HWND window, int count);

// Opens a dialog form (a label and two buttons) with the skin manager running, lets it paint,
// closes and frees it, `cycles` times; returns in how many cycles the dialog had a form skin.
int CycleSkinnedDialogs(int cycles);

}  // namespace testing_support
