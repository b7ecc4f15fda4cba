// Feeds arbitrary bytes to the stream decoder as a whole compressed stream. Checks that it never
// fails other than with its clear errors, yields exactly the declared length, and agrees with the
// plain byte-at-a-time decoder on every byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "bench/lzh_reference_decoder.h"
#include "skin/data/lzh.h"

namespace {

constexpr std::size_t kMaxLength = 1u << 17;         // caps what one input can make us allocate
constexpr std::size_t kMaxCompareLength = 1u << 12;  // the plain decoder is slow; compare the smaller ones

std::int32_t DeclaredLength(std::span<const std::uint8_t> stream) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(stream[0]) | (static_cast<std::uint32_t>(stream[1]) << 8) |
        (static_cast<std::uint32_t>(stream[2]) << 16) | (static_cast<std::uint32_t>(stream[3]) << 24));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> stream(data, size);
    std::vector<std::uint8_t> decoded;
    try {
        decoded = skin::DecompressStream(stream, kMaxLength);
    } catch (const skin::ElzhException&) {
        // Only a short header or an oversized declared length may be refused.
        if (size >= skin::kLzhHeaderSize && DeclaredLength(stream) >= 0 &&
            static_cast<std::size_t>(DeclaredLength(stream)) <= kMaxLength) {
            std::abort();
        }
        return 0;
    }
    const std::int32_t declared = DeclaredLength(stream);
    const std::size_t expected = declared > 0 ? static_cast<std::size_t>(declared) : 0;
    if (decoded.size() != expected) std::abort();
    if (expected <= kMaxCompareLength) {
        std::vector<std::uint8_t> plain = reference::PlainDecompressStream(stream);
        if (plain.size() < expected) std::abort();
        plain.resize(expected);
        if (plain != decoded) std::abort();
    }
    return 0;
}
