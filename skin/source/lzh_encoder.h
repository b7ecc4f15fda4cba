// Encoder of the skin package's compressed stream (for the tools and the live preview; the utility never
// compresses).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace skin::source {

// Compresses `data` into a stream that any decoder of the format reads back: the 4-byte
// little-endian length, then the bit stream. Parsing is greedy: at each position the longest
// match (3..60 bytes) anywhere in the 4096-byte window, the nearest of equally long ones, and a
// literal where no match of 3 bytes exists. Like the decoder's, the window starts with 4036
// spaces, so data may begin with a copy of them. Throws std::length_error for input longer
// than the header can declare (2^31 - 1 bytes).
std::vector<std::uint8_t> EncodeLzhStream(std::span<const std::uint8_t> data);

}  // namespace skin::source
