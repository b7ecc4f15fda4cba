// Long runs of skinned painting and skinned dialogs leave the process with as many GDI objects
// and windows as before. A first paint and a first dialog run before counting: what they make
// once (cached images, the manager's timer) is allowed to stay.
#include <gtest/gtest.h>

#include <utility>

#include "base/win/dib_section.h"
#include "skin/form/frame_edges.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/skin_soak.h"

namespace {

struct LiveObjects {
    int gdi = testing_support::CountGdiObjects();
    int windows = testing_support::CountThreadWindows();
};

TEST(FormSoak, ThousandsOfFramePaintsKeepGdiObjectsAndWindows) {
    auto data = testing_support::HeldSkinData("graphite");
    HWND window = testing_support::CreateFramedWindow(800, 600);
    auto formSkin = testing_support::AttachFormSkin(*data, window);
    ASSERT_EQ(skin::win::TSkinForm::FromWindow(window), formSkin.get());
    testing_support::PaintFrames(window, 1);

    const LiveObjects before;
    testing_support::PaintFrames(window, 2000);
    const LiveObjects after;
    EXPECT_EQ(after.gdi - before.gdi, 0);
    EXPECT_EQ(after.windows - before.windows, 0);

    // What the last paint left on the window is the skin's left edge.
    const int leftWidth = formSkin->Metrics().BorderLeftWidth;
    ASSERT_GT(leftWidth, 0);
    const skin::Bitmap edge =
        skin::form::RenderFrameEdge(skin::form::EdgeObject(data->Objects(), skin::form::FrameEdge::Left),
                                    skin::form::FrameEdge::Left, leftWidth, 600, formSkin->Active());
    ASSERT_FALSE(edge.Empty());
    const int x = leftWidth / 2;
    const int y = 300;
    const std::uint32_t expected = edge.Row(y)[x] & 0x00FFFFFFu;
    ASSERT_NE(expected, 0x00FF00FFu) << "the probe lies on a see-through pixel";
    base::win::DibSection shown(800, 600);
    HDC windowDc = GetWindowDC(window);
    BitBlt(shown.Dc(), 0, 0, 800, 600, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    EXPECT_EQ(shown.Pixels().Row(y)[x] & 0x00FFFFFFu, expected);

    formSkin.reset();
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}

TEST(FormSoak, HundredsOfSkinnedDialogCyclesKeepGdiObjectsAndWindows) {
    auto data = testing_support::ActiveMainSkinData("graphite");
    ASSERT_EQ(testing_support::CycleSkinnedDialogs(1), 1);

    const LiveObjects before;
    EXPECT_EQ(testing_support::CycleSkinnedDialogs(200), 200);
    const LiveObjects after;
    EXPECT_EQ(after.gdi - before.gdi, 0);
    EXPECT_EQ(after.windows - before.windows, 0);

    testing_support::ReleaseMainSkinData(std::move(data));
}

}  // namespace
