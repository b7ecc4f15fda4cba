// Switching the skin file at run time re-measures, re-fits and repaints the skinned windows.
#include <gtest/gtest.h>

#include "form_skin_fixture.h"
#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "skin/form/frame_edges.h"
#include "skin/form/frame_metrics.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"
#include "support/message_pump.h"

using skin::win::SkinManager;
using skin::win::TSkinData;
using skin::win::TSkinForm;

namespace {

// The left edge of the window as printed, against the edge image of `objects` (active frame).
bool LeftEdgeShows(HWND window, const skin::TSkinObjects& objects, int width) {
    const RECT rect = form_test::WindowRectOf(window);
    const int height = rect.bottom - rect.top;
    const skin::Bitmap expected =
        skin::form::RenderFrameEdge(objects.BorderLeft.get(), skin::form::FrameEdge::Left, width, height, true);
    const base::win::DibSection printed = form_test::PrintWindowPixels(window);
    for (int y = height / 3; y < 2 * height / 3; ++y)
        for (int x = 0; x < width; ++x)
            if ((printed.Pixels().At(x, y) & 0xFFFFFF) != (expected.At(x, y) & 0xFFFFFF)) return false;
    return true;
}

TEST(SkinSwitch, NewSkinFileRefitsAndRepaintsEverySkinnedForm) {
    Application->Initialize();
    TForm* form = new TForm(nullptr);
    form->SetBorderStyle(bsSingle);
    form->SetClientSize(300, 200);
    TSkinData* data = skin_test::LoadedSkinData(form, skin::TSkinFormType::sfMainform, true, false);
    form->Show();
    SkinManager->State = 1;
    SkinManager->Enabled = true;
    ASSERT_TRUE(SkinManager->AddFormSkin(form->Handle()));
    TSkinForm* skinForm = SkinManager->FindFormSkin(form->Handle());
    ASSERT_NE(skinForm, nullptr);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return skinForm->Phase() == 1; }));

    const RECT clientBefore = form_test::ClientRectOf(form->Handle());
    const skin::form::FrameMetrics graphite = skinForm->Metrics();
    EXPECT_EQ(form_test::ClientOffset(form->Handle()).x, graphite.BorderLeftWidth);
    EXPECT_TRUE(LeftEdgeShows(form->Handle(), data->Objects(), graphite.BorderLeftWidth));

    data->SetSkinFile(BUILT_SKINS_DIR "/meadow.skn");
    const skin::form::FrameMetrics meadow =
        skin::form::MeasureFrame(data->Objects(), skin::form::FrameKind::Fixed, false, graphite.MenuBarHeight);
    ASSERT_NE(meadow, graphite);  // the two skins' frames differ, or this test proves nothing
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return skinForm->Metrics() == meadow; }));
    testing_support::PumpMessagesFor(100);

    EXPECT_EQ(form_test::ClientOffset(form->Handle()).x, meadow.BorderLeftWidth);
    EXPECT_EQ(form_test::ClientOffset(form->Handle()).y, meadow.TitleHeight + meadow.MenuBarHeight);
    const RECT clientAfter = form_test::ClientRectOf(form->Handle());
    EXPECT_EQ(clientAfter.right - clientAfter.left, clientBefore.right - clientBefore.left);
    EXPECT_EQ(clientAfter.bottom - clientAfter.top, clientBefore.bottom - clientBefore.top);
    EXPECT_TRUE(LeftEdgeShows(form->Handle(), data->Objects(), meadow.BorderLeftWidth));

    form->Free();
    skin::win::FreeSkinManager();
}

}  // namespace
