// Decoder of the skin package's compressed stream: LZSS over a 4096-byte window, with literals,
// match lengths (3..60) and the upper distance bits coded by one adaptive Huffman tree.
//
// A compressed stream is a 4-byte little-endian signed length (the number of bytes it decodes
// to), followed directly by the bit stream. There is no magic number, checksum or end marker:
// the length alone ends decoding, and input that runs out reads as zero bits, so a truncated or
// corrupt stream still decodes to exactly the declared number of (garbage) bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <vector>

namespace skin {

class ElzhException : public std::runtime_error {
public:
    using runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
// Kept for completeness of the format's error texts: the tables are released by their owner's
// destructor here, which cannot fail, so this message is never raised.
inline constexpr const char* kLzhFreeFailedMessage = "LZH : Error freeing memory for dictionary tables";

// Size of the length header that precedes the bit stream.
inline constexpr std::size_t kLzhHeaderSize = 4;

class TLZH {
public:
    // Byte source: copies up to `capacity` further input bytes into `buffer` and returns how many
    // it delivered; 0 means the input has ended (every later bit reads as 0 and the source is not
    // asked again). Delivering more than `capacity` is treated as delivering `capacity`.
    using TReadProc = std::function<std::size_t(std::uint8_t* buffer, std::size_t capacity)>;
    // Byte sink: takes the next `count` decoded bytes in order; it reports failure by throwing,
    // and the exception passes to the caller of Decompress.
    using TWriteProc = std::function<void(const std::uint8_t* data, std::size_t count)>;

    TLZH() = default;

    // Decodes `length` bytes (the header's value; the caller has already consumed the header)
    // from the bit stream that readProc delivers and passes them to writeProc in blocks. A length
    // of 0 or less produces nothing and asks the source for nothing. Exactly max(length, 0) bytes
    // reach the sink: a final match that runs past the length is cut off there. Returns that count.
    // Throws ElzhException(kLzhNoMemoryMessage) when the tables cannot be allocated.
    std::size_t Decompress(std::int32_t length, const TReadProc& readProc, const TWriteProc& writeProc);

    // Decodes output.size() bytes from `bitStream` (the bytes after the header) straight into
    // `output`; the fast path for a stream held in memory.
    void Decompress(std::span<const std::uint8_t> bitStream, std::span<std::uint8_t> output);
};

// Decodes a whole compressed stream: 4-byte little-endian signed length, then the bit stream.
// A negative declared length yields nothing; a declared length above maxLength throws
// ElzhException with a clear message (caps what a hostile header can make us allocate), and so
// does a stream shorter than its 4-byte header. The output is exactly the declared length (a
// final match that overruns it is cut off): a package reader sizes its data area from the
// decoded bytes, so garbage beyond the declared length must not reach it.
std::vector<std::uint8_t> DecompressStream(std::span<const std::uint8_t> stream, std::size_t maxLength = 64u << 20);

}  // namespace skin
