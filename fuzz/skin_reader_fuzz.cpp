// Feeds arbitrary bytes to the package reader, both as a decompressed package and as a
// compressed one, and reads every member it indexes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"

namespace {

void ReadEverything(const skin::TSkinReader& reader) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        total += reader.Member(i).size();
        const auto copy = reader.ExtractByName(reader.Names()[i]);
        if (copy.size() > reader.Data().size()) __builtin_trap();
    }
    if (total > reader.Data().size()) __builtin_trap();
    std::string found;
    reader.ExtractByPart(".ini", found);
    reader.ExtractByPart(".bmp", found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    skin::TSkinReader reader;
    if (reader.OpenDecompressed(bytes).Ok()) ReadEverything(reader);
    try {
        // a small cap keeps each run fast; larger declared lengths are refused by the decoder
        if (reader.Open(bytes, 1u << 16).Ok()) ReadEverything(reader);
    } catch (const skin::ElzhException&) {
    }
    return 0;
}
