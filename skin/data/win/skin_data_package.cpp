// The component's skin package: the stored SkinStream, a skin file, and loading either into
// the skin objects.
#include <filesystem>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"
#include "skin/data/win/rcdata_resource.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_reader_messages.h"

namespace skin::win {

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> stored) {
    const std::size_t taken = skin::ReadSkinStream(stored, package_);
    // A length of 0 or below stores no package and loads nothing.
    if (taken > kSkinStreamLengthSize) LoadSkin();
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
    std::vector<std::uint8_t> out;
    skin::WriteSkinStream(package_, out);
    return out;
}

bool TSkinData::ReadSkinStreamFromResource(HMODULE module, const wchar_t* name) {
    const std::span<const std::uint8_t> stored = RcDataResource(module, name);
    if (stored.data() == nullptr) return false;
    ReadSkinStream(stored);
    return true;
}

bool TSkinData::CanLoadPackage(std::span<const std::uint8_t> package) {
    TSkinObjects scratch;
    try {
        return skin::LoadSkinPackage(scratch, package, GetSystemMetrics(SM_CXHSCROLL)).Status == TSkinLoadStatus::Ok;
    } catch (...) {
        return false;
    }
}

bool TSkinData::LoadSkinPackage(std::vector<std::uint8_t> package) {
    if (!CanLoadPackage(package)) return false;
    package_ = std::move(package);
    try {
        return LoadSkin();
    } catch (...) {
        return false;
    }
}

bool TSkinData::LoadSkin() {
    skinEmpty_ = true;
    TSkinReader reader;
    if (!OpenSkinPackage(reader, package_)) return false;
    TQuickIni ini;
    const std::ptrdiff_t index = reader.IndexOfPart(".ini");
    if (index >= 0) ini.LoadFromStream(reader.Member(static_cast<std::size_t>(index)));
    try {
        LoadSkinObjects(objects_, reader, ini, GetSystemMetrics(SM_CXHSCROLL));
    } catch (...) {
        // The objects may be half replaced: the windows painting with them must let go of the
        // old ones all the same (they now count as having no skin).
        faceBrush_.Reset();
        NotifySkinReloaded();
        throw;
    }
    faceBrush_.Reset();
    skinEmpty_ = false;
    NotifySkinReloaded();
    return true;
}

void TSkinData::SetSkinFile(const std::string& path) {
    skinEmpty_ = true;
    settings_.SkinFile = path;
    if (path.empty()) return;
    std::optional<std::vector<std::uint8_t>> file;
    try {
        file = LoadSkinFile(std::filesystem::path(path));
    } catch (const SkinStreamError&) {
        return;  // too large or unreadable: refused, the held package stays
    }
    if (!file) return;  // no such file: ignored
    package_ = std::move(*file);
    // A loaded skin is already on every window; the program is told of the change all the same.
    const bool loaded = LoadSkin();
    if (settings_.SkinFormtype == TSkinFormType::sfMainform) RequestSkinChanged(!loaded);
}

}  // namespace skin::win
