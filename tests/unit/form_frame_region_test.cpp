// The window region of a skinned frame: magenta pixels of the edge images are cut out, exactly.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "skin/form/frame_region.h"
#include "unit/form_test_support.h"

namespace skin::form {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

// Pixels of the width x height window that no rectangle covers; rectangles reaching outside the
// window fail the test.
PixelSet Uncovered(const RegionRects& region, int width, int height) {
    std::vector<bool> covered(static_cast<std::size_t>(width * height), false);
    for (const auto& batch : region) {
        EXPECT_LE(batch.size(), kRegionBatchSize);
        for (const Rect& r : batch) {
            EXPECT_FALSE(r.IsEmpty());
            EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height)
                << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
            for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, height); ++y)
                for (int x = std::max(r.Left, 0); x < std::min(r.Right, width); ++x)
                    covered[static_cast<std::size_t>(y * width + x)] = true;
        }
    }
    PixelSet holes;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!covered[static_cast<std::size_t>(y * width + x)]) holes.insert({x, y});
    return holes;
}

constexpr Pixel kEdge = 0x00405060u;
// Magenta with green 1 counts as the key too; green 2 does not.
constexpr Pixel kNearMagenta = 0x00FF01FFu;
constexpr Pixel kNotMagenta = 0x00FF02FFu;

// Frame: title 6, sides 4, bottom 3. Each edge image has two frames (active, inactive) with
// 5-pixel unscaled ends, so corner pixels keep their place at any window size.
void MakeShapedFrame(TSkinObjects& objects) {
    formtest::SetEdge(*objects.BorderLeft, 4, 20, 2, false, kEdge);
    formtest::SetEdge(*objects.BorderRight, 4, 20, 2, false, kEdge);
    formtest::SetEdge(*objects.BorderTop, 16, 6, 2, true, kEdge);
    formtest::SetEdge(*objects.BorderBottom, 16, 3, 2, true, kEdge);
    objects.BorderLeft->Margins = objects.BorderRight->Margins = {0, 5, 0, 5};
    objects.BorderTop->Margins = objects.BorderBottom->Margins = {5, 0, 5, 0};
    for (TDataSkinBorder* b :
         {objects.BorderLeft.get(), objects.BorderRight.get(), objects.BorderTop.get(), objects.BorderBottom.get()}) {
        b->Trans = 1;
        b->Tile = 1;
    }
    // Active frames: a rounded top-left corner on the left edge, one pixel on the top and bottom.
    objects.BorderLeft->Map.At(0, 0) = kMagenta;
    objects.BorderLeft->Map.At(1, 0) = kNearMagenta;
    objects.BorderLeft->Map.At(0, 1) = kMagenta;
    objects.BorderLeft->Map.At(2, 0) = kNotMagenta;
    objects.BorderTop->Map.At(0, 0) = kMagenta;
    objects.BorderBottom->Map.At(15, 2) = kMagenta;
    objects.BorderRight->Map.At(3, 19) = kMagenta;
    // Inactive frame of the left edge: only the outermost corner pixel.
    objects.BorderLeft->Map.At(4, 0) = kMagenta;
}

const FrameMetrics kMetrics{6, 4, 4, 3, 0};

TEST(FormFrameRegion, MagentaCornerPixelsAreCutExactly) {
    TSkinObjects objects;
    MakeShapedFrame(objects);
    struct Case {
        const char* what;
        bool active;
        int width;
        int height;
        PixelSet holes;
    };
    const Case cases[] = {
        {"active 40 x 30", true, 40, 30, {{0, 0}, {1, 0}, {0, 1}, {4, 0}, {35, 29}, {39, 29}}},
        {"active 100 x 60", true, 100, 60, {{0, 0}, {1, 0}, {0, 1}, {4, 0}, {95, 59}, {99, 59}}},
        {"inactive uses the second frames", false, 40, 30, {{0, 0}}},
    };
    for (const Case& c : cases) {
        const RegionRects region =
            BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, c.active, c.width, c.height, Bitmap());
        EXPECT_EQ(Uncovered(region, c.width, c.height), c.holes) << c.what;
    }
}

TEST(FormFrameRegion, ComposedCaptionShapesTheTopEdge) {
    TSkinObjects objects;
    MakeShapedFrame(objects);
    Bitmap caption(40, 6, kEdge);
    caption.At(10, 0) = kMagenta;
    caption.At(2, 0) = kMagenta;   // under the left edge: the left image decides there
    caption.At(38, 5) = kMagenta;  // under the right edge: likewise
    const RegionRects region = BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, true, 40, 30, caption);
    EXPECT_EQ(Uncovered(region, 40, 30), (PixelSet{{0, 0}, {1, 0}, {0, 1}, {10, 0}, {35, 29}, {39, 29}}));
}

TEST(FormFrameRegion, EdgesThatCannotBeShapedStaySolid) {
    TSkinObjects objects;
    MakeShapedFrame(objects);
    // Transparency other than 1 counts as transparency but shapes nothing.
    objects.BorderLeft->Trans = 2;
    // A bottom edge thinner than 2 is never shaped, even all magenta.
    formtest::SetEdge(*objects.BorderBottom, 16, 1, 2, true, kMagenta);
    const FrameMetrics thinBottom{6, 4, 4, 1, 0};
    const RegionRects region = BuildFrameRegion(objects, thinBottom, FrameKind::Sizable, true, 40, 30, Bitmap());
    EXPECT_EQ(Uncovered(region, 40, 30), (PixelSet{{4, 0}, {39, 29}}));
    // A one-pixel-high window keeps plain sides; a borderless popup has no frame to shape.
    EXPECT_EQ(Uncovered(BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, true, 40, 1, Bitmap()), 40, 1),
              (PixelSet{{4, 0}}));
    EXPECT_EQ(Uncovered(BuildFrameRegion(objects, {}, FrameKind::BorderlessPopup, true, 40, 30, Bitmap()), 40, 30),
              PixelSet{});

    TSkinObjects plain;
    formtest::SetFrame(plain, 6, 4, 4, 3);
    EXPECT_EQ(BuildFrameRegion(plain, kMetrics, FrameKind::Sizable, true, 40, 30, Bitmap()),
              (RegionRects{{Rect{0, 0, 40, 30}}}))
        << "without transparency the region is one rectangle";
}

TEST(FormFrameRegion, BadSizesAndSkinDataDoNotCrash) {
    TSkinObjects objects;
    MakeShapedFrame(objects);
    EXPECT_TRUE(BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, true, 0, 30, Bitmap()).empty());
    EXPECT_TRUE(BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, true, 40, -5, Bitmap()).empty());
    // Narrower and lower than the frame itself.
    const RegionRects tiny = BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, true, 6, 5, Bitmap());
    EXPECT_FALSE(tiny.empty());
    Uncovered(tiny, 6, 5);

    objects.BorderLeft->FrameCount = 0;
    objects.BorderTop->FrameCount = -2;
    objects.BorderBottom->Map = Bitmap();
    const RegionRects region = BuildFrameRegion(objects, kMetrics, FrameKind::Sizable, false, 40, 30, Bitmap());
    const PixelSet holes = Uncovered(region, 40, 30);
    EXPECT_TRUE(holes.contains({0, 0})) << "a frame count of 0 reads the image as one frame";
    for (int x = 4; x < 36; ++x) EXPECT_FALSE(holes.contains({x, 29})) << "an empty bottom image leaves the edge solid";
}

TEST(FormFrameRegion, OurSkinsRoundTheirCornersOnly) {
    for (const char* name : {"graphite", "meadow"}) {
        const auto objects = formtest::LoadBuiltSkin(name);
        if (!objects) GTEST_SKIP() << "skins not built";
        const FrameMetrics m = MeasureFrame(*objects, FrameKind::Sizable, false, 0);
        constexpr int kWidth = 320, kHeight = 240;
        for (bool active : {true, false}) {
            const RegionRects region =
                BuildFrameRegion(*objects, m, FrameKind::Sizable, active, kWidth, kHeight, Bitmap());
            const PixelSet holes = Uncovered(region, kWidth, kHeight);
            EXPECT_TRUE(holes.contains({0, 0})) << name;
            EXPECT_TRUE(holes.contains({kWidth - 1, 0})) << name;
            for (const auto& [x, y] : holes) {
                const bool nearCorner = (x < 16 || x >= kWidth - 16) && (y < 16 || y >= kHeight - 16);
                EXPECT_TRUE(nearCorner) << name << ": hole at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace skin::form
