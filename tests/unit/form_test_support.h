#pragma once
// Skin objects for the form logic tests: our two built skins, and small hand-made frames whose
// every size is known.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_loader.h"
#include "skin/data/skin_objects_set.h"

namespace formtest {

// The built skin package `name` ("graphite", "meadow") loaded into fresh objects; null when the
// skins were not built.
inline std::unique_ptr<skin::TSkinObjects> LoadBuiltSkin(const std::string& name) {
#ifdef BUILT_SKINS_DIR
    std::ifstream in(std::filesystem::path(BUILT_SKINS_DIR) / (name + ".skn"), std::ios::binary);
    const std::vector<std::uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (package.empty()) return nullptr;
    auto objects = std::make_unique<skin::TSkinObjects>();
    if (!skin::LoadSkinPackage(*objects, package, 17).Ok()) return nullptr;
    return objects;
#else
    (void)name;
    return nullptr;
#endif
}

// Gives `border` an image of `frames` frames of frameWidth x frameHeight (stacked or side by
// side), filled with `fill`.
inline void SetEdge(skin::TDataSkinBorder& border, int frameWidth, int frameHeight, int frames, bool stacked,
                    skin::Pixel fill = 0x00405060u) {
    border.Map =
        skin::Bitmap(stacked ? frameWidth : frameWidth * frames, stacked ? frameHeight * frames : frameHeight, fill);
    border.FrameCount = frames;
}

// A frame of the given thicknesses, two frames per edge image, no transparency.
inline void SetFrame(skin::TSkinObjects& objects, int title, int left, int right, int bottom) {
    SetEdge(*objects.BorderTop, 16, title, 2, true);
    SetEdge(*objects.BorderLeft, left, 16, 2, false);
    SetEdge(*objects.BorderRight, right, 16, 2, false);
    SetEdge(*objects.BorderBottom, 16, bottom, 2, true);
}

}  // namespace formtest
