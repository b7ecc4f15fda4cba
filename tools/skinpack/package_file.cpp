#include "tools/skinpack/package_file.h"

#include <exception>
#include <new>

#include "skin/data/lzh.h"
#include "tools/skinpack/cli_io.h"

namespace tools {

skin::TSkinOpenResult OpenPackageFile(const std::filesystem::path& path, skin::TSkinReader& reader) {
    const std::vector<std::uint8_t> bytes = ReadInputFile(path);
    if (bytes.size() < 4) {
        throw ECliError(FileMessage(
            path, "not a skin package: " + std::to_string(bytes.size()) + " bytes, shorter than the 4-byte length"));
    }
    try {
        return reader.Open(bytes, skin::kMaxSkinPackageLength);
    } catch (const std::bad_alloc&) {
        throw ECliError(FileMessage(path, "out of memory while decompressing"));
    } catch (const std::exception& error) {
        throw ECliError(FileMessage(path, std::string("cannot decompress: ") + error.what()));
    }
}

void OpenValidPackageFile(const std::filesystem::path& path, skin::TSkinReader& reader) {
    const skin::TSkinOpenResult result = OpenPackageFile(path, reader);
    if (!result.Ok()) throw ECliError(DescribeOpenFailure(path, result));
}

std::string DescribeOpenFailure(const std::filesystem::path& path, const skin::TSkinOpenResult& result) {
    switch (result.Status) {
        case skin::TSkinOpenStatus::WrongVersion:
            return FileMessage(path, "unsupported skin package: " + result.Reason);
        case skin::TSkinOpenStatus::Corrupt: return FileMessage(path, "corrupt skin package: " + result.Reason);
        case skin::TSkinOpenStatus::Ok: break;
    }
    return FileMessage(path, "opened");
}

}  // namespace tools
