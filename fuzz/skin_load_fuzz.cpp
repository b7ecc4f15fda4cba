// Fuzz target: the whole skin load from package bytes.
//
// Input: one mode byte (even: a compressed package; odd: an already
// decompressed one, so the fuzzer reaches the tables, the definition and the
// images directly), one byte giving the scroll arrow width (signed), then the
// package.

#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/skin_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const bool compressed = (data[0] & 1) == 0;
    const int scrollArrowWidth = static_cast<std::int8_t>(data[1]);
    const std::span<const std::uint8_t> package(data + 2, size - 2);

    skin::TSkinObjects objects;
    // A small output limit keeps each run quick; bigger declared lengths are
    // rejected like any over-long stream.
    constexpr std::size_t kMaxDecompressed = 1u << 16;
    const skin::TSkinLoadResult result =
        compressed ? skin::LoadSkinPackage(objects, package, scrollArrowWidth, kMaxDecompressed)
                   : skin::LoadDecompressedSkinPackage(objects, package, scrollArrowWidth);

    // The objects that always exist must still exist, whatever the input.
    if (!objects.Title || !objects.Buttons || !objects.BorderLeft || !objects.BorderRight || !objects.BorderTop ||
        !objects.BorderBottom)
        __builtin_trap();
    if (result.Ok() && objects.SysButtons.size() < 3) __builtin_trap();
    return 0;
}
