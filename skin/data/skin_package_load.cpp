// Loading a whole skin package: decompress, open, parse the definition, build
// the objects.

#include <exception>

#include "skin/data/lzh.h"
#include "skin/data/skin_loader.h"

namespace skin {
namespace {

TSkinLoadResult FromOpenResult(const TSkinOpenResult& open) {
    TSkinLoadResult result;
    switch (open.Status) {
        case TSkinOpenStatus::Ok: break;
        case TSkinOpenStatus::WrongVersion:
            result.Status = TSkinLoadStatus::WrongVersion;
            result.Reason = open.Reason.empty() ? std::string(kOlderSkinFileMessage) : open.Reason;
            break;
        case TSkinOpenStatus::Corrupt:
            result.Status = TSkinLoadStatus::Corrupt;
            result.Reason = open.Reason;
            break;
    }
    return result;
}

// The definition is the first member whose name contains ".ini"; a package
// without one loads with every default.
TSkinLoadResult LoadOpened(TSkinObjects& objects, const TSkinReader& reader, int scrollArrowWidth) {
    TSkinLoadResult result;
    TQuickIni ini;
    const std::ptrdiff_t index = reader.IndexOfPart(".ini");
    if (index >= 0) {
        ini.LoadFromStream(reader.Member(static_cast<std::size_t>(index)));
        result.DefinitionName = reader.Names()[static_cast<std::size_t>(index)];
    }
    LoadSkinObjects(objects, reader, ini, scrollArrowWidth);
    return result;
}

}  // namespace

TSkinLoadResult LoadSkinPackage(TSkinObjects& objects, std::span<const std::uint8_t> compressedPackage,
                                int scrollArrowWidth, std::size_t maxLength) {
    TSkinReader reader;
    TSkinOpenResult open;
    try {
        open = reader.Open(compressedPackage, maxLength);
    } catch (const ElzhException& error) {
        TSkinLoadResult result;
        result.Status = TSkinLoadStatus::DecompressError;
        result.Reason = error.what();
        return result;
    }
    if (!open.Ok()) return FromOpenResult(open);
    return LoadOpened(objects, reader, scrollArrowWidth);
}

TSkinLoadResult LoadDecompressedSkinPackage(TSkinObjects& objects, std::span<const std::uint8_t> package,
                                            int scrollArrowWidth) {
    TSkinReader reader;
    const TSkinOpenResult open = reader.OpenDecompressed(package);
    if (!open.Ok()) return FromOpenResult(open);
    return LoadOpened(objects, reader, scrollArrowWidth);
}

}  // namespace skin
