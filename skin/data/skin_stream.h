// Framing of the stored skin package: a 4-byte little-endian signed length n, then n bytes
// of the compressed package. The length word comes from a file and is never trusted: a
// length that runs past the data or above kMaxSkinStreamLength is an error, not a read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin {

// Largest package that is framed, read back or loaded from a skin file. Real packages are
// well under a megabyte; the bound keeps a damaged length word from allocating gigabytes.
inline constexpr std::size_t kMaxSkinStreamLength = 64u << 20;
inline constexpr std::size_t kSkinStreamLengthSize = 4;

class SkinStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads one framed package from the front of `stored` and returns the number of bytes it
// took. A length of 0 or below takes only the length word and leaves `package` as it was;
// a positive length replaces `package` with the bytes that follow. Throws SkinStreamError
// when the length word is cut short, runs past the end of `stored`, or exceeds `limit`;
// `package` is then unchanged.
std::size_t ReadSkinStream(std::span<const std::uint8_t> stored, std::vector<std::uint8_t>& package,
                           std::size_t limit = kMaxSkinStreamLength);

// Appends the framing of `package` to `out`; an empty package is written as length 0 alone.
// Throws SkinStreamError for a package above `limit`, which could not be read back.
void WriteSkinStream(std::span<const std::uint8_t> package, std::vector<std::uint8_t>& out,
                     std::size_t limit = kMaxSkinStreamLength);

// The package in `bytes` that may be framed as a stored stream or not (a program's RCDATA
// resource holds either): the bytes after the length word when it gives exactly their count,
// else `bytes` as they are.
std::span<const std::uint8_t> UnframedPackage(std::span<const std::uint8_t> bytes);

// Whether a skin file of `size` bytes may be read into memory whole.
constexpr bool IsAcceptableSkinFileSize(std::uintmax_t size, std::size_t limit = kMaxSkinStreamLength) {
    return size <= limit;
}

// Reads a whole skin file. A missing file yields nothing (the caller keeps its skin); a
// file above `limit` or one that cannot be read throws SkinStreamError before any
// allocation of its size.
std::optional<std::vector<std::uint8_t>> LoadSkinFile(const std::filesystem::path& path,
                                                      std::size_t limit = kMaxSkinStreamLength);

}  // namespace skin
