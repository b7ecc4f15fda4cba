#include "skin/data/skin_stream.h"

#include <fstream>
#include <limits>
#include <system_error>

namespace skin {
namespace {

std::int32_t ReadLengthWord(std::span<const std::uint8_t> bytes) {
    const std::uint32_t raw = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                              static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(raw);
}

// Error texts must not themselves throw on a path the narrow code page cannot spell.
std::string Describe(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return "skin file " + std::string(utf8.begin(), utf8.end());
}

}  // namespace

std::size_t ReadSkinStream(std::span<const std::uint8_t> stored, std::vector<std::uint8_t>& package,
                           std::size_t limit) {
    if (stored.size() < kSkinStreamLengthSize) {
        throw SkinStreamError("skin stream: " + std::to_string(stored.size()) +
                              " bytes are too few for the 4-byte length word");
    }
    const std::int32_t length = ReadLengthWord(stored);
    if (length <= 0) return kSkinStreamLengthSize;

    const auto wanted = static_cast<std::size_t>(length);
    if (wanted > limit) {
        throw SkinStreamError("skin stream: declared length " + std::to_string(wanted) + " exceeds the limit of " +
                              std::to_string(limit) + " bytes");
    }
    const std::size_t remaining = stored.size() - kSkinStreamLengthSize;
    if (wanted > remaining) {
        throw SkinStreamError("skin stream: declared length " + std::to_string(wanted) + " but only " +
                              std::to_string(remaining) + " bytes follow");
    }
    const auto body = stored.subspan(kSkinStreamLengthSize, wanted);
    package.assign(body.begin(), body.end());
    return kSkinStreamLengthSize + wanted;
}

void WriteSkinStream(std::span<const std::uint8_t> package, std::vector<std::uint8_t>& out, std::size_t limit) {
    if (package.size() > limit || package.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw SkinStreamError("skin stream: package of " + std::to_string(package.size()) +
                              " bytes exceeds the limit of " + std::to_string(limit) + " bytes");
    }
    const auto length = static_cast<std::uint32_t>(package.size());
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(length >> shift));
    }
    out.insert(out.end(), package.begin(), package.end());
}

std::optional<std::vector<std::uint8_t>> LoadSkinFile(const std::filesystem::path& path, std::size_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw SkinStreamError(Describe(path) + ": " + error.message());
    }
    if (!IsAcceptableSkinFileSize(size, limit)) {
        throw SkinStreamError(Describe(path) + ": " + std::to_string(size) + " bytes exceeds the limit of " +
                              std::to_string(limit) + " bytes");
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!file || !file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        throw SkinStreamError(Describe(path) + ": cannot be read");
    }
    return bytes;
}

std::span<const std::uint8_t> UnframedPackage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= kSkinStreamLengthSize) return bytes;
    std::uint64_t length = 0;
    for (std::size_t i = kSkinStreamLengthSize; i-- > 0;) length = (length << 8) | bytes[i];
    return length == bytes.size() - kSkinStreamLengthSize ? bytes.subspan(kSkinStreamLengthSize) : bytes;
}

}  // namespace skin
