// The utility's main window worked from the keyboard as its user works it, with the tree holding
// the focus: F10 lights "Akcija", Right "Pomoc", Down opens its drop-down (button sunken), Left
// in it goes on to "Akcija"'s, Escape twice leaves; Alt+A opens "Akcija"'s drop-down at once. The
// tree keeps its selected node and the focus. Once through SendInput, once typed on the X display.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/win/main_window.h"
#include "framework/win/text.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"
#include "support/bar_keyboard.h"
#include "support/message_pump.h"
#include "win/driver/app_session.h"

namespace {

using bar_keyboard::Look;
using bar_keyboard::ShownDropDown;

void WalkTheUtilitysBar(bar_keyboard::Keyboard& keys) {
    // Skinned with our default skin, as tweak.exe starts.
    SetEnvironmentVariableW(L"TWEAK_SKIN", WidenText(BUILT_SKINS_DIR "/graphite.skn").c_str());
    ui_driver::StartApplicationOnce();
    SetEnvironmentVariableW(L"TWEAK_SKIN", nullptr);
    const HWND main = Form1->Handle();
    SetForegroundWindow(main);
    Form1->TreeView1->SetFocus();
    // The mouse off the bar, wherever an earlier program left it.
    RECT tree{};
    GetWindowRect(Form1->TreeView1->Handle(), &tree);
    bar_keyboard::MoveMouseOnDisplay({(tree.left + tree.right) / 2, (tree.top + tree.bottom) / 2});
    testing_support::PumpApplicationUntil([] { return false; }, 300);  // settles
    skin::win::TSkinForm* formSkin =
        skin::win::SkinManager != nullptr ? skin::win::SkinManager->FindFormSkin(main) : nullptr;
    ASSERT_NE(formSkin, nullptr);
    ASSERT_NE(formSkin->MenuBar(), nullptr);
    ASSERT_EQ(formSkin->MenuBar()->Buttons().size(), 2u);
    const skin::Rect akcija = formSkin->MenuBar()->ButtonRect(0);
    const skin::Rect pomoc = formSkin->MenuBar()->ButtonRect(1);
    const skin::TSkinObjects& objects = formSkin->SkinData()->Objects();
    ASSERT_EQ(GetFocus(), Form1->TreeView1->Handle());
    TTreeNode* selected = Form1->TreeView1->Selected();
    const HMENU akcijaMenu = Form1->Akcija1->Handle();
    const HMENU pomocMenu = Form1->Pomoc1->Handle();

    std::vector<std::string> missed;
    std::atomic<bool> done{false};
    const bar_keyboard::LeaveMenusWhenDone leave(done);
    const auto look = [&](const skin::Rect& button) { return bar_keyboard::LookOf(main, button, objects); };
    std::thread input([&] {
        const auto expect = [&](const char* what, const std::function<bool()>& condition) {
            const DWORD start = GetTickCount();
            while (!condition()) {
                if (GetTickCount() - start > 5000) {
                    missed.push_back(std::string(what) + " (Akcija " + bar_keyboard::Name(look(akcija)) + ", Pomoc " +
                                     bar_keyboard::Name(look(pomoc)) + ")");
                    return;
                }
                Sleep(5);
            }
        };
        keys.Tap(VK_F10);
        expect("F10 lights Akcija", [&] { return look(akcija) == Look::Raised && ShownDropDown() == nullptr; });
        keys.Tap(VK_RIGHT);
        expect("Right lights Pomoc", [&] { return look(pomoc) == Look::Raised && look(akcija) == Look::Flat; });
        keys.Tap(VK_DOWN);
        expect("Down opens Pomoc", [&] { return ShownDropDown() == pomocMenu && look(pomoc) == Look::Sunken; });
        keys.Tap(VK_LEFT);
        expect("Left opens Akcija", [&] { return ShownDropDown() == akcijaMenu && look(akcija) == Look::Sunken; });
        keys.Tap(VK_ESCAPE);
        expect("Escape goes back to the lit bar",
               [&] { return ShownDropDown() == nullptr && look(akcija) == Look::Raised; });
        keys.Tap(VK_ESCAPE);
        expect("Escape leaves", [&] { return look(akcija) == Look::Flat && look(pomoc) == Look::Flat; });
        keys.AltWith('a');
        expect("Alt+A opens Akcija", [&] { return ShownDropDown() == akcijaMenu && look(akcija) == Look::Sunken; });
        keys.Tap(VK_ESCAPE);
        expect("Escape goes back to the lit bar again",
               [&] { return ShownDropDown() == nullptr && look(akcija) == Look::Raised; });
        keys.Tap(VK_ESCAPE);
        expect("Escape leaves again", [&] { return ShownDropDown() == nullptr && look(akcija) == Look::Flat; });
        done = true;
    });
    testing_support::PumpApplicationUntil([&] { return done.load(); }, 60000);
    input.join();
    for (const std::string& m : missed) ADD_FAILURE() << m;
    EXPECT_EQ(GetFocus(), Form1->TreeView1->Handle());
    EXPECT_EQ(Form1->TreeView1->Selected(), selected) << "the tree took keys meant for the bar";
    EXPECT_FALSE(formSkin->MenuBarKeyboard());
}

TEST(AppMenuKeyboard, BarWorkedThroughSendInput) {
    bar_keyboard::SendInputKeyboard keys;
    WalkTheUtilitysBar(keys);
}

TEST(AppMenuKeyboard, BarWorkedFromTheXDisplaysKeyboard) {
    if (!bar_keyboard::XDisplayKeyboard::Available()) GTEST_SKIP() << "no X display or xdotool to type on";
    bar_keyboard::XDisplayKeyboard keys;
    WalkTheUtilitysBar(keys);  // every step checks that its key arrived
}

}  // namespace
