#include "skin/source/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/lzh_model.h"

namespace skin::source {
namespace {

using namespace skin::lzh;

// Appends bits most significant first, as the decoder reads them; the last byte is zero-padded.
class TBitWriter {
public:
    explicit TBitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    // Appends the low `count` (at most 32) bits of `value`.
    void Put(std::uint32_t value, unsigned count) {
        buffer_ = (buffer_ << count) | (value & ((std::uint64_t{1} << count) - 1));
        pending_ += count;
        while (pending_ >= 8) {
            pending_ -= 8;
            out_.push_back(static_cast<std::uint8_t>(buffer_ >> pending_));
        }
    }

    void Finish() {
        if (pending_ > 0) out_.push_back(static_cast<std::uint8_t>(buffer_ << (8 - pending_)));
        pending_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t buffer_ = 0;
    unsigned pending_ = 0;
};

// Finds the longest earlier occurrence of the bytes at a position through hash chains of
// 3-byte prefixes. `text` is the whole virtual window: the initial spaces, then the data.
class TMatchFinder {
public:
    struct TMatch {
        unsigned Length = 0;
        unsigned Distance = 0;  // how many bytes back the copy starts (1..WindowSize)
    };

    explicit TMatchFinder(std::span<const std::uint8_t> text) : text_(text) { head_.fill(kNone); }

    void Insert(std::size_t position) {
        if (position + MinMatch > text_.size()) return;
        const unsigned hash = Hash(position);
        prev_[position & kPrevMask] = head_[hash];
        head_[hash] = static_cast<std::int64_t>(position);
    }

    // The longest match of at most maxLength bytes starting at `position`; among equally long
    // ones the nearest, whose distance codes no longer. Sources may overlap the position itself.
    TMatch Find(std::size_t position, unsigned maxLength) const {
        TMatch best;
        best.Length = MinMatch - 1;
        const std::uint8_t* const current = text_.data() + position;
        for (std::int64_t candidate = head_[Hash(position)];
             candidate != kNone && position - static_cast<std::size_t>(candidate) <= WindowSize;
             candidate = prev_[static_cast<std::size_t>(candidate) & kPrevMask]) {
            const std::uint8_t* const source = text_.data() + candidate;
            // Only a longer match counts, so a candidate differing at the current length is skipped.
            if (source[best.Length] != current[best.Length]) continue;
            unsigned length = 0;
            while (length < maxLength && source[length] == current[length]) ++length;
            if (length > best.Length) {
                best.Length = length;
                best.Distance = static_cast<unsigned>(position - static_cast<std::size_t>(candidate));
                if (length == maxLength) break;
            }
        }
        if (best.Length < MinMatch) best = {};
        return best;
    }

private:
    static constexpr unsigned kHashBits = 15;
    // Chains only reach back one window, so links of twice that many positions never go stale.
    static constexpr std::size_t kPrevMask = 2 * WindowSize - 1;
    static constexpr std::int64_t kNone = -1;

    unsigned Hash(std::size_t position) const {
        const std::uint32_t key = (static_cast<std::uint32_t>(text_[position]) << 16) |
                                  (static_cast<std::uint32_t>(text_[position + 1]) << 8) | text_[position + 2];
        return (key * 2654435761u) >> (32 - kHashBits);
    }

    std::span<const std::uint8_t> text_;
    std::array<std::int64_t, std::size_t{1} << kHashBits> head_;
    std::array<std::int64_t, kPrevMask + 1> prev_{};
};

class TEncoder {
public:
    explicit TEncoder(std::vector<std::uint8_t>& out) : bits_(out) { tree_.InitModel(); }

    // Sends the symbol's code (the path from the root to its leaf) and counts it in the model.
    void EncodeSymbol(unsigned symbol) {
        std::array<std::uint8_t, TableSize> path;  // bits from the leaf up
        unsigned depth = 0;
        for (unsigned node = tree_.Parent[symbol + TableSize]; node != Root; node = tree_.Parent[node]) {
            path[depth++] = static_cast<std::uint8_t>(node - tree_.Son[tree_.Parent[node]]);
        }
        while (depth > 0) bits_.Put(path[--depth], 1);
        tree_.UpdateModel(symbol);
    }

    // `code` is the distance minus one (0..4095): upper 6 bits by prefix code, lower 6 verbatim.
    void EncodeDistance(unsigned code) {
        const unsigned upper = code >> 6;
        bits_.Put(DistanceTables.PrefixCode[upper], DistanceTables.PrefixBits[upper]);
        bits_.Put(code & 0x3F, 6);
    }

    void Finish() { bits_.Finish(); }

private:
    TLzhTree tree_;
    TBitWriter bits_;
};

}  // namespace

std::vector<std::uint8_t> EncodeLzhStream(std::span<const std::uint8_t> data) {
    if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw std::length_error("LZH encoder: input of " + std::to_string(data.size()) +
                                " bytes exceeds the format's limit of 2147483647");
    }
    std::vector<std::uint8_t> out;
    out.reserve(data.size() / 2 + 16);
    const auto length = static_cast<std::uint32_t>(data.size());
    for (unsigned shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(length >> shift));

    std::vector<std::uint8_t> text(InitialFill + data.size(), FillByte);
    std::copy(data.begin(), data.end(), text.begin() + InitialFill);
    auto finder = std::make_unique<TMatchFinder>(text);
    for (std::size_t p = 0; p < InitialFill; ++p) finder->Insert(p);

    TEncoder encoder(out);
    std::size_t position = InitialFill;
    while (position < text.size()) {
        const auto maxLength = static_cast<unsigned>(std::min<std::size_t>(MaxMatch, text.size() - position));
        const TMatchFinder::TMatch match =
            maxLength >= MinMatch ? finder->Find(position, maxLength) : TMatchFinder::TMatch{};
        if (match.Length == 0) {
            encoder.EncodeSymbol(text[position]);
            finder->Insert(position++);
            continue;
        }
        encoder.EncodeSymbol(match.Length + MatchSymbolBias);
        encoder.EncodeDistance(match.Distance - 1);
        for (unsigned k = 0; k < match.Length; ++k) finder->Insert(position++);
    }
    encoder.Finish();
    return out;
}

}  // namespace skin::source
