// Frame thickness from the skin, the areas of a skinned window, the client rectangle answered to
// WM_NCCALCSIZE and the outer size that keeps the client area.

#include <gtest/gtest.h>

#include "skin/form/frame_metrics.h"
#include "unit/form_test_support.h"

namespace skin::form {
namespace {

TEST(FormFrameMetrics, OurSkinsGiveTheirDesignedThickness) {
    struct Case {
        const char* skin;
        FrameMetrics expected;
    };
    const Case cases[] = {
        {"graphite", {30, 3, 3, 3, 19}},
        {"meadow", {28, 5, 5, 5, 19}},
    };
    for (const Case& c : cases) {
        const auto objects = formtest::LoadBuiltSkin(c.skin);
        if (!objects) GTEST_SKIP() << "skins not built";
        EXPECT_EQ(MeasureFrame(*objects, FrameKind::Sizable, false, 19), c.expected) << c.skin;
        EXPECT_EQ(MeasureFrame(*objects, FrameKind::Dialog, false, 19), c.expected) << c.skin;
        EXPECT_EQ(MeasureFrame(*objects, FrameKind::BorderlessPopup, false, 19), FrameMetrics{}) << c.skin;
        EXPECT_EQ(MeasureFrame(*objects, FrameKind::Fixed, true, 19), (FrameMetrics{0, 0, 0, 0, 19})) << c.skin;
    }
}

TEST(FormFrameMetrics, BadSkinDataGivesThinFramesNotCrashes) {
    struct Case {
        const char* what;
        int frameCount;
        bool emptyImage;
        int expectedTitle;
    };
    // The top image is 16 x 40.
    const Case cases[] = {
        {"two frames", 2, false, 20},
        {"one frame", 1, false, 40},
        {"frame count 0 counts as 1", 0, false, 40},
        {"negative frame count counts as 1", -3, false, 40},
        {"more frames than pixels", 100, false, 0},
        {"empty image", 2, true, 0},
    };
    for (const Case& c : cases) {
        TSkinObjects objects;
        formtest::SetFrame(objects, 20, 4, 4, 4);
        objects.BorderTop->Map = c.emptyImage ? Bitmap() : Bitmap(16, 40);
        objects.BorderTop->FrameCount = c.frameCount;
        EXPECT_EQ(MeasureFrame(objects, FrameKind::Sizable, false, 0).TitleHeight, c.expectedTitle) << c.what;
    }
    // A skin object set before any load has empty images.
    EXPECT_EQ(MeasureFrame(TSkinObjects{}, FrameKind::Sizable, false, 0), FrameMetrics{});
}

TEST(FormFrameLayout, AreasTileTheWindow) {
    const FrameAreas a = LayoutFrame(FrameMetrics{30, 4, 6, 5, 20}, 200, 150);
    EXPECT_EQ(a.RightEdge, (Rect{194, 0, 200, 150}));
    EXPECT_EQ(a.BottomEdge, (Rect{4, 145, 194, 150}));
    EXPECT_EQ(a.TopEdge, (Rect{4, 0, 194, 30}));
    EXPECT_EQ(a.MenuBar, (Rect{4, 30, 194, 50}));
    EXPECT_EQ(a.Client, (Rect{4, 50, 194, 145}));
}

TEST(FormNcCalcSize, SkinnedClientOrTheSystemsAnswer) {
    const FrameMetrics m{30, 4, 6, 5, 20};
    const Rect proposed{100, 50, 400, 350};
    struct Case {
        const char* what;
        FrameKind kind;
        MdiRole role;
        WindowState state;
        bool keepsDefault;
    };
    const Case cases[] = {
        {"sizable", FrameKind::Sizable, MdiRole::None, WindowState::Normal, false},
        {"MDI frame", FrameKind::Sizable, MdiRole::Frame, WindowState::Maximized, false},
        {"dialog", FrameKind::Dialog, MdiRole::None, WindowState::Normal, false},
        {"normal MDI child", FrameKind::Sizable, MdiRole::Child, WindowState::Normal, false},
        {"maximized MDI child", FrameKind::Sizable, MdiRole::Child, WindowState::Maximized, true},
        {"minimized MDI child", FrameKind::Fixed, MdiRole::Child, WindowState::Minimized, true},
        {"borderless popup", FrameKind::BorderlessPopup, MdiRole::None, WindowState::Normal, true},
    };
    for (const Case& c : cases) {
        const auto client = SkinnedClientRect(m, c.kind, c.role, c.state, proposed);
        EXPECT_EQ(!client.has_value(), c.keepsDefault) << c.what;
        if (client) {
            EXPECT_EQ(*client, (Rect{104, 100, 394, 345})) << c.what;
        }
    }
}

TEST(FormFitFrame, OuterSizeKeepsTheClientAndWidensDialogsForTheirCaption) {
    const FrameMetrics m{30, 4, 6, 5, 20};
    struct Case {
        const char* what;
        std::optional<int> neededCaption;
        FittedFrame expected;
    };
    // Client 300 x 200 gives 310 x 255.
    const Case cases[] = {
        {"no dialog", std::nullopt, {310, 255, 0}},
        {"caption exactly fits", 310, {310, 255, 0}},
        {"caption 1 wider rounds the shift down", 311, {311, 255, 0}},
        {"caption 2 wider", 312, {312, 255, 1}},
        {"caption 91 wider", 401, {401, 255, 45}},
    };
    for (const Case& c : cases) EXPECT_EQ(FitFrame(m, 300, 200, c.neededCaption), c.expected) << c.what;

    TDataSkinTitle title("Title");
    title.Margins = {28, 0, 108, 0};
    EXPECT_EQ(DialogCaptionWidth(title, 150), 286);
}

}  // namespace
}  // namespace skin::form
