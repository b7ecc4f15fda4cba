#include "skin/data/lzh.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "skin/data/lzh_model.h"

namespace skin {
namespace {

using namespace lzh;

// The dictionary tables of one decompression. The window is not a separate ring: matches copy
// from the decoded output itself, which always holds the last 4096 bytes before the position
// being written (in the callback interface a staging buffer keeps them).
struct TTables {
    TLzhTree Tree;
};

// Window content before the first output byte, `back` (1..WindowSize) bytes before it: the
// initial spaces, preceded by the bytes that the format leaves undefined (read as zero here, so
// that a corrupt stream still decodes deterministically; a valid one never reads them).
constexpr std::uint8_t InitialWindowByte(std::size_t back) { return back <= InitialFill ? FillByte : 0; }

// Room after the output position that copies in 16-byte chunks may scribble on.
constexpr std::size_t kCopySlack = 64;

// Staging blocks for the callback interface: input is fetched, and output handed over, in
// blocks. Output is staged behind a full window of history, so every match finds its source.
struct TBlockBuffers {
    static constexpr std::size_t InputSize = 16 * 1024;
    static constexpr std::size_t OutputSize = 64 * 1024;
    std::array<std::uint8_t, InputSize> Input;
    std::array<std::uint8_t, WindowSize + OutputSize + kCopySlack> Output;
};

template <class T>
std::unique_ptr<T> AllocateTables() {
    std::unique_ptr<T> tables(new (std::nothrow) T());
    if (!tables) throw ElzhException(kLzhNoMemoryMessage);
    return tables;
}

// Bits not yet consumed: the next bit is the most significant of BitBuffer, which holds
// BitCount valid bits. Kept in a local while decoding so that it lives in registers.
struct TBits {
    std::uint64_t BitBuffer = 0;
    unsigned BitCount = 0;

    // Takes one bit; the caller has made it available.
    unsigned TakeBit() {
        const auto bit = static_cast<unsigned>(BitBuffer >> 63);
        BitBuffer <<= 1;
        --BitCount;
        return bit;
    }

    // Takes the next `count` (1..32) bits; the caller has made them available.
    unsigned TakeBits(unsigned count) {
        const auto value = static_cast<unsigned>(BitBuffer >> (64 - count));
        BitBuffer <<= count;
        BitCount -= count;
        return value;
    }

    // Takes the next 8 bits; the caller has made them available.
    unsigned TakeByte() {
        const auto byte = static_cast<unsigned>(BitBuffer >> 56);
        BitBuffer <<= 8;
        BitCount -= 8;
        return byte;
    }
};

// Supplies the bit stream: bits come from the most significant end of each byte, bytes in stream
// order; input that has run out reads as zero bits.
class TBitSource {
public:
    // `source` (optional) refills the input from the caller's byte source into `block`.
    explicit TBitSource(std::span<const std::uint8_t> input, const TLZH::TReadProc* source = nullptr,
                        std::span<std::uint8_t> block = {})
        : next_(input.data()), end_(input.data() + input.size()), source_(source), block_(block) {}

    // Makes at least `count` (at most 56) bits available.
    void Need(TBits& bits, unsigned count) {
        if (bits.BitCount < count) Refill(bits);
    }

private:
    // Tops the buffer up to at least 56 bits.
    void Refill(TBits& bits) {
        if (end_ - next_ >= 8) {
            // Load 8 bytes big-endian and keep the whole bytes that fit. Bits of a partly fitting byte
            // are the stream's own next bits, so OR-ing them in again on the next refill is harmless.
            std::uint64_t word;
            std::memcpy(&word, next_, sizeof word);
            if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
            bits.BitBuffer |= word >> bits.BitCount;
            const unsigned taken = (63 - bits.BitCount) >> 3;
            next_ += taken;
            bits.BitCount += taken * 8;
            return;
        }
        bits = RefillNearEnd(bits);
    }

    TBits RefillNearEnd(TBits bits) {
        while (bits.BitCount <= 56) {
            if (next_ == end_ && !FetchBlock()) {
                bits.BitCount = 64;  // everything below the valid bits is already zero
                break;
            }
            bits.BitBuffer |= static_cast<std::uint64_t>(*next_++) << (56 - bits.BitCount);
            bits.BitCount += 8;
        }
        return bits;
    }

    bool FetchBlock() {
        if (source_ == nullptr) return false;
        const std::size_t delivered = std::min((*source_)(block_.data(), block_.size()), block_.size());
        if (delivered == 0) {
            source_ = nullptr;  // the input has ended: do not ask again
            return false;
        }
        next_ = block_.data();
        end_ = next_ + delivered;
        return true;
    }

    const std::uint8_t* next_;
    const std::uint8_t* end_;
    const TLZH::TReadProc* source_;
    std::span<std::uint8_t> block_;
};

// One decompression's state: the model and the bit stream.
class TDecoder {
public:
    TDecoder(TLzhTree& tree, TBitSource& source) : tree_(tree), source_(source) { tree_.InitModel(); }

    // Inlined so that the caller's bits stay in registers.
    [[gnu::always_inline]] unsigned DecodeSymbol(TBits& bits) {
        // A code is at most a few dozen bits long; keep plenty ready so the walk rarely refills.
        source_.Need(bits, 32);
        std::array<std::uint16_t, TableSize> path;  // nodes from the root down, for the update
        unsigned depth = 0;
        path[0] = static_cast<std::uint16_t>(Root);
        unsigned son = tree_.Son[Root];
        unsigned node;
        do {
            source_.Need(bits, 1);
            node = son + bits.TakeBit();
            path[++depth] = static_cast<std::uint16_t>(node);
            son = tree_.Son[node];
        } while (son < TableSize);
        const unsigned symbol = son - TableSize;
        tree_.UpdateModelAlongPath(symbol, path.data(), depth);
        return symbol;
    }

    [[gnu::always_inline]] unsigned DecodeDistance(TBits& bits) {
        source_.Need(bits, 8 + 6);
        const unsigned b = bits.TakeByte();
        const unsigned high = static_cast<unsigned>(DistanceTables.DistanceCode[b]) << 6;
        // The low 6 bits are the last 6 of the 8 + (DistanceBits - 2) bits read.
        const unsigned more = DistanceTables.DistanceBits[b] - 2u;  // 1..6
        const unsigned low = (b << more) | bits.TakeBits(more);
        return high | (low & 0x3F);
    }

    // Decodes whole symbols into out[pos..] while pos < limit and returns the new position. A
    // match is cut off at `end` (limit <= end <= limit + MaxMatch - 1). The bytes before `pos`
    // are the window; where they run out (pos < WindowSize in a fresh buffer), the initial window
    // continues them. Copies may write junk up to `capacity`, never beyond.
    std::size_t DecodeInto(std::uint8_t* out, std::size_t pos, std::size_t limit, std::size_t end,
                           std::size_t capacity) {
        TBits bits = bits_;
        while (pos < limit) {
            const unsigned c = DecodeSymbol(bits);
            if (c < FirstMatchSymbol) {
                out[pos++] = static_cast<std::uint8_t>(c);
                continue;
            }
            const std::size_t distance = DecodeDistance(bits) + 1;  // how far back the copy starts
            const std::size_t length = std::min<std::size_t>(c - MatchSymbolBias, end - pos);
            std::uint8_t* const target = out + pos;
            if (distance > pos) {
                const std::size_t back = distance - pos;  // the source starts this far before out[0]
                for (std::size_t k = 0; k < length; ++k)
                    target[k] = k >= back ? out[k - back] : InitialWindowByte(back - k);
            } else if (distance >= 16 && pos + kCopySlack <= capacity) {
                // 16-byte chunks: each reads only bytes written before it, as the source is 16 or more back.
                const std::uint8_t* const source = target - distance;
                for (std::size_t k = 0; k < length; k += 16) std::memcpy(target + k, source + k, 16);
            } else {
                // A source closer than the length repeats the bytes this copy is writing.
                const std::uint8_t* const source = target - distance;
                for (std::size_t k = 0; k < length; ++k) target[k] = source[k];
            }
            pos += length;
        }
        bits_ = bits;
        return pos;
    }

private:
    TLzhTree& tree_;
    TBitSource& source_;
    TBits bits_;
};

// Decodes `size` bytes into output; the bytes from `size` to `capacity` are scratch room.
void DecodeToMemory(std::span<const std::uint8_t> bitStream, std::uint8_t* output, std::size_t size,
                    std::size_t capacity) {
    if (size == 0) return;
    const auto tables = AllocateTables<TTables>();
    TBitSource source(bitStream);
    TDecoder decoder(tables->Tree, source);
    decoder.DecodeInto(output, 0, size, size, capacity);
}

std::int32_t ReadDeclaredLength(std::span<const std::uint8_t> stream) {
    if (stream.size() < kLzhHeaderSize) {
        throw ElzhException("LZH : stream of " + std::to_string(stream.size()) +
                            " bytes is shorter than its 4-byte length header");
    }
    const std::uint32_t raw = static_cast<std::uint32_t>(stream[0]) | (static_cast<std::uint32_t>(stream[1]) << 8) |
                              (static_cast<std::uint32_t>(stream[2]) << 16) |
                              (static_cast<std::uint32_t>(stream[3]) << 24);
    return static_cast<std::int32_t>(raw);
}

}  // namespace

std::size_t TLZH::Decompress(std::int32_t length, const TReadProc& readProc, const TWriteProc& writeProc) {
    if (length <= 0) return 0;
    const auto total = static_cast<std::size_t>(length);
    const auto tables = AllocateTables<TTables>();
    const auto blocks = AllocateTables<TBlockBuffers>();
    TBitSource source({}, &readProc, blocks->Input);
    TDecoder decoder(tables->Tree, source);
    std::uint8_t* const staging = blocks->Output.data();
    for (std::size_t back = 1; back <= WindowSize; ++back) staging[WindowSize - back] = InitialWindowByte(back);
    std::size_t produced = 0;
    while (produced < total) {
        const std::size_t remaining = total - produced;
        const std::size_t limit = WindowSize + std::min(remaining, TBlockBuffers::OutputSize);
        const std::size_t end = WindowSize + std::min(remaining, TBlockBuffers::OutputSize + MaxMatch - 1);
        const std::size_t staged =
            decoder.DecodeInto(staging, WindowSize, limit, end, blocks->Output.size()) - WindowSize;
        writeProc(staging + WindowSize, staged);
        produced += staged;
        std::memmove(staging, staging + staged, WindowSize);  // the last window of output
    }
    return produced;
}

void TLZH::Decompress(std::span<const std::uint8_t> bitStream, std::span<std::uint8_t> output) {
    DecodeToMemory(bitStream, output.data(), output.size(), output.size());
}

std::vector<std::uint8_t> DecompressStream(std::span<const std::uint8_t> stream, std::size_t maxLength) {
    const std::int32_t declared = ReadDeclaredLength(stream);
    if (declared <= 0) return {};
    const auto length = static_cast<std::size_t>(declared);
    if (length > maxLength) {
        throw ElzhException("LZH : declared length " + std::to_string(length) + " exceeds the limit of " +
                            std::to_string(maxLength) + " bytes");
    }
    std::vector<std::uint8_t> output(length + kCopySlack);
    DecodeToMemory(stream.subspan(kLzhHeaderSize), output.data(), length, output.size());
    output.resize(length);
    return output;
}

}  // namespace skin
