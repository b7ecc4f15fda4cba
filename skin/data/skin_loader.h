#pragma once
// Builds the skin objects of one skin from its package: the definition's
// sections and keys fill the objects, the bitmap members become their images,
// and a few images are derived (the mirrored combo button, the combo frames,
// the tool-bar background). Nothing here throws on bad skin data: missing
// keys take their defaults, unusable images stay empty.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/pixels.h"
#include "base/color.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_color_parse.h"
#include "skin/data/skin_objects_set.h"
#include "skin/data/skin_reader.h"

namespace skin {

// Loads package member `fileName` into `target`. A directory part (up to the
// last '\' or ':') is dropped; only names with the extension ".bmp" (exactly,
// lower case) are looked up. A missing member or one that is not a readable
// BMP leaves `target` empty. Returns whether an image was loaded.
bool LoadImage(Bitmap& target, const TSkinReader& reader, std::string_view fileName);

// The color of `key` in `section`, or `fallback` when the key is absent or
// its value is empty.
TColor ReadColor(const TQuickIni& ini, std::string_view section, std::string_view key, TColor fallback);

// Sets `color` from the integer keys prefix+"R", prefix+"G", prefix+"B" when
// all three are present and not negative (low 8 bits each); otherwise leaves
// it unchanged.
void ReadRGB(const TQuickIni& ini, std::string_view section, std::string_view prefix, TColor& color);

// Fills `objects` from the definition and the package, replacing the previous
// skin. `scrollArrowWidth` is the width of a scroll bar arrow (SM_CXHSCROLL on
// Windows); it sizes the button of the synthesised combo frames.
void LoadSkinObjects(TSkinObjects& objects, const TSkinReader& reader, const TQuickIni& ini, int scrollArrowWidth);

enum class TSkinLoadStatus {
    Ok,
    WrongVersion,     // the package has another version; nothing was loaded
    Corrupt,          // the package tables are inconsistent; nothing was loaded
    DecompressError,  // the compressed stream is damaged; nothing was loaded
};

struct TSkinLoadResult {
    TSkinLoadStatus Status = TSkinLoadStatus::Ok;
    std::string Reason;          // empty when Ok
    std::string DefinitionName;  // the member read as the definition (empty if none)
    bool Ok() const { return Status == TSkinLoadStatus::Ok; }
};

// Decompresses and opens a compressed skin package, parses its definition (the
// first member whose name contains ".ini") and loads the objects. When the
// package cannot be opened, `objects` is left as it was.
TSkinLoadResult LoadSkinPackage(TSkinObjects& objects, std::span<const std::uint8_t> compressedPackage,
                                int scrollArrowWidth, std::size_t maxLength = kMaxSkinPackageLength);

// As LoadSkinPackage, for a package that is already decompressed.
TSkinLoadResult LoadDecompressedSkinPackage(TSkinObjects& objects, std::span<const std::uint8_t> package,
                                            int scrollArrowWidth);

}  // namespace skin
