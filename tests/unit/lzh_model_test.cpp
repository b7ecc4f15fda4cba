// The adaptive Huffman tree and the distance prefix code that the stream codec is built on.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "skin/data/lzh_model.h"

namespace {

using namespace skin::lzh;

// Checks that the tree is a well-formed Huffman tree in sibling order; returns a description of
// the first fault, or an empty string.
std::string TreeFault(const TLzhTree& tree) {
    std::vector<int> leafOfSymbol(SymbolCount, -1);
    for (unsigned n = 0; n < TableSize; ++n) {
        if (n + 1 < TableSize && tree.Freq[n] > tree.Freq[n + 1]) return "counts out of order at " + std::to_string(n);
        const unsigned son = tree.Son[n];
        if (son >= TableSize) {
            const unsigned symbol = son - TableSize;
            if (symbol >= SymbolCount) return "bad symbol at " + std::to_string(n);
            if (leafOfSymbol[symbol] != -1) return "symbol twice: " + std::to_string(symbol);
            leafOfSymbol[symbol] = static_cast<int>(n);
            if (tree.Parent[son] != n) return "symbol link broken for " + std::to_string(symbol);
        } else {
            if (son + 1 >= n) return "child not below its parent at " + std::to_string(n);
            if (tree.Parent[son] != n || tree.Parent[son + 1] != n) return "parent link broken at " + std::to_string(n);
            if (tree.Freq[n] != tree.Freq[son] + tree.Freq[son + 1])
                return "count is not its children's sum at " + std::to_string(n);
        }
    }
    if (tree.Freq[TableSize] != 0xFFFF) return "sentinel overwritten";
    if (tree.Freq[Root] > MaxFrequency) return "root count above the limit";
    if (tree.Parent[Root] != 0) return "root has a parent";
    return {};
}

unsigned CodeLength(const TLzhTree& tree, unsigned symbol) {
    unsigned length = 0;
    for (unsigned n = tree.Parent[symbol + TableSize]; n != Root; n = tree.Parent[n]) ++length;
    return length;
}

TEST(LzhModel, InitialTreeIsBalancedOverAllSymbols) {
    TLzhTree tree;
    tree.InitModel();
    EXPECT_EQ(TreeFault(tree), "");
    EXPECT_EQ(tree.Freq[Root], SymbolCount);
    // 314 equal counts: every code is 8 or 9 bits long.
    for (unsigned s = 0; s < SymbolCount; ++s) {
        const unsigned length = CodeLength(tree, s);
        EXPECT_TRUE(length == 8 || length == 9) << s << ": " << length;
    }
}

TEST(LzhModel, UpdatesKeepTheSiblingPropertyAndCountExactlyUntilTheRebuild) {
    TLzhTree tree;
    tree.InitModel();
    std::mt19937 random(99);
    std::geometric_distribution<unsigned> skewed(0.02);
    std::vector<unsigned> counts(SymbolCount, 1);
    unsigned updates = 0;
    for (; tree.Freq[Root] < MaxFrequency; ++updates) {
        const unsigned symbol = skewed(random) % SymbolCount;
        tree.UpdateModel(symbol);
        ++counts[symbol];
        if (updates % 37 == 0) {
            ASSERT_EQ(TreeFault(tree), "") << "after " << updates << " updates";
        }
    }
    EXPECT_EQ(updates, MaxFrequency - SymbolCount);
    EXPECT_EQ(TreeFault(tree), "");
    for (unsigned s = 0; s < SymbolCount; ++s) EXPECT_EQ(tree.Freq[tree.Parent[s + TableSize]], counts[s]) << s;
    // Frequent symbols get codes no longer than rare ones.
    unsigned mostFrequent = 0;
    unsigned rarest = 0;
    for (unsigned s = 0; s < SymbolCount; ++s) {
        if (counts[s] > counts[mostFrequent]) mostFrequent = s;
        if (counts[s] < counts[rarest]) rarest = s;
    }
    EXPECT_LT(CodeLength(tree, mostFrequent), CodeLength(tree, rarest));
}

TEST(LzhModel, RootAtTheLimitRebuildsWithHalvedCounts) {
    TLzhTree tree;
    tree.InitModel();
    std::mt19937 random(5);
    while (tree.Freq[Root] < MaxFrequency) tree.UpdateModel(random() % 40);
    std::vector<unsigned> before(SymbolCount);
    for (unsigned s = 0; s < SymbolCount; ++s) before[s] = tree.Freq[tree.Parent[s + TableSize]];

    tree.UpdateModel(3);  // rebuilds first, then counts symbol 3
    EXPECT_EQ(TreeFault(tree), "");
    unsigned total = 0;
    for (unsigned s = 0; s < SymbolCount; ++s) {
        const unsigned expected = (before[s] + 1) / 2 + (s == 3 ? 1 : 0);
        EXPECT_EQ(tree.Freq[tree.Parent[s + TableSize]], expected) << s;
        total += expected;
    }
    EXPECT_EQ(tree.Freq[Root], total);
    EXPECT_LT(tree.Freq[Root], MaxFrequency / 2 + SymbolCount);
}

TEST(LzhModel, ManyRebuildsKeepTheTreeSound) {
    TLzhTree tree;
    tree.InitModel();
    std::mt19937 random(1234);
    int rebuilds = 0;
    for (int i = 0; i < 200000; ++i) {
        const bool atLimit = tree.Freq[Root] == MaxFrequency;
        // The favoured symbols change over time, so the halved tree must keep adapting.
        const unsigned symbol =
            (random() % 3 == 0) ? random() % SymbolCount : (i / 20000 * 31 + random() % 8) % SymbolCount;
        tree.UpdateModel(symbol);
        if (atLimit) {
            ++rebuilds;
            ASSERT_EQ(TreeFault(tree), "") << "after rebuild " << rebuilds;
        }
    }
    EXPECT_GE(rebuilds, 5);
    EXPECT_EQ(TreeFault(tree), "");
}

TEST(LzhModel, DistancePrefixCodeIsCompleteAndOrdered) {
    const TDistanceTables& t = DistanceTables;
    // Each upper value owns exactly the bytes that begin with its code: 2^(8 - length) of them.
    std::vector<unsigned> owned(64, 0);
    for (unsigned b = 0; b < 256; ++b) {
        const unsigned upper = t.DistanceCode[b];
        ASSERT_LT(upper, 64u);
        EXPECT_EQ(t.DistanceBits[b], t.PrefixBits[upper]) << b;
        EXPECT_EQ(b >> (8 - t.PrefixBits[upper]), t.PrefixCode[upper]) << b;
        ++owned[upper];
        if (b > 0) {
            EXPECT_LE(t.DistanceCode[b - 1], upper);
            EXPECT_LE(t.DistanceBits[b - 1], t.DistanceBits[b]);
        }
    }
    for (unsigned upper = 0; upper < 64; ++upper) {
        EXPECT_GE(t.PrefixBits[upper], 3u);
        EXPECT_LE(t.PrefixBits[upper], 8u);
        EXPECT_EQ(owned[upper], 1u << (8 - t.PrefixBits[upper])) << upper;
    }
}

}  // namespace
