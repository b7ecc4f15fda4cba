// Menu bar: button layout, hit-testing, accelerators, arrow-key moves and separator tidying.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/form/menu_accelerator.h"
#include "skin/form/menu_bar_layout.h"
#include "skin/form/menu_navigation.h"
#include "skin/form/menu_separators.h"

namespace skin::form {
namespace {

MenuBarButton Button(std::wstring caption, int textWidth, bool visible = true, bool enabled = true) {
    MenuBarButton b;
    b.Caption = std::move(caption);
    b.TextWidth = textWidth;
    b.Visible = visible;
    b.Enabled = enabled;
    return b;
}

TEST(FormMenuBarLayout, StartOffsets) {
    TDataSkinObject bar("MenuBar");
    bar.Margins = {5, 0, 7, 0};
    struct Case {
        const char* what;
        const TDataSkinObject* object;
        bool rightToLeft;
        int barWidth;
        int expected;
    };
    const Case cases[] = {
        {"no image", nullptr, false, 300, 6},
        {"after the left margin", &bar, false, 300, 9},
        {"after the right margin", &bar, true, 300, 15},
        {"bar narrower than the start", &bar, false, 8, 12},
        {"right-to-left bar narrower than the start", &bar, true, 14, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuBarStartOffset(c.object, c.rightToLeft, c.barWidth), c.expected) << c.what;
}

TEST(FormMenuBarLayout, ButtonsRunFromTheLeadingEdge) {
    std::vector<MenuBarButton> buttons = {Button(L"&File", 30), Button(L"&Edit", 25, false), Button(L"", 0),
                                          Button(L"&Help", 28)};
    buttons[1].BoundsRect = {1, 2, 3, 4};
    const Rect bar{4, 30, 304, 50};

    LayoutMenuBar(buttons, bar, 6, false);
    EXPECT_EQ(buttons[0].BoundsRect, (Rect{10, 30, 50, 49}));
    EXPECT_EQ(buttons[1].BoundsRect, Rect{}) << "hidden buttons get an empty rectangle";
    EXPECT_EQ(buttons[2].BoundsRect, (Rect{50, 30, 50, 49})) << "an empty caption takes no room";
    EXPECT_EQ(buttons[3].BoundsRect, (Rect{50, 30, 88, 49}));

    LayoutMenuBar(buttons, bar, 6, true);
    EXPECT_EQ(buttons[0].BoundsRect, (Rect{258, 30, 298, 49}));
    EXPECT_EQ(buttons[1].BoundsRect, Rect{});
    EXPECT_EQ(buttons[2].BoundsRect, (Rect{258, 30, 258, 49}));
    EXPECT_EQ(buttons[3].BoundsRect, (Rect{220, 30, 258, 49}));
}

TEST(FormMenuBarHit, EdgesOfButtonsAndEmptyCaptions) {
    std::vector<MenuBarButton> buttons = {Button(L"&File", 30), Button(L"", 0), Button(L"&Help", 28)};
    LayoutMenuBar(buttons, Rect{0, 20, 200, 40}, 6, false);
    // File 6..46, the empty one 46..46, Help 46..84; rows 20..38.
    struct Case {
        Point point;
        std::optional<std::size_t> hit;
    };
    const Case cases[] = {
        {{6, 20}, 0},
        {{45, 38}, 0},
        {{46, 20}, 2},
        {{83, 30}, 2},
        {{5, 30}, std::nullopt},
        {{84, 30}, std::nullopt},
        {{20, 19}, std::nullopt},
        {{20, 39}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(HitMenuButton(buttons, c.point), c.hit) << c.point.X << "," << c.point.Y;

    // A caption-less button cannot be hit even where it has room.
    buttons[1].BoundsRect = {100, 20, 120, 39};
    EXPECT_EQ(HitMenuButton(buttons, {110, 25}), std::nullopt);
}

TEST(FormMenuAccelerator, CharacterAfterTheAmpersand) {
    struct Case {
        const wchar_t* caption;
        std::optional<wchar_t> accelerator;
    };
    const Case cases[] = {
        {L"Fi&le", L'l'},  {L"File", std::nullopt}, {L"File&", std::nullopt}, {L"A&&B", std::nullopt},
        {L"A&&B&C", L'C'}, {L"&&&X", L'X'},         {L"&A&B", L'A'},          {L"&&", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(AcceleratorOf(c.caption), c.accelerator) << std::wstring(c.caption).size();
}

TEST(FormMenuAccelerator, CaseFoldingCoversLatinLetters) {
    // Capital and small letter pairs, including where Latin Extended-A switches parity.
    const std::pair<wchar_t, wchar_t> pairs[] = {
        {L'Z', L'z'},           {L'\u00C0', L'\u00E0'}, {L'\u010C', L'\u010D'}, {L'\u0141', L'\u0142'},
        {L'\u0160', L'\u0161'}, {L'\u017D', L'\u017E'}, {L'\u0130', L'i'},
    };
    for (const auto& [upper, lower] : pairs) {
        EXPECT_EQ(FoldAcceleratorCase(upper), lower) << static_cast<int>(upper);
        EXPECT_EQ(FoldAcceleratorCase(lower), lower) << static_cast<int>(lower);
    }
    for (wchar_t unchanged : {L'&', L'\u00D7', L'\u00DF', L'\u0131', L'\u0138'})
        EXPECT_EQ(FoldAcceleratorCase(unchanged), unchanged) << static_cast<int>(unchanged);
}

TEST(FormMenuAccelerator, FirstEnabledVisibleButtonWithTheKey) {
    const std::vector<MenuBarButton> buttons = {
        Button(L"&File", 30),
        Button(L"&Edit", 30, true, false),
        Button(L"&Extras", 30, false),
        Button(L"&Edit 2", 30),
        Button(L"A&&E", 30),
        Button(L"&\u0160ablon", 30),
        Button(L"&Edit 3", 30),
        Button(L"Sab", 30),
        Button(L" Pomoc", 30),
        Button(L"Fajl", 30),
        Button(L"Xoff", 30, true, false),
    };
    struct Case {
        wchar_t key;
        std::optional<std::size_t> found;
    };
    const Case cases[] = {
        {L'f', 0},                             // the accelerator wins over a first letter ("Fajl")
        {L'E', 3},      {L'x', std::nullopt},  // "&Extras" is hidden, "Xoff" disabled
        {L'a', 4},                             // "A&&E" has no accelerator: its first letter
        {L'\u0161', 5}, {L'&', std::nullopt}, {L's', 7}, {L'p', 8},  // leading blanks are passed over
    };
    for (const Case& c : cases) EXPECT_EQ(FindAccelButton(buttons, c.key), c.found) << static_cast<int>(c.key);
    EXPECT_EQ(ImplicitAcceleratorOf(L"&Fajl"), std::nullopt);
    EXPECT_EQ(ImplicitAcceleratorOf(L""), std::nullopt);
    EXPECT_EQ(ImplicitAcceleratorOf(L"&&Fajl"), std::nullopt);
    EXPECT_EQ(ImplicitAcceleratorOf(L"Akcija"), L'A');
}

TEST(FormMenuNavigation, ArrowKeysDecideWhetherToLeaveTheDropDown) {
    struct Case {
        const char* what;
        ArrowKey key;
        OpenMenuItem item;
        BarMove move;
    };
    const Case cases[] = {
        {"left, nothing selected", ArrowKey::Left, {false, false, false}, BarMove::Previous},
        {"left at the top level", ArrowKey::Left, {true, true, false}, BarMove::Previous},
        {"left inside a submenu", ArrowKey::Left, {true, false, false}, BarMove::None},
        {"right, nothing selected", ArrowKey::Right, {false, false, false}, BarMove::Next},
        {"right on a plain item", ArrowKey::Right, {true, true, false}, BarMove::Next},
        {"right on an item with a submenu opens it", ArrowKey::Right, {true, true, true}, BarMove::None},
    };
    for (const Case& c : cases) EXPECT_EQ(BarMoveFor(c.key, c.item), c.move) << c.what;

    EXPECT_EQ(ArrowForLayout(ArrowKey::Left, false), ArrowKey::Left);
    EXPECT_EQ(ArrowForLayout(ArrowKey::Right, false), ArrowKey::Right);
    EXPECT_EQ(ArrowForLayout(ArrowKey::Left, true), ArrowKey::Right);
    EXPECT_EQ(ArrowForLayout(ArrowKey::Right, true), ArrowKey::Left);
}

TEST(FormMenuNavigation, TargetsWrapAndSkipButtonsThatCannotOpen) {
    std::vector<MenuBarButton> buttons = {Button(L"&A", 10), Button(L"&B", 10, false), Button(L"", 0),
                                          Button(L"&D", 10), Button(L"&E", 10, false)};
    LayoutMenuBar(buttons, Rect{0, 0, 300, 20}, 6, false);
    struct Case {
        const char* what;
        std::size_t open;
        BarMove move;
        std::optional<std::size_t> target;
    };
    const Case cases[] = {
        {"next skips hidden and empty", 0, BarMove::Next, 3},
        {"next wraps past hidden ones", 3, BarMove::Next, 0},
        {"previous wraps from the first", 0, BarMove::Previous, 3},
        {"previous skips hidden and empty", 3, BarMove::Previous, 0},
        {"no move", 0, BarMove::None, std::nullopt},
        {"from outside the bar, next is the first", 99, BarMove::Next, 0},
        {"from outside the bar, previous is the last that opens", 99, BarMove::Previous, 3},
    };
    for (const Case& c : cases) EXPECT_EQ(BarMoveTarget(buttons, c.open, c.move), c.target) << c.what;

    // Only one button can open: it has nowhere to go.
    buttons[3].Visible = false;
    LayoutMenuBar(buttons, Rect{0, 0, 300, 20}, 6, false);
    EXPECT_EQ(BarMoveTarget(buttons, 0, BarMove::Next), std::nullopt);
    EXPECT_EQ(BarMoveTarget(buttons, 0, BarMove::Previous), std::nullopt);
    EXPECT_EQ(BarMoveTarget({}, 0, BarMove::Next), std::nullopt);
}

// Menus written as text: 'i' visible item, 'h' hidden item, '-' visible separator, '.' hidden one.
std::vector<MenuEntry> Entries(const std::string& text) {
    std::vector<MenuEntry> entries;
    for (char c : text) entries.push_back({c == 'i' || c == '-', c == '-' || c == '.'});
    return entries;
}

std::string Text(const std::vector<MenuEntry>& entries) {
    std::string text;
    for (const MenuEntry& e : entries) text += e.IsSeparator ? (e.Visible ? '-' : '.') : (e.Visible ? 'i' : 'h');
    return text;
}

TEST(FormMenuSeparators, OnlySeparatorsBetweenVisibleItemsStay) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"", ""},           {"i-i", "i-i"},   {"-i", ".i"},       {"--i-i", "..i-i"},       {"i-", "i."},
        {"i-i--", "i-i.."}, {"i--i", "i.-i"}, {"i---i", "i..-i"}, {"i.-i", "i.-i"},         {"i-.i", "i.-i"},
        {"i..i", "i.-i"},   {"i.i", "i-i"},   {"i-h-i", "i.h-i"}, {"h-i", "h.i"},           {"i-h", "i.h"},
        {"--", ".."},       {"-h-", ".h."},   {"i-i-i", "i-i-i"}, {"-i--i-h-", ".i.-i.h."},
    };
    for (const Case& c : cases) {
        std::vector<MenuEntry> entries = Entries(c.before);
        TidySeparators(entries);
        EXPECT_EQ(Text(entries), c.after) << c.before;
    }
}

}  // namespace
}  // namespace skin::form

namespace skin::form {
namespace {

TEST(FormMenuNavigation, RightToLeftSwapsOnlyArrowKeysOfKeyMessages) {
    struct Case {
        unsigned message;
        std::uintptr_t wParam;
        std::uintptr_t expected;
    };
    const Case cases[] = {
        {0x0100, 0x25, 0x27},                        // key down: Left becomes Right
        {0x0100, 0x27, 0x25},                        // and Right Left
        {0x0101, 0x25, 0x27},                        // key up
        {0x0104, 0x27, 0x25},                        // with Alt
        {0x0105, 0x25, 0x27}, {0x0100, 0x28, 0x28},  // Down stays
        {0x0100, 0x0D, 0x0D},                        // Enter stays
        {0x0200, 0x25, 0x25},                        // a mouse move whose button flags happen to read 0x25
        {0x0102, 0x25, 0x25},                        // a character ('%')
        {0x0112, 0x27, 0x27},                        // a system command
    };
    for (const Case& c : cases)
        EXPECT_EQ(MirroredKeyCode(c.message, c.wParam), c.expected) << std::hex << c.message << " " << c.wParam;
}

}  // namespace
}  // namespace skin::form
