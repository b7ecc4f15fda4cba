// The skinned window's hit-test answers and mouse position conversion.

#include <gtest/gtest.h>

#include "skin/form/nc_hit_test.h"

namespace skin::form {
namespace {

TEST(FormNcHitTest, CaptionAndMenuBarAnswers) {
    const FrameMetrics withMenu{30, 4, 4, 4, 20};
    const FrameMetrics noMenu{30, 4, 4, 4, 0};
    constexpr int kHtLeft = 10, kHtTop = 12;
    struct Case {
        const char* what;
        int defaultAnswer;
        int y;
        const FrameMetrics* metrics;
        int expected;
    };
    const Case cases[] = {
        {"resize band at the top stays nowhere", hit::kNowhere, 3, &withMenu, hit::kNowhere},
        {"below the band is caption", hit::kNowhere, 4, &withMenu, hit::kCaption},
        {"system caption in the band stays caption", hit::kCaption, 0, &withMenu, hit::kCaption},
        {"last caption row", hit::kNowhere, 30, &withMenu, hit::kCaption},
        {"first menu bar row", hit::kNowhere, 31, &withMenu, hit::kMenu},
        {"system caption over our menu bar", hit::kCaption, 45, &withMenu, hit::kMenu},
        {"no menu bar: caption all the way", hit::kNowhere, 45, &noMenu, hit::kCaption},
        {"client stays client", hit::kClient, 45, &withMenu, hit::kClient},
        {"sizing edge stays", kHtLeft, 10, &withMenu, kHtLeft},
        {"top sizing edge stays", kHtTop, 1, &withMenu, kHtTop},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustNcHitTest(c.defaultAnswer, {50, c.y}, *c.metrics), c.expected) << c.what;
}

TEST(FormNcHitTest, MaximizedActiveCaptionCannotBeDragged) {
    EXPECT_EQ(CaptionClickHitCode(hit::kCaption, true, true), hit::kMenu);
    EXPECT_EQ(CaptionClickHitCode(hit::kCaption, true, false), hit::kCaption);
    EXPECT_EQ(CaptionClickHitCode(hit::kCaption, false, true), hit::kCaption);
    EXPECT_EQ(CaptionClickHitCode(hit::kClient, true, true), hit::kClient);
}

TEST(FormNcHitTest, MousePositionsReachWindowCoordinates) {
    EXPECT_EQ(PointFromLParam(0x00200010u), (Point{16, 32}));
    EXPECT_EQ(PointFromLParam(0xFFFEFFFFu), (Point{-1, -2})) << "positions left of or above the screen";
    EXPECT_EQ(PointFromLParam(0x80007FFFu), (Point{32767, -32768}));

    const FrameMetrics m{30, 4, 6, 5, 20};
    EXPECT_EQ(ClientToWindowPoint({-4, -50}, m, false), (Point{0, 0}));
    EXPECT_EQ(ClientToWindowPoint({10, 10}, m, false), (Point{14, 60}));
    EXPECT_EQ(ClientToWindowPoint({10, 10}, m, true), (Point{10, 10}));
}

}  // namespace
}  // namespace skin::form
