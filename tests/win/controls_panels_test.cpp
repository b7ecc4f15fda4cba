// Panels, group boxes and status bars under the skin, read back from the screen with each of our
// skins; and a control skin switched off and on again with SM_ENABLESKIN.

#include <gtest/gtest.h>

#include "base/bitmap.h"
#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/data/skin_image.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "support/control_forms.h"
#include "support/message_pump.h"

namespace {

std::uint32_t PixelOf(TColor color) { return base::ColorToPixel(ColorToRGB(color)); }

// The control's pixels as they are on the screen, in the control's window coordinates.
struct Shot {
    explicit Shot(HWND window) : dib(form_test::ScreenPixels(window)) {}
    std::uint32_t At(int x, int y) { return form_test::RgbOf(dib.Pixels().At(x, y)); }
    base::win::DibSection dib;
};

template <class T>
T* Add(TWinControl* parent, TForm* form, int left, int top, int width, int height, const char* caption = "") {
    auto* control = new T(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->SetCaption(caption);
    return control;
}

class ControlsPanels : public testing::TestWithParam<const char*> {};

TEST_P(ControlsPanels, PanelGroupBoxAndStatusBarAreDrawnFromTheSkin) {
    Application->Initialize();
    auto skin = form_test::LoadSkin(GetParam());
    const skin::TSkinObjects& objects = skin->Objects();
    auto* form = new TForm(nullptr);
    form->SetBounds(40, 40, 460, 300);
    auto* panel = Add<TPanel>(form, form, 10, 10, 140, 60, "Panel");
    panel->SetBevelOuter(bvNone);
    panel->SetParentBackground(true);
    const TColor panelColor = panel->Color();
    auto* group = Add<TGroupBox>(form, form, 160, 10, 200, 120, "Group");
    auto* status = Add<TStatusBar>(form, form, 0, 0, 100, 22);
    for (int width : {100, 120, 60}) status->Panels()->Add()->SetWidth(width);
    status->Panels()->Items(0)->SetText("Ready");
    status->Panels()->Items(2)->SetBevel(pbRaised);
    form->Show();
    testing_support::PumpPendingMessages();
    skin::win::TSkinForm* formSkin = testing_support::SkinFrameworkForm(*skin, form);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpPendingMessages();

    // The panel: opaque in the face colour, its ParentBackground switched off while skinned.
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_EQ(panel->Color(), objects.ButtonFaceColor);
    EXPECT_EQ(Shot(panel->Handle()).At(4, 50), PixelOf(objects.ButtonFaceColor));

    // The group box: a rounded frame line in the shadow colour on the parent's face.
    {
        Shot shot(group->Handle());
        const int height = group->Height(), width = group->Width();
        EXPECT_EQ(shot.At(1, height / 2), PixelOf(objects.ButtonShadowColor));
        EXPECT_EQ(shot.At(width / 2, height - 2), PixelOf(objects.ButtonShadowColor));
        EXPECT_EQ(shot.At(width / 2, height / 2), PixelOf(form->Color()));
    }

    // The status bar: each panel from the skin's status-bar edges, the last one reaching the
    // bar's right end; the first and last of a different bevel.
    {
        const HWND bar = status->Handle();
        Shot shot(bar);
        RECT client{};
        GetClientRect(bar, &client);
        const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
        ASSERT_EQ(parts, 3);
        const skin::TDataSkinObject* edges = objects.StatusBarEdges.get();
        ASSERT_NE(edges, nullptr);
        for (int i : {0, 2}) {
            RECT part{};
            SendMessageW(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&part));
            part.right = i == 2 ? client.right : part.right + 2;
            const skin::Rect target{0, 0, part.right - part.left, part.bottom - part.top};
            const skin::Bitmap expected =
                skin::BuildSkinImage(target, edges->Map, edges->Margins, false, edges->Tile != 0, 3, i == 2 ? 2 : 1);
            // The panel's edges, clear of the text and the size grip.
            const int h = target.Bottom;
            for (int y : {0, 1, h / 2, h - 2})
                for (int x : {0, 1, target.Right - 2, target.Right - 1}) {
                    if (i == 2 && y > 1 && x > 1) continue;  // the size grip's corner
                    EXPECT_EQ(shot.At(part.left + x, part.top + y), form_test::RgbOf(expected.At(x, y)))
                        << "panel " << i << " x " << x << " y " << y;
                }
        }
    }

    formSkin->Detach();
    testing_support::PumpPendingMessages();
    EXPECT_TRUE(panel->ParentBackground());
    EXPECT_EQ(panel->Color(), panelColor);
    delete form;
    testing_support::PumpPendingMessages();
}

INSTANTIATE_TEST_SUITE_P(OurSkins, ControlsPanels, testing::Values("graphite", "meadow"));

TEST(ControlsEnableSkin, ASkinSwitchedOffPaintsNothingAndSwitchedOnPaintsAtOnce) {
    Application->Initialize();
    auto skin = form_test::LoadSkin("graphite");
    auto* form = new TForm(nullptr);
    form->SetBounds(40, 40, 300, 200);
    auto* button = Add<TButton>(form, form, 20, 20, 120, 40, "Button");
    form->Show();
    testing_support::PumpPendingMessages();
    testing_support::SkinFrameworkForm(*skin, form);
    button->Repaint();
    testing_support::PumpPendingMessages();
    const HWND window = button->Handle();
    const std::uint32_t skinned = Shot(window).At(2, 20);

    SendMessageW(window, skin::win::SM_ENABLESKIN, 0, 0);
    EXPECT_EQ(SendMessageW(window, skin::win::SM_ISSKINNED, 0, 0), 0) << "an inactive skin lets every message pass";
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    testing_support::PumpPendingMessages();
    const std::uint32_t plain = Shot(window).At(2, 20);
    EXPECT_NE(plain, skinned);

    SendMessageW(window, skin::win::SM_ENABLESKIN, 1, 0);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(Shot(window).At(2, 20), skinned);
    EXPECT_EQ(SendMessageW(window, skin::win::SM_ISSKINNED, 0, 0), 1);
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
