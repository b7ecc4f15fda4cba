// A framework form under the form skin: its colour, AutoScroll and main menu are taken over
// while skinned and given back on detach.

#include <gtest/gtest.h>

#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"

namespace {

TEST(FormFrameworkForm, ColourAutoScrollAndMenuAreTakenOverAndGivenBack) {
    Application->Initialize();
    auto skin = form_test::LoadSkin("meadow");
    auto* form = new TForm(nullptr);
    form->SetBounds(60, 60, 320, 240);
    form->SetColor(RGB(10, 20, 30));
    form->SetAutoScroll(true);
    auto* menu = new TMainMenu(form);
    const char* captions[] = {"&Datoteka", "&Pomoc"};
    for (const char* caption : captions) {
        auto* top = new TMenuItem(nullptr);
        top->SetCaption(caption);
        auto* child = new TMenuItem(nullptr);
        child->SetCaption("Stavka");
        top->Add(child);
        menu->Items()->Add(top);
    }
    form->SetMenu(menu);
    form->Show();
    testing_support::PumpPendingMessages();
    const HWND hwnd = form->Handle();
    const HMENU windowsMenu = GetMenu(hwnd);
    ASSERT_NE(windowsMenu, nullptr);
    const int clientWidth = form_test::ClientRectOf(hwnd).right;

    auto* formSkin = new skin::win::TSkinForm(form);
    formSkin->Handle = hwnd;
    formSkin->AttachForm(skin.get(), form);
    SendMessageW(hwnd, skin::win::SM_SKINCONTROLS, 0, 1000);
    testing_support::PumpPendingMessages();

    EXPECT_FALSE(form->AutoScroll());
    EXPECT_EQ(form->Color(), skin->Objects().ButtonFaceColor);
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    ASSERT_NE(formSkin->MenuBar(), nullptr);
    const auto buttons = formSkin->MenuBar()->Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].Caption, L"&Datoteka");
    EXPECT_EQ(buttons[1].Caption, L"&Pomoc");
    EXPECT_EQ(form_test::ClientRectOf(hwnd).right, clientWidth);

    formSkin->Detach();
    testing_support::PumpPendingMessages();
    EXPECT_TRUE(form->AutoScroll());
    EXPECT_EQ(form->Color(), RGB(10, 20, 30));
    EXPECT_EQ(GetMenu(hwnd), windowsMenu);
    delete form;  // frees the form skin it owns
    testing_support::PumpPendingMessages();
}

}  // namespace
