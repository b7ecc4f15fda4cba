// The menu bar worked from the keyboard: which button F10 lights, where the arrows take the
// light (past hidden, empty and disabled buttons, wrapping, mirrored from the right), what opens,
// what leaves, and mnemonics.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/form/menu_bar_keyboard.h"
#include "skin/form/menu_bar_layout.h"

namespace skin::form {
namespace {

MenuBarButton Button(std::wstring caption, bool visible = true, bool enabled = true) {
    MenuBarButton b;
    b.Caption = std::move(caption);
    b.TextWidth = 20;
    b.Visible = visible;
    b.Enabled = enabled;
    return b;
}

// "&Off" is disabled, "&Hidden" hidden, the third has no caption (no room on the bar).
std::vector<MenuBarButton> Bar() {
    std::vector<MenuBarButton> buttons = {Button(L"&Off", true, false), Button(L"&File"), Button(L""),
                                          Button(L"&Hidden", false),    Button(L"&Edit"), Button(L"He&lp")};
    LayoutMenuBar(buttons, Rect{0, 0, 400, 20}, 6, false);
    return buttons;
}

TEST(FormMenuBarKeyboard, FirstButtonIsTheFirstTheKeyboardCanReach) {
    std::vector<MenuBarButton> buttons = Bar();
    EXPECT_EQ(FirstKeyboardButton(buttons), 1u);
    for (MenuBarButton& b : buttons) b.Enabled = false;
    EXPECT_EQ(FirstKeyboardButton(buttons), std::nullopt);
    EXPECT_EQ(FirstKeyboardButton({}), std::nullopt);
}

TEST(FormMenuBarKeyboard, KeysMoveOpenAndLeave) {
    const std::vector<MenuBarButton> buttons = Bar();
    struct Case {
        const char* what;
        std::size_t lit;
        BarKey key;
        bool rightToLeft;
        BarKeyResult expected;
    };
    const Case cases[] = {
        {"right skips the empty and the hidden", 1, BarKey::Right, false, {BarKeyAction::Highlight, 4}},
        {"right from the last wraps past the disabled", 5, BarKey::Right, false, {BarKeyAction::Highlight, 1}},
        {"left from the first wraps to the last", 1, BarKey::Left, false, {BarKeyAction::Highlight, 5}},
        {"left skips back over the hidden", 4, BarKey::Left, false, {BarKeyAction::Highlight, 1}},
        {"from the right, left goes on to the next", 1, BarKey::Left, true, {BarKeyAction::Highlight, 4}},
        {"from the right, right goes back", 4, BarKey::Right, true, {BarKeyAction::Highlight, 1}},
        {"down opens", 4, BarKey::Down, false, {BarKeyAction::Open, 4}},
        {"up opens", 4, BarKey::Up, false, {BarKeyAction::Open, 4}},
        {"enter opens", 5, BarKey::Enter, false, {BarKeyAction::Open, 5}},
        {"a disabled button does not open", 0, BarKey::Enter, false, {}},
        {"nothing opens outside the bar", 99, BarKey::Down, false, {}},
        {"escape leaves", 4, BarKey::Escape, false, {BarKeyAction::Leave, 4}},
        {"alt or F10 again leaves", 1, BarKey::MenuKey, false, {BarKeyAction::Leave, 1}},
        {"other keys do nothing", 1, BarKey::Other, false, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(BarKeyboardKey(buttons, c.lit, c.key, c.rightToLeft), c.expected) << c.what;

    // A bar with one reachable button keeps the light where it is.
    std::vector<MenuBarButton> lone = {Button(L"&Only"), Button(L"&Off", true, false)};
    LayoutMenuBar(lone, Rect{0, 0, 400, 20}, 6, false);
    EXPECT_EQ(BarKeyboardKey(lone, 0, BarKey::Right, false), BarKeyResult{});
    EXPECT_EQ(BarKeyboardKey(lone, 0, BarKey::Left, true), BarKeyResult{});
}

TEST(FormMenuBarKeyboard, MnemonicsOpenTheirButton) {
    const std::vector<MenuBarButton> buttons = Bar();
    EXPECT_EQ(BarKeyboardChar(buttons, L'e'), (BarKeyResult{BarKeyAction::Open, 4}));
    EXPECT_EQ(BarKeyboardChar(buttons, L'L'), (BarKeyResult{BarKeyAction::Open, 5}));
    EXPECT_EQ(BarKeyboardChar(buttons, L'o'), BarKeyResult{});  // its button is disabled
    EXPECT_EQ(BarKeyboardChar(buttons, L'h'), BarKeyResult{});  // hidden
    EXPECT_EQ(BarKeyboardChar(buttons, L'z'), BarKeyResult{});
}

}  // namespace
}  // namespace skin::form
