// The menu bar follows the form's main menu: a form given another main menu shows that one's
// buttons and opens its drop-downs; when the menu the bar shows is freed, the bar goes (its
// height back to the client area) and a click where its buttons were reaches nothing; a new menu
// brings the bar back.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "menu_support.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"
#include "support/bar_keyboard.h"
#include "support/message_pump.h"

namespace {

using bar_keyboard::ShownDropDown;

TMainMenu* MakeMenu(TComponent* owner, std::initializer_list<const char*> captions) {
    auto* menu = new TMainMenu(owner);
    for (const char* caption : captions) {
        auto* top = new TMenuItem(nullptr);
        top->SetCaption(caption);
        auto* child = new TMenuItem(nullptr);
        child->SetCaption(std::string(caption + 1) + " stavka");
        top->Add(child);
        menu->Items()->Add(top);
    }
    return menu;
}

std::vector<std::wstring> Captions(const skin::win::TSkinForm& form) {
    std::vector<std::wstring> captions;
    if (form.MenuBar() != nullptr)
        for (const auto& button : form.MenuBar()->Buttons()) captions.push_back(button.Caption);
    return captions;
}

// Clicks the middle of bar button `index` from a second thread; returns the drop-down it showed
// (null: none), closing it again.
HMENU ClickButton(HWND window, const skin::Rect& button) {
    const RECT outer = form_test::WindowRectOf(window);
    const POINT at{outer.left + (button.Left + button.Right) / 2, outer.top + (button.Top + button.Bottom) / 2};
    HMENU shown = nullptr;
    bool done = false;
    form_test::InputThread input([&] {
        form_test::MoveMouseTo(at);
        form_test::MouseButton(true);
        form_test::MouseButton(false);
        if (form_test::WaitFor([] { return ShownDropDown() != nullptr; }, 1500)) shown = ShownDropDown();
        for (int i = 0; i < 3 && ShownDropDown() != nullptr; ++i) {
            form_test::TapKey(VK_ESCAPE);
            form_test::WaitFor([] { return ShownDropDown() == nullptr; }, 1000);
        }
        form_test::MoveMouseTo({outer.left + 30, outer.bottom - 20});
        done = true;
    });
    testing_support::PumpMessagesUntil([&] { return done; }, 10000);
    input.Join();
    testing_support::PumpMessagesFor(100);
    return shown;
}

TEST(FormMenuBarMenus, BarFollowsAnotherMainMenuAndLetsGoOfAFreedOne) {
    Application->Initialize();
    menu_test::RunningSkin skin("graphite");
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 380, 200);
    TMainMenu* first = MakeMenu(form, {"&Prvi", "&Drugi"});
    TMainMenu* second = MakeMenu(form, {"&Treci", "&Cetvrti", "&Peti"});
    form->SetMenu(first);
    form->Show();
    SetForegroundWindow(form->Handle());
    const HWND hwnd = form->Handle();
    skin::win::SkinManager->AddFormSkin(hwnd);
    testing_support::PumpMessagesFor(100);
    skin::win::TSkinForm* formSkin = skin::win::SkinManager->FindFormSkin(hwnd);
    ASSERT_NE(formSkin, nullptr);
    ASSERT_EQ(Captions(*formSkin), (std::vector<std::wstring>{L"&Prvi", L"&Drugi"}));
    const int clientWithBar = form_test::ClientRectOf(hwnd).bottom;
    const RECT outerWithBar = form_test::WindowRectOf(hwnd);

    form->SetMenu(second);
    testing_support::PumpMessagesFor(50);
    EXPECT_EQ(Captions(*formSkin), (std::vector<std::wstring>{L"&Treci", L"&Cetvrti", L"&Peti"}));
    EXPECT_EQ(GetMenu(hwnd), nullptr);  // the bar took the new menu over as well
    // The new menu's items are drawn by the skin when it draws main menu items at all; the old
    // menu has its own drawing back.
    const bool itemsSkinned = formSkin->SkinData()->SkinControls().Contains(skin::TSkinControlType::xcMenuItem);
    EXPECT_EQ(second->OwnerDraw(), itemsSkinned);
    EXPECT_FALSE(first->OwnerDraw());
    delete first;  // nothing of the bar refers to it
    testing_support::PumpMessagesFor(50);
    ASSERT_NE(formSkin->MenuBar(), nullptr);
    const skin::Rect cetvrti = formSkin->MenuBar()->ButtonRect(1);
    ASSERT_GT(cetvrti.Width(), 0);
    EXPECT_EQ(ClickButton(hwnd, cetvrti), second->Items()->Items(1)->Handle());

    // The menu the bar shows is freed: the bar lets go of it and its height goes to the client.
    delete second;
    testing_support::PumpMessagesFor(50);
    EXPECT_EQ(formSkin->MenuBar(), nullptr);
    EXPECT_GT(form_test::ClientRectOf(hwnd).bottom, clientWithBar);
    const RECT outerWithout = form_test::WindowRectOf(hwnd);
    EXPECT_EQ(outerWithout.bottom - outerWithout.top, outerWithBar.bottom - outerWithBar.top);
    EXPECT_EQ(ClickButton(hwnd, cetvrti), nullptr);

    // A new main menu brings the bar back.
    TMainMenu* third = MakeMenu(form, {"&Novi"});
    form->SetMenu(third);
    testing_support::PumpMessagesFor(50);
    EXPECT_EQ(Captions(*formSkin), (std::vector<std::wstring>{L"&Novi"}));
    EXPECT_EQ(form_test::ClientRectOf(hwnd).bottom, clientWithBar);
    ASSERT_NE(formSkin->MenuBar(), nullptr);
    EXPECT_EQ(ClickButton(hwnd, formSkin->MenuBar()->ButtonRect(0)), third->Items()->Items(0)->Handle());
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
