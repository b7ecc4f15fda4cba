// Control skins of controls whose window the framework made again: a combo box watches its new
// inner edit and skins its new list, an edit skins its new arrows, a list view its new header. And
// a combo's inner edit that another party subclassed after the skin keeps working when the skin
// goes and when a new one comes.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "form_skin_fixture.h"
#include "framework/win/combo_box.h"
#include "framework/win/framework.h"
#include "gallery/win/ranges_showcase.h"
#include "skin/controls/win/skin_combo_box.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_edit.h"
#include "skin/controls/win/skin_range.h"
#include "skin/controls/win/skin_scroll_bars.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/form/win/skin_form.h"
#include "support/control_forms.h"
#include "support/control_skins.h"
#include "support/message_pump.h"
#include "support/window_probe.h"

namespace {

using skin::win::TSkinControl;
using skin::win::TSkinForm;
using testing_support::SkinOf;

COMBOBOXINFO InfoOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    return info;
}

TWinControl* Named(TComponent* form, const char* name) {
    auto* control = dynamic_cast<TWinControl*>(form->FindComponent(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

bool PressShows(TSkinControl& skin, HWND window) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    const bool pressed = (skin.State() & TSkinControl::kPressed) != 0;
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    return pressed && (skin.State() & TSkinControl::kPressed) == 0;
}

TEST(ControlsRecreate, ControlsMadeAgainAreSkinnedWhole) {
    Application->Initialize();
    auto data = form_test::LoadSkin("meadow");
    auto* form = new TRangesForm(nullptr);
    form->Show();
    TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    TWinControl* dropDown = Named(form, "DropDownCombo");
    TWinControl* simple = Named(form, "SimpleCombo");
    TWinControl* spin = Named(form, "SpinEdit");
    TWinControl* list = Named(form, "ListView");
    ASSERT_TRUE(dropDown && simple && spin && list);
    const HWND oldEdit = InfoOf(dropDown->Handle()).hwndItem;
    for (TWinControl* control : {dropDown, simple, spin, list}) control->RecreateWnd();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpPendingMessages();

    auto* combo = SkinOf<skin::win::TSkinComBox>(*formSkin, dropDown);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->LifeState(), TSkinControl::kAttached);
    const HWND edit = InfoOf(dropDown->Handle()).hwndItem;
    ASSERT_NE(edit, oldEdit);
    EXPECT_EQ(combo->EditHandle(), edit);
    EXPECT_TRUE(PressShows(*combo, edit));  // the new inner edit's presses reach the skin

    auto* simpleSkin = SkinOf<skin::win::TSkinComBox>(*formSkin, simple);
    ASSERT_NE(simpleSkin, nullptr);
    ASSERT_NE(simpleSkin->ListSkin(), nullptr);
    EXPECT_EQ(simpleSkin->ListSkin()->Handle(), InfoOf(simple->Handle()).hwndList);
    EXPECT_EQ(simpleSkin->ListSkin()->LifeState(), TSkinControl::kAttached);

    auto* spinSkin = SkinOf<skin::win::TSkinEdit>(*formSkin, spin);
    ASSERT_NE(spinSkin, nullptr);
    ASSERT_NE(spinSkin->UpDown(), nullptr);
    EXPECT_EQ(spinSkin->UpDown()->Handle(), FindWindowExW(spin->Handle(), nullptr, UPDOWN_CLASSW, nullptr));
    EXPECT_EQ(spinSkin->UpDown()->LifeState(), TSkinControl::kAttached);

    auto* listSkin = SkinOf<skin::win::TSkinListView>(*formSkin, list);
    ASSERT_NE(listSkin, nullptr);
    ASSERT_NE(listSkin->Header(), nullptr);
    EXPECT_EQ(listSkin->Header()->Handle(), reinterpret_cast<HWND>(SendMessageW(list->Handle(), LVM_GETHEADER, 0, 0)));

    // Nothing of the old windows is left in the list.
    for (const TSkinControl* skin : formSkin->ControlSkins()) {
        EXPECT_NE(skin->LifeState(), TSkinControl::kWindowGone) << skin->ClassName();
        EXPECT_TRUE(skin->Handle() == nullptr || IsWindow(skin->Handle())) << skin->ClassName();
    }
    delete form;
    testing_support::PumpPendingMessages();
}

// Another party's procedure on the inner edit, put on after the skin's.
WNDPROC g_belowOther = nullptr;
int g_otherSaw = 0;
LRESULT CALLBACK OtherPartyProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++g_otherSaw;
    return CallWindowProcW(g_belowOther, window, msg, wParam, lParam);
}

TEST(ControlsRecreate, AnInnerEditSubclassedAfterTheSkinKeepsWorking) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 300, 200);
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 24);
    form->Show();
    TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    const HWND edit = InfoOf(combo->Handle()).hwndItem;
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(SkinOf<skin::win::TSkinComBox>(*formSkin, combo), nullptr);
    g_otherSaw = 0;
    g_belowOther =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherPartyProc)));

    // The skins go (as when the form skin lets go of its controls): the edit stays an edit.
    formSkin->FreeControlSkins();
    SetWindowTextW(edit, L"");
    SendMessageW(edit, WM_CHAR, 'a', 1);
    EXPECT_EQ(testing_support::TextOf(edit), L"a");
    EXPECT_NE(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0);
    EXPECT_GT(g_otherSaw, 0);

    // A new walk gives the combo a new skin: the edit goes on working and the skin sees its presses.
    formSkin->SkinControls();
    auto* skin = SkinOf<skin::win::TSkinComBox>(*formSkin, combo);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->EditHandle(), edit);
    SendMessageW(edit, WM_CHAR, 'b', 1);
    EXPECT_EQ(testing_support::TextOf(edit), L"ab");
    EXPECT_TRUE(PressShows(*skin, edit));
    const int seen = g_otherSaw;
    SendMessageW(edit, WM_CHAR, 'c', 1);
    EXPECT_GT(g_otherSaw, seen);
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
