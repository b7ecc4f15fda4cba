// The gallery's second page of controls under the skin: every framework control of it gets the
// skin of its kind, a click and Ctrl+Tab turn the page control's page, up-down arrows count and a track bar's
// thumb drags as they do unskinned.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "gallery/win/ranges_showcase.h"
#include "skin/controls/win/skin_control.h"
#include "skin/form/win/skin_form.h"
#include "support/control_forms.h"
#include "support/control_skins.h"
#include "support/message_pump.h"

namespace {

using testing_support::SkinClassOf;

TEST(ControlsSecondPage, EveryFrameworkControlGetsTheSkinOfItsKind) {
    Application->Initialize();
    auto data = form_test::LoadSkin("meadow");
    auto* form = new TRangesForm(nullptr);
    form->Show();
    testing_support::PumpPendingMessages();
    skin::win::TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();

    const std::map<std::string, std::string> expected = {
        {"DropDownCombo", "TSkinComBox"},   {"DropDownListCombo", "TSkinComBox"},
        {"SimpleCombo", "TSkinComBox"},     {"RightToLeftCombo", "TSkinComBox"},
        {"PlainEdit", "TSkinEdit"},         {"SpinEdit", "TSkinEdit"},
        {"PageControl", "TSkinTab"},        {"BottomTabs", "TSkinTab"},
        {"LeftTabs", "TSkinTab"},           {"TabSet", "TSkinTab31"},
        {"Progress", "TSkinProgress"},      {"VerticalProgress", "TSkinProgress"},
        {"TrackBar", "TSkinTrackBar"},      {"ListView", "TSkinListView"},
        {"OwnerDrawnCombo", "TSkinComBox"}, {"OverflowTabs", "TSkinTab"},
        {"ExtendedCombo", "TSkinComBox"},
    };
    for (const auto& [name, skinClass] : expected) {
        const TComponent* control = form->FindComponent(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(SkinClassOf(*formSkin, control), skinClass) << name;
    }
    for (int i = 0; i < form->Pages->ControlCount(); ++i)
        EXPECT_EQ(SkinClassOf(*formSkin, form->Pages->Controls(i)), "TSkinTabSheet");

    // A click on the second tab turns the page, skinned as the control is.
    form->Pages->SetActivePageIndex(0);
    testing_support::PumpPendingMessages();
    RECT tab{};
    SendMessageW(form->Pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    MapWindowPoints(form->Pages->Handle(), nullptr, reinterpret_cast<POINT*>(&tab), 2);
    form_test::InputThread input([tab] {
        form_test::MoveMouseTo(POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
        form_test::MouseButton(true);
        Sleep(30);
        form_test::MouseButton(false);
    });
    EXPECT_TRUE(testing_support::PumpMessagesUntil([&] { return form->Pages->ActivePageIndex() == 1; }, 5000));
    input.Join();
    EXPECT_TRUE(IsWindowVisible(form->Pages->ActivePage()->Handle()));

    // Ctrl+Tab from a control on the page turns to the next page; the keys go through the
    // program's own loop, which hands dialog keys to the form.
    auto* onPage = dynamic_cast<TWinControl*>(form->FindComponent("CheckOnColours"));
    ASSERT_NE(onPage, nullptr);
    SetForegroundWindow(form->Handle());
    onPage->SetFocus();
    form_test::InputThread keys([] {
        form_test::Key(VK_CONTROL, true);
        form_test::Key(VK_TAB, true);
        form_test::Key(VK_TAB, false);
        form_test::Key(VK_CONTROL, false);
    });
    const DWORD start = GetTickCount();
    while (form->Pages->ActivePageIndex() != 2 && GetTickCount() - start < 5000) {
        Application->ProcessMessages();
        Sleep(10);
    }
    keys.Join();
    EXPECT_EQ(form->Pages->ActivePageIndex(), 2);

    // Arrows that change the buddy: the value after three clicks on the upper arrow is what the
    // unskinned control gives (7 + 3), the skin keeping the control's own auto-repeat.
    const int before = form->Arrows->Position();
    RECT arrows{};
    GetWindowRect(form->Arrows->Handle(), &arrows);
    form_test::InputThread clicks([arrows] {
        form_test::MoveMouseTo(POINT{(arrows.left + arrows.right) / 2, arrows.top + 3});
        for (int i = 0; i < 3; ++i) {
            form_test::MouseButton(true);
            Sleep(40);
            form_test::MouseButton(false);
            Sleep(120);
        }
    });
    EXPECT_TRUE(testing_support::PumpMessagesUntil([&] { return form->Arrows->Position() == before + 3; }, 5000))
        << form->Arrows->Position();
    clicks.Join();
    testing_support::PumpPendingMessages();
    EXPECT_EQ(form->ArrowsBuddy->Text(), std::to_string(before + 3));

    // The track bar's thumb dragged to the far end of the channel: the skin draws the thumb but
    // leaves the dragging to the control, which ends at its maximum as it does unskinned.
    const HWND track = form->Track->Handle();
    RECT thumb{}, channel{};
    SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    MapWindowPoints(track, nullptr, reinterpret_cast<POINT*>(&thumb), 2);
    MapWindowPoints(track, nullptr, reinterpret_cast<POINT*>(&channel), 2);
    form_test::InputThread drag([thumb, channel] {
        const int y = (thumb.top + thumb.bottom) / 2;
        form_test::MoveMouseTo(POINT{(thumb.left + thumb.right) / 2, y});
        form_test::MouseButton(true);
        for (int x = thumb.right; x <= channel.right + 20; x += 10) {
            form_test::MoveMouseTo(POINT{x, y});
            Sleep(10);
        }
        form_test::MouseButton(false);
    });
    EXPECT_TRUE(testing_support::PumpMessagesUntil([&] { return form->Track->Position() == 10; }, 5000))
        << form->Track->Position();
    drag.Join();
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
