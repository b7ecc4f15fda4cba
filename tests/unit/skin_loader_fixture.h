#pragma once
// Builds small skin packages in memory for the loader tests: a definition
// text and bitmaps written as 24-bit BMP members.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/pixels.h"
#include "base/bmp_io.h"
#include "skin/data/skin_loader.h"
#include "skin/source/package_writer.h"

namespace skintest {

// Every pixel different: red = x, green = y, blue = seed.
inline base::Bitmap Gradient(int width, int height, std::uint8_t seed = 0) {
    base::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.At(x, y) = base::MakePixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), seed);
    return bitmap;
}

// A strip of `colors.size()` frames of frameWidth x height, frame k filled with colors[k].
inline base::Bitmap SolidFrames(int frameWidth, int height, const std::vector<base::Pixel>& colors) {
    base::Bitmap bitmap(frameWidth * static_cast<int>(colors.size()), height);
    for (std::size_t k = 0; k < colors.size(); ++k)
        bitmap.FillRect(base::Rect{static_cast<int>(k) * frameWidth, 0, static_cast<int>(k + 1) * frameWidth, height},
                        colors[k]);
    return bitmap;
}

class SkinPackage {
public:
    explicit SkinPackage(std::string definition = {}) : definition_(std::move(definition)) {}

    SkinPackage& Definition(std::string text) {
        definition_ = std::move(text);
        return *this;
    }
    SkinPackage& Image(std::string name, const base::Bitmap& bitmap) {
        members_.push_back({std::move(name), base::WriteBmp24(bitmap)});
        return *this;
    }
    SkinPackage& Member(std::string name, std::vector<std::uint8_t> bytes) {
        members_.push_back({std::move(name), std::move(bytes)});
        return *this;
    }
    // Drops the definition member (a package without one).
    SkinPackage& WithoutDefinition() {
        hasDefinition_ = false;
        return *this;
    }

    std::vector<skin::source::TPackageMember> Members() const {
        std::vector<skin::source::TPackageMember> all;
        if (hasDefinition_)
            all.push_back({"skin.ini", std::vector<std::uint8_t>(definition_.begin(), definition_.end())});
        all.insert(all.end(), members_.begin(), members_.end());
        return all;
    }
    std::vector<std::uint8_t> Decompressed() const { return skin::source::WritePackage(Members()); }
    std::vector<std::uint8_t> Compressed() const { return skin::source::WriteCompressedPackage(Members()); }

    // Loads the package (decompressed form) into `objects`.
    skin::TSkinLoadResult LoadInto(skin::TSkinObjects& objects, int scrollArrowWidth = 17) const {
        const std::vector<std::uint8_t> bytes = Decompressed();
        return skin::LoadDecompressedSkinPackage(objects, bytes, scrollArrowWidth);
    }

private:
    std::string definition_;
    std::vector<skin::source::TPackageMember> members_;
    bool hasDefinition_ = true;
};

}  // namespace skintest
