// Compresses arbitrary bytes with the tools' encoder and checks that both the skin decoder and
// the plain byte-at-a-time decoder give them back exactly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "bench/lzh_reference_decoder.h"
#include "skin/data/lzh.h"
#include "skin/source/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    const std::vector<std::uint8_t> encoded = skin::source::EncodeLzhStream(input);
    const std::vector<std::uint8_t> decoded = skin::DecompressStream(encoded);
    if (!std::equal(decoded.begin(), decoded.end(), input.begin(), input.end())) std::abort();
    // A marker in the window bytes the format leaves undefined shows any copy from them.
    const std::vector<std::uint8_t> plain = reference::PlainDecompressStream(encoded, 0xA5);
    if (!std::equal(plain.begin(), plain.end(), input.begin(), input.end())) std::abort();
    return 0;
}
