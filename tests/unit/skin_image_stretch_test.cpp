#include <gtest/gtest.h>

#include <vector>

#include "skin/data/skin_image.h"

namespace skin {
namespace {

using Pick = int (*)(int, int, int);

std::vector<int> Mapping(Pick pick, int source, int dest) {
    std::vector<int> out;
    for (int i = 0; i < dest; ++i) out.push_back(pick(i, source, dest));
    return out;
}

TEST(SkinImageStretch, PicksThePixelsStretchBltPicks) {
    // Rows and columns as GDI's StretchBlt in COLORONCOLOR mode produced them (the Windows tests
    // compare against StretchBlt live as well).
    EXPECT_EQ(Mapping(StretchSourceColumn, 2, 5), (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(Mapping(StretchSourceColumn, 3, 7), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
    EXPECT_EQ(Mapping(StretchSourceColumn, 10, 12), (std::vector<int>{0, 1, 2, 2, 3, 4, 5, 6, 7, 7, 8, 9}));
    EXPECT_EQ(Mapping(StretchSourceColumn, 5, 3), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(Mapping(StretchSourceColumn, 12, 10), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 9, 10, 11}));
    EXPECT_EQ(Mapping(StretchSourceColumn, 7, 1), (std::vector<int>{5}));
    EXPECT_EQ(Mapping(StretchSourceRow, 3, 7), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
    EXPECT_EQ(Mapping(StretchSourceRow, 9, 7), (std::vector<int>{0, 1, 3, 4, 5, 6, 8}));
    EXPECT_EQ(Mapping(StretchSourceRow, 13, 5), (std::vector<int>{0, 3, 5, 8, 10}));
    EXPECT_EQ(Mapping(StretchSourceRow, 7, 1), (std::vector<int>{0}));
}

TEST(SkinImageStretch, EveryMappingStaysInsideTheSourceAndRunsForward) {
    for (const Pick pick : {StretchSourceColumn, StretchSourceRow})
        for (int source = 1; source <= 64; ++source)
            for (int dest = 1; dest <= 64; ++dest) {
                const std::vector<int> map = Mapping(pick, source, dest);
                for (int i = 0; i < dest; ++i) {
                    ASSERT_GE(map[static_cast<std::size_t>(i)], 0) << source << "->" << dest;
                    ASSERT_LT(map[static_cast<std::size_t>(i)], source) << source << "->" << dest;
                    if (i > 0) {
                        // Enlarging never skips a source pixel; shrinking never repeats one.
                        const int step = map[static_cast<std::size_t>(i)] - map[static_cast<std::size_t>(i - 1)];
                        if (source <= dest)
                            ASSERT_TRUE(step == 0 || step == 1) << source << "->" << dest;
                        else
                            ASSERT_GE(step, 1) << source << "->" << dest;
                    }
                }
                if (source <= dest) {
                    EXPECT_EQ(map.front(), 0);
                    EXPECT_EQ(map.back(), source - 1) << source << "->" << dest;
                }
            }
    // Shrinking keeps the last column and the first row.
    EXPECT_EQ(StretchSourceColumn(9, 37, 10), 36);
    EXPECT_EQ(StretchSourceRow(0, 37, 10), 0);
    // Large sizes do not overflow.
    EXPECT_EQ(StretchSourceColumn(199999999, 3, 200000000), 2);
    EXPECT_EQ(StretchSourceColumn(1, 200000000, 3), 133333332);
    EXPECT_EQ(StretchSourceRow(2, 200000000, 3), 133333333);  // 2 * 200000000 / 3 rounded
}

}  // namespace
}  // namespace skin
