// The adaptive model shared by the LZH stream decoder and encoder: the format's constants, the
// fixed prefix code of the upper distance bits, and the adaptive Huffman tree over 314 symbols
// (256 literals and the match lengths 3..60).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace skin::lzh {

inline constexpr unsigned WindowSize = 4096;
inline constexpr unsigned WindowMask = WindowSize - 1;
inline constexpr unsigned MaxMatch = 60;
inline constexpr unsigned Threshold = 2;
inline constexpr unsigned MinMatch = Threshold + 1;
inline constexpr unsigned SymbolCount = 256 - Threshold + MaxMatch;  // 314
inline constexpr unsigned TableSize = 2 * SymbolCount - 1;           // 627
inline constexpr unsigned Root = TableSize - 1;                      // 626
inline constexpr unsigned MaxFrequency = 0x8000;
// The window starts with this many spaces; the write position starts right after them.
inline constexpr unsigned InitialFill = WindowSize - MaxMatch;  // 4036
inline constexpr std::uint8_t FillByte = 0x20;
// A symbol below this is a literal byte; symbol s >= 256 is a match of s - MatchSymbolBias bytes.
inline constexpr unsigned FirstMatchSymbol = 256;
inline constexpr unsigned MatchSymbolBias = 256 - Threshold - 1;  // 253

// Upper 6 bits of a 12-bit distance are sent with a fixed prefix code of 3..8 bits, the lower 6
// bits verbatim. Reading 8 bits b (the code plus the first low bits) gives the upper bits
// DistanceCode[b] and the code's length DistanceBits[b].
struct TDistanceTables {
    std::array<std::uint8_t, 256> DistanceCode{};
    std::array<std::uint8_t, 256> DistanceBits{};
    // Inverse, for the encoder: the prefix code of each upper value and its length in bits.
    std::array<std::uint8_t, 64> PrefixCode{};
    std::array<std::uint8_t, 64> PrefixBits{};
};

constexpr TDistanceTables MakeDistanceTables() {
    // Each row: how many consecutive b share one upper value, how many upper values, code length.
    struct TRange {
        unsigned perValue, values, bits;
    };
    constexpr TRange ranges[] = {{32, 1, 3}, {16, 3, 4}, {8, 8, 5}, {4, 12, 6}, {2, 24, 7}, {1, 16, 8}};
    TDistanceTables t;
    unsigned b = 0;
    unsigned upper = 0;
    for (const TRange& range : ranges) {
        for (unsigned v = 0; v < range.values; ++v, ++upper) {
            t.PrefixCode[upper] = static_cast<std::uint8_t>(b >> (8 - range.bits));
            t.PrefixBits[upper] = static_cast<std::uint8_t>(range.bits);
            for (unsigned n = 0; n < range.perValue; ++n, ++b) {
                t.DistanceCode[b] = static_cast<std::uint8_t>(upper);
                t.DistanceBits[b] = static_cast<std::uint8_t>(range.bits);
            }
        }
    }
    return t;
}

inline constexpr TDistanceTables DistanceTables = MakeDistanceTables();

// The adaptive Huffman tree. Nodes are kept in non-decreasing frequency order (the sibling
// property), so incrementing a node's count only ever swaps it with the last node of its run of
// equal counts. Son[n] of an inner node is its left child (the right child is Son[n] + 1); a Son
// value of TableSize or more marks a leaf holding symbol Son[n] - TableSize. Parent[TableSize + s]
// is the node that holds symbol s.
class TLzhTree {
public:
    std::array<std::uint16_t, TableSize + 1> Freq;  // the last entry is a sentinel above every count
    std::array<std::uint16_t, TableSize + SymbolCount> Parent;
    std::array<std::uint16_t, TableSize> Son;

    void InitModel() {
        for (unsigned s = 0; s < SymbolCount; ++s) {
            Freq[s] = 1;
            Son[s] = static_cast<std::uint16_t>(s + TableSize);
            Parent[s + TableSize] = static_cast<std::uint16_t>(s);
        }
        for (unsigned i = 0, j = SymbolCount; j < TableSize; i += 2, ++j) {
            Freq[j] = static_cast<std::uint16_t>(Freq[i] + Freq[i + 1]);
            Son[j] = static_cast<std::uint16_t>(i);
            Parent[i] = Parent[i + 1] = static_cast<std::uint16_t>(j);
        }
        Freq[TableSize] = 0xFFFF;
        Parent[Root] = 0;
    }

    // Counts one more occurrence of symbol s, keeping the sibling property.
    void UpdateModel(unsigned s) {
        if (Freq[Root] == MaxFrequency) RebuildTree();
        unsigned c = Parent[s + TableSize];
        do {
            c = Parent[Increment(c)];
        } while (c != 0);
    }

    // UpdateModel for a symbol whose code the caller has just walked: path[0] is the root and
    // path[depth] the node holding s. Until a swap changes the tree, the recorded path stands in
    // for the chain of Parent look-ups, which each depend on the one before.
    void UpdateModelAlongPath(unsigned s, const std::uint16_t* path, unsigned depth) {
        if (Freq[Root] == MaxFrequency) {
            UpdateModel(s);  // the rebuild moves every node
            return;
        }
        for (unsigned i = depth + 1; i-- > 0;) {
            const unsigned c = path[i];
            const unsigned moved = Increment(c);
            if (moved != c) {
                for (unsigned n = Parent[moved]; n != 0;) n = Parent[Increment(n)];
                return;
            }
        }
    }

    // Halves every leaf count and rebuilds the tree from the leaves in their current order.
    void RebuildTree() {
        unsigned j = 0;
        for (unsigned i = 0; i < TableSize; ++i) {
            if (Son[i] >= TableSize) {
                Freq[j] = static_cast<std::uint16_t>((Freq[i] + 1u) / 2u);
                Son[j] = Son[i];
                ++j;
            }
        }
        // j == SymbolCount now: join the two lowest free nodes and insert the sum in order.
        for (unsigned i = 0; j < TableSize; i += 2, ++j) {
            const unsigned f = Freq[i] + Freq[i + 1];
            unsigned k = j - 1;
            while (f < Freq[k]) --k;
            ++k;
            const std::size_t moved = (j - k) * sizeof(std::uint16_t);
            std::memmove(&Freq[k + 1], &Freq[k], moved);
            std::memmove(&Son[k + 1], &Son[k], moved);
            Freq[k] = static_cast<std::uint16_t>(f);
            Son[k] = static_cast<std::uint16_t>(i);
        }
        for (unsigned i = 0; i < TableSize; ++i) {
            const unsigned k = Son[i];
            Parent[k] = static_cast<std::uint16_t>(i);
            if (k < TableSize) Parent[k + 1] = static_cast<std::uint16_t>(i);
        }
    }

private:
    // Increments node c's count. If that breaks the order, c's subtree swaps places with the last
    // node of the run of nodes that had c's old count. Returns where c's subtree now is.
    unsigned Increment(unsigned c) {
        const unsigned k = ++Freq[c];
        if (k <= Freq[c + 1]) return c;
        unsigned l = c + 1;
        while (k > Freq[l + 1]) ++l;
        Freq[c] = Freq[l];
        Freq[l] = static_cast<std::uint16_t>(k);
        const unsigned i = Son[c];
        Parent[i] = static_cast<std::uint16_t>(l);
        if (i < TableSize) Parent[i + 1] = static_cast<std::uint16_t>(l);
        const unsigned j = Son[l];
        Son[l] = static_cast<std::uint16_t>(i);
        Parent[j] = static_cast<std::uint16_t>(c);
        if (j < TableSize) Parent[j + 1] = static_cast<std::uint16_t>(c);
        Son[c] = static_cast<std::uint16_t>(j);
        return l;
    }
};

}  // namespace skin::lzh
