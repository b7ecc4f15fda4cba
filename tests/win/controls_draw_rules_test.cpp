// Drawing rules of the control skins that do not depend on a skin's own flags: combo boxes and
// progress bars are magenta-transparent whatever their object's Trans says, check and radio
// frame counts of 0 or below count as one frame, and a status bar keeps the grip its program chose
// and shows its simple text when it has no panels.

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "control_pixels.h"
#include "form_skin_fixture.h"
#include "framework/win/comctrls.h"
#include "framework/win/framework.h"
#include "gallery/win/controls_showcase.h"
#include "gallery/win/ranges_showcase.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_panels.h"
#include "skin/form/win/skin_form.h"
#include "support/control_forms.h"
#include "support/message_pump.h"

namespace {

using skin::win::TSkinControl;
using skin::win::TSkinForm;

constexpr base::Pixel kMagentaPixel = 0x00FF00FFu;

int CountMagenta(const skin::Bitmap& pixels) {
    int count = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if ((pixels.At(x, y) & 0x00FFFFFFu) == kMagentaPixel) ++count;
    return count;
}

skin::TSkinObjects& Editable(skin::win::TSkinData& data) { return const_cast<skin::TSkinObjects&>(data.Objects()); }

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpMessagesFor(50);
}

TEST(ControlsDrawRules, CombosAndProgressBarsShowNoMagentaWhateverTheirTransFlag) {
    Application->Initialize();
    for (const char* name : {"graphite", "meadow"}) {
        SCOPED_TRACE(name);
        auto data = form_test::LoadSkin(name);
        skin::TSkinObjects& objects = Editable(*data);
        // The images do hold magenta, or this proves nothing.
        ASSERT_GT(CountMagenta(objects.ComboButton->Map), 0);
        objects.ComboButton->Trans = 0;
        objects.SunkEdge->Trans = 0;
        objects.Progress->Trans = 0;
        auto* form = new TRangesForm(nullptr);
        form->Show();
        testing_support::SkinFrameworkForm(*data, form);
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        Repaint(form->Handle());
        for (const char* control :
             {"DropDownCombo", "DropDownListCombo", "RightToLeftCombo", "Progress", "VerticalProgress"}) {
            auto* window = dynamic_cast<TWinControl*>(form->FindComponent(control));
            ASSERT_NE(window, nullptr) << control;
            EXPECT_EQ(CountMagenta(testing_support::ScreenOfWindow(window->Handle())), 0) << control;
        }
        delete form;
        testing_support::PumpPendingMessages();
    }
}

TEST(ControlsDrawRules, CheckAndRadioFrameCountsBelowOneCountAsOne) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    skin::TDataSkinButton& buttons = *Editable(*data).Buttons;
    auto* form = new TControlsForm(nullptr);
    form->Show();
    testing_support::SkinFrameworkForm(*data, form);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    SetFocus(form->Handle());
    std::vector<HWND> windows;
    for (const char* control : {"PlainCheckBox", "CheckedCheckBox", "FirstRadio", "SecondRadio"}) {
        auto* window = dynamic_cast<TWinControl*>(form->FindComponent(control));
        ASSERT_NE(window, nullptr) << control;
        windows.push_back(window->Handle());
    }
    const auto shot = [&](int checkFrames, int radioFrames) {
        buttons.CheckFrameCount = checkFrames;
        buttons.RadioFrameCount = radioFrames;
        std::vector<skin::Bitmap> pixels;
        for (HWND window : windows) {
            Repaint(window);
            pixels.push_back(testing_support::ScreenOfWindow(window));
        }
        return pixels;
    };
    const std::vector<skin::Bitmap> one = shot(1, 1);
    for (const auto& [check, radio] : std::vector<std::pair<int, int>>{{0, 0}, {-2, -1}, {-100, -7}}) {
        SCOPED_TRACE(std::to_string(check) + " / " + std::to_string(radio));
        const std::vector<skin::Bitmap> counted = shot(check, radio);
        for (std::size_t i = 0; i < windows.size(); ++i)
            EXPECT_EQ(testing_support::CountMismatches(counted[i], one[i]), 0) << i;
    }
    // One frame still shows the caption: the part right of the glyph is not blank.
    for (const skin::Bitmap& pixels : one) {
        std::set<base::Pixel> colours;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 20; x < pixels.Width(); ++x) colours.insert(pixels.At(x, y));
        EXPECT_GE(colours.size(), 2u);
    }
    delete form;
    testing_support::PumpPendingMessages();
}

// A sizable form with a status bar at its bottom.
TStatusBar* FormWithStatusBar(TForm*& form, int top) {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(20, top, 320, 120);
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    return bar;
}

TEST(ControlsDrawRules, StatusBarsKeepTheirGripAndShowSimpleTextWithoutPanels) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    TForm* withGrip = nullptr;
    TForm* withoutGrip = nullptr;
    TStatusBar* gripBar = FormWithStatusBar(withGrip, 20);
    TStatusBar* plainBar = FormWithStatusBar(withoutGrip, 200);
    plainBar->SetSizeGrip(false);
    gripBar->SetSimpleText("Spremno");
    plainBar->SetSimpleText("Spremno");
    withGrip->Show();
    withoutGrip->Show();
    TSkinForm* gripSkin = testing_support::SkinFrameworkForm(*data, withGrip);
    TSkinForm* plainSkin = testing_support::SkinFrameworkForm(*data, withoutGrip);
    testing_support::PumpPendingMessages();
    const auto barSkin = [](const TSkinForm& formSkin) -> skin::win::TSkinStatusBar* {
        for (TSkinControl* skin : formSkin.ControlSkins())
            if (auto* bar = dynamic_cast<skin::win::TSkinStatusBar*>(skin)) return bar;
        return nullptr;
    };
    ASSERT_NE(barSkin(*gripSkin), nullptr);
    ASSERT_NE(barSkin(*plainSkin), nullptr);
    EXPECT_TRUE(barSkin(*gripSkin)->GripWanted());
    EXPECT_FALSE(barSkin(*plainSkin)->GripWanted());
    EXPECT_FALSE(gripBar->SizeGrip());  // the skin draws the grip in the bar's place

    // Without panels the bar shows its simple text, as it does in simple mode.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Repaint(plainBar->Handle());
    const skin::Bitmap noPanels = testing_support::ScreenOfWindow(plainBar->Handle());
    plainBar->SetSimplePanel(true);
    Repaint(plainBar->Handle());
    EXPECT_EQ(testing_support::CountMismatches(testing_support::ScreenOfWindow(plainBar->Handle()), noPanels), 0);
    plainBar->SetSimpleText("");
    Repaint(plainBar->Handle());
    EXPECT_GT(testing_support::CountMismatches(testing_support::ScreenOfWindow(plainBar->Handle()), noPanels), 0);

    // Let go, each bar has the grip its program chose.
    gripSkin->FreeControlSkins();
    plainSkin->FreeControlSkins();
    EXPECT_TRUE(gripBar->SizeGrip());
    EXPECT_FALSE(plainBar->SizeGrip());
    EXPECT_NE(GetWindowLongPtrW(gripBar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    delete withGrip;
    delete withoutGrip;
    testing_support::PumpPendingMessages();
}

}  // namespace
