// The skinned menu bar worked from the keyboard as a person works it, on a framework form whose
// edit has the focus (as the utility's tree has): F10 and Alt light the first button (read back
// from the screen: raised), the arrows move the light, Down or Enter opens (the button reads back
// sunken and the #32768 window shows its drop-down), Left and Right in a drop-down go on to the
// next button, Escape goes back to the lit bar and then leaves it, Alt and a letter open that
// letter's drop-down, Enter on an item runs it; a mouse resting on the bar takes nothing from the
// keyboard; the edit never sees those keys and keeps the focus. Typed once through SendInput from a second thread and once on the X display itself.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "framework/win/std_ctrls.h"
#include "menu_support.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"
#include "support/bar_keyboard.h"

namespace {

using bar_keyboard::Look;
using bar_keyboard::Name;
using bar_keyboard::ShownDropDown;

// A form that reads from the right from its creation on, as the skin first sees it.
class TRightToLeftForm : public TForm {
    T_CLASS(TRightToLeftForm, TForm)
public:
    using TForm::TForm;

protected:
    void CreateParams(TCreateParams& params) override {
        TForm::CreateParams(params);
        params.ExStyle |= WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
    }
};

// A framework form with a three-item main menu and a focused edit that counts the navigation
// keys it receives.
class KeyboardForm {
public:
    explicit KeyboardForm(bool rightToLeft = false) {
        Application->Initialize();
        form_ = rightToLeft ? new TRightToLeftForm(nullptr) : new TForm(nullptr);
        form_->SetBounds(140, 100, 420, 220);
        menu_ = new TMainMenu(form_);
        const char* captions[] = {"&Akcija", "&Pogled", "P&omoc"};
        for (const char* caption : captions) {
            auto* top = new TMenuItem(nullptr);
            top->SetCaption(caption);
            for (const char* name : {"Prva", "Druga"}) {
                auto* child = new TMenuItem(nullptr);
                child->SetCaption(name);
                top->Add(child);
            }
            menu_->Items()->Add(top);
        }
        menu_->Items()->Items(0)->Items(0)->OnClick = [this](TObject*) { ++firstRun_; };
        form_->SetMenu(menu_);
        edit_ = new TEdit(form_);
        edit_->SetParent(form_);
        edit_->SetBounds(10, 10, 200, 24);
        edit_->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
            if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_ESCAPE ||
                key == VK_RETURN)
                ++editKeys_;
        };
        form_->Show();
        SetForegroundWindow(form_->Handle());
        edit_->SetFocus();
        skin::win::SkinManager->AddFormSkin(form_->Handle());
        testing_support::PumpMessagesFor(100);
        skin_ = skin::win::SkinManager->FindFormSkin(form_->Handle());
        if (skin_ != nullptr && skin_->MenuBar() != nullptr)
            for (std::size_t i = 0; i < 3; ++i) buttons_[i] = skin_->MenuBar()->ButtonRect(i);
    }
    ~KeyboardForm() {
        delete form_;
        testing_support::PumpPendingMessages();
    }
    KeyboardForm(const KeyboardForm&) = delete;
    KeyboardForm& operator=(const KeyboardForm&) = delete;

    skin::win::TSkinForm* Skin() const { return skin_; }
    HWND Handle() const { return form_->Handle(); }
    HWND EditHandle() const { return edit_->Handle(); }
    HMENU DropDown(int index) const { return menu_->Items()->Items(index)->Handle(); }
    skin::Rect Button(std::size_t index) const { return buttons_[index]; }
    int EditKeys() const { return editKeys_; }
    int FirstRun() const { return firstRun_; }

    Look LookOf(std::size_t index) const {
        return bar_keyboard::LookOf(form_->Handle(), buttons_[index], skin_->SkinData()->Objects());
    }

private:
    TForm* form_ = nullptr;
    TMainMenu* menu_ = nullptr;
    TEdit* edit_ = nullptr;
    skin::win::TSkinForm* skin_ = nullptr;
    skin::Rect buttons_[3];
    std::atomic<int> editKeys_{0};
    std::atomic<int> firstRun_{0};
};

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The whole walk over the bar; returns what did not happen as expected.
std::vector<std::string> WalkTheBar(bar_keyboard::Keyboard& keys, const KeyboardForm& form, bool mouseRestsOnTheBar,
                                    std::atomic<int>& editKeysAtEnd) {
    std::vector<std::string> missed;
    const auto expect = [&](const std::string& what, const std::function<bool()>& condition) {
        if (form_test::WaitFor(condition)) return;
        std::string seen = what + " (drop-down " + (ShownDropDown() != nullptr ? "open" : "closed");
        for (std::size_t i = 0; i < 3; ++i) seen += std::string(", ") + Name(form.LookOf(i));
        missed.push_back(seen + ")");
    };
    const auto only = [&](std::size_t index, Look look) {
        for (std::size_t i = 0; i < 3; ++i)
            if (form.LookOf(i) != (i == index ? look : Look::Flat)) return false;
        return true;
    };
    const auto allFlat = [&] { return only(99, Look::Flat); };

    keys.Tap(VK_F10);
    expect("F10 lights Akcija", [&] { return only(0, Look::Raised) && ShownDropDown() == nullptr; });
    keys.Tap(VK_RIGHT);
    expect("Right lights Pogled", [&] { return only(1, Look::Raised); });
    keys.Tap(VK_DOWN);
    expect("Down opens Pogled", [&] { return ShownDropDown() == form.DropDown(1) && only(1, Look::Sunken); });
    keys.Tap(VK_RIGHT);
    expect("Right in the drop-down opens Pomoc",
           [&] { return ShownDropDown() == form.DropDown(2) && only(2, Look::Sunken); });
    keys.Tap(VK_LEFT);
    expect("Left in the drop-down opens Pogled",
           [&] { return ShownDropDown() == form.DropDown(1) && only(1, Look::Sunken); });
    keys.Tap(VK_ESCAPE);
    expect("Escape goes back to the lit bar", [&] { return ShownDropDown() == nullptr && only(1, Look::Raised); });
    keys.Tap(VK_ESCAPE);
    expect("Escape leaves the bar", allFlat);
    keys.AltWith('o');
    expect("Alt+O opens Pomoc", [&] { return ShownDropDown() == form.DropDown(2) && only(2, Look::Sunken); });
    keys.Tap(VK_ESCAPE);
    expect("Escape goes back to the lit bar", [&] { return ShownDropDown() == nullptr && only(2, Look::Raised); });
    keys.Tap(VK_ESCAPE);
    expect("Escape leaves the bar", allFlat);
    keys.Tap(VK_MENU);
    expect("Alt lights Akcija", [&] { return only(0, Look::Raised); });
    keys.Tap(VK_RETURN);
    expect("Enter opens Akcija", [&] { return ShownDropDown() == form.DropDown(0) && only(0, Look::Sunken); });
    keys.Tap(VK_RETURN);
    expect("Enter runs Prva and leaves",
           [&] { return form.FirstRun() == 1 && ShownDropDown() == nullptr && allFlat(); });
    editKeysAtEnd = form.EditKeys();
    keys.Tap(VK_DOWN);
    expect("Down reaches the edit again", [&] { return form.EditKeys() == editKeysAtEnd + 1; });
    if (!mouseRestsOnTheBar) return missed;

    // The mouse moved onto Akcija takes the light; then it rests there while the keyboard walks
    // on, as a hand off the mouse leaves it. The system reports a resting mouse again whenever a
    // drop-down opens, and that must not take the light or the drop-down back to Akcija (which
    // may look hot under the mouse whenever the bar does not hold it).
    const auto onlyUnderMouse = [&](std::size_t index, Look look) {
        for (std::size_t i = 0; i < 3; ++i) {
            const Look seen = form.LookOf(i);
            if (i == index ? seen != look : seen != Look::Flat && !(i == 0 && seen == Look::Raised)) return false;
        }
        return true;
    };
    keys.Tap(VK_F10);
    expect("F10 lights Akcija again", [&] { return only(0, Look::Raised) && ShownDropDown() == nullptr; });
    keys.Tap(VK_RIGHT);
    expect("Right lights Pogled again", [&] { return only(1, Look::Raised); });
    const RECT outer = form_test::WindowRectOf(form.Handle());
    const skin::Rect first = form.Button(0);
    bar_keyboard::MoveMouseOnDisplay(
        {outer.left + (first.Left + first.Right) / 2, outer.top + (first.Top + first.Bottom) / 2});
    expect("The mouse moved onto Akcija lights it", [&] { return only(0, Look::Raised); });
    keys.Tap(VK_RIGHT);
    expect("Right lights Pogled under the resting mouse", [&] { return onlyUnderMouse(1, Look::Raised); });
    keys.Tap(VK_DOWN);
    expect("Down opens Pogled under the resting mouse",
           [&] { return ShownDropDown() == form.DropDown(1) && onlyUnderMouse(1, Look::Sunken); });
    keys.Tap(VK_RIGHT);
    expect("Right opens Pomoc under the resting mouse",
           [&] { return ShownDropDown() == form.DropDown(2) && onlyUnderMouse(2, Look::Sunken); });
    keys.Tap(VK_LEFT);
    expect("Left opens Pogled under the resting mouse",
           [&] { return ShownDropDown() == form.DropDown(1) && onlyUnderMouse(1, Look::Sunken); });
    keys.Tap(VK_ESCAPE);
    expect("Escape goes back to Pogled under the resting mouse",
           [&] { return ShownDropDown() == nullptr && onlyUnderMouse(1, Look::Raised); });
    keys.Tap(VK_ESCAPE);
    const int before = form.EditKeys();
    keys.Tap(VK_DOWN);
    expect("Escape leaves the bar under the resting mouse", [&] { return form.EditKeys() == before + 1; });
    return missed;
}

void RunWalk(bar_keyboard::Keyboard& keys, bool mouseRestsOnTheBar) {
    menu_test::RunningSkin skin("graphite");
    KeyboardForm form;
    ASSERT_NE(form.Skin(), nullptr);
    ASSERT_NE(form.Skin()->MenuBar(), nullptr);
    ASSERT_NE(ColorToRGB(skin.Data().Objects().ButtonHilightColor),
              ColorToRGB(skin.Data().Objects().ButtonShadowColor));
    for (std::size_t i = 0; i < 3; ++i) ASSERT_GT(form.Button(i).Width(), 2);
    ASSERT_EQ(GetFocus(), form.EditHandle());
    // The mouse starts off the bar, wherever an earlier program left it.
    bar_keyboard::MoveMouseOnDisplay(Centre(form_test::WindowRectOf(form.EditHandle())));
    testing_support::PumpMessagesFor(50);

    std::vector<std::string> missed;
    std::atomic<int> editKeysAtEnd{-1};
    std::atomic<bool> done{false};
    const bar_keyboard::LeaveMenusWhenDone leave(done);
    form_test::InputThread input([&] {
        missed = WalkTheBar(keys, form, mouseRestsOnTheBar, editKeysAtEnd);
        done = true;
    });
    testing_support::PumpApplicationUntil([&] { return done.load(); }, 60000);
    input.Join();
    testing_support::PumpPendingMessages();
    for (const std::string& m : missed) ADD_FAILURE() << m;
    EXPECT_EQ(editKeysAtEnd, 0) << "the edit saw keys meant for the bar";
    EXPECT_EQ(form.EditKeys(), mouseRestsOnTheBar ? 2 : 1) << "the edit saw keys meant for the bar";
    EXPECT_EQ(GetFocus(), form.EditHandle());
    EXPECT_FALSE(form.Skin()->MenuTracking());
    EXPECT_FALSE(form.Skin()->MenuBarKeyboard());
}

TEST(MenuBarKeyboard, WalkThroughSendInput) {
    bar_keyboard::SendInputKeyboard keys;
    // The mouse stays off the bar: Wine puts its cursor back where the display's pointer is as a
    // drop-down closes after keys that did not come from the display.
    RunWalk(keys, false);
}

TEST(MenuBarKeyboard, WalkTypedOnTheXDisplay) {
    if (!bar_keyboard::XDisplayKeyboard::Available()) GTEST_SKIP() << "no X display or xdotool to type on";
    bar_keyboard::XDisplayKeyboard keys;
    RunWalk(keys, true);  // every step checks that its key arrived
}

// A window that reads from the right: its bar runs from the right edge, F10 lights the rightmost
// button, and Left lights the one left of it on the screen, with the drop-down and without.
TEST(MenuBarKeyboard, RightToLeftBarRunsFromTheRightAndArrowsFollowTheScreen) {
    menu_test::RunningSkin skin("meadow");
    KeyboardForm form(true);
    ASSERT_NE(form.Skin(), nullptr);
    ASSERT_TRUE(form.Skin()->RightToLeft());
    ASSERT_NE(form.Skin()->MenuBar(), nullptr);
    const RECT window = form_test::WindowRectOf(form.Handle());
    const int width = window.right - window.left;
    EXPECT_GT(form.Button(0).Left, width / 2) << "the first button sits at the right";
    EXPECT_LT(form.Button(1).Right, form.Button(0).Left + 1);
    EXPECT_LT(form.Button(2).Right, form.Button(1).Left + 1);
    bar_keyboard::MoveMouseOnDisplay(Centre(form_test::WindowRectOf(form.EditHandle())));

    std::vector<std::string> missed;
    std::atomic<bool> done{false};
    const bar_keyboard::LeaveMenusWhenDone leave(done);
    bar_keyboard::SendInputKeyboard keys;
    form_test::InputThread input([&] {
        const auto expect = [&](const char* what, const std::function<bool()>& condition) {
            if (!form_test::WaitFor(condition)) missed.emplace_back(what);
        };
        keys.Tap(VK_F10);
        expect("F10 lights the rightmost button", [&] { return form.LookOf(0) == Look::Raised; });
        keys.Tap(VK_LEFT);
        expect("Left lights the button left of it",
               [&] { return form.LookOf(1) == Look::Raised && form.LookOf(0) == Look::Flat; });
        keys.Tap(VK_RIGHT);
        expect("Right goes back", [&] { return form.LookOf(0) == Look::Raised; });
        keys.Tap(VK_DOWN);
        expect("Down opens it", [&] { return ShownDropDown() == form.DropDown(0); });
        keys.Tap(VK_LEFT);
        expect("Left in the drop-down opens the button to the left",
               [&] { return ShownDropDown() == form.DropDown(1); });
        keys.Tap(VK_ESCAPE);
        expect("Escape goes back to the lit bar", [&] { return ShownDropDown() == nullptr; });
        keys.Tap(VK_ESCAPE);
        expect("Escape twice leaves", [&] { return ShownDropDown() == nullptr && form.LookOf(1) == Look::Flat; });
        done = true;
    });
    testing_support::PumpApplicationUntil([&] { return done.load(); }, 30000);
    input.Join();
    for (const std::string& m : missed) ADD_FAILURE() << m;
    EXPECT_FALSE(form.Skin()->MenuBarKeyboard());
}

}  // namespace
