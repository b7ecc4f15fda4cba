// Wine's own programs (notepad, regedit, wordpad), which nobody here wrote, started through
// skinrun with each of our skins and worked as a person works them: keys through SendInput and
// typed on the X display, clicks on the display, and what the screen shows read back.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/win/support/bar_keyboard.h"
#include "tests/win/support/foreign_program.h"
#include "tests/win/support/send_input.h"

namespace {

using foreign_program::AnswersSkinned;
using foreign_program::Program;

struct ProgramCase {
    const char* name;
    std::wstring commandLine;
    std::wstring title;  // part of the main window's caption
    char menuLetter;     // the first bar item's mnemonic
};

// gtest names the case by it, rather than by the bytes of the whole struct.
void PrintTo(const ProgramCase& program, std::ostream* out) { *out << program.name; }

const ProgramCase kPrograms[] = {
    {"notepad", L"notepad.exe", L"Notepad", 'F'},
    {"regedit", L"regedit.exe", L"Registry Editor", 'R'},
    {"wordpad", L"\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"", L"Wordpad", 'F'},
};

constexpr DWORD kWaitMs = 10000;

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

// The menu window of the program shown now, or null.
HWND ShownMenu(HWND main) { return foreign_program::FindProcessWindow(main, L"#32768"); }

void TapWith(WORD modifier, WORD key) {
    testing_support::Key(modifier, true);
    testing_support::TapKey(key);
    testing_support::Key(modifier, false);
}

// Clicks on the display itself at `screen` (xdotool), as a person's mouse does.
void ClickOnDisplay(POINT screen) {
    bar_keyboard::MoveMouseOnDisplay(screen);
    testing_support::MouseButton(true);
    testing_support::MouseButton(false);
}

// Where the first item of the bar just above the client area is.
POINT FirstBarItem(HWND main) {
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    return POINT{origin.x + 12, origin.y - 9};
}

// Closes an open drop-down and leaves the bar, and says whether the menu is gone.
bool LeaveMenus(HWND main) {
    testing_support::TapKey(VK_ESCAPE);
    testing_support::TapKey(VK_ESCAPE);
    return WaitUntil([&] { return ShownMenu(main) == nullptr; });
}

class SkinrunProgram : public testing::TestWithParam<std::tuple<ProgramCase, const wchar_t*>> {};

TEST_P(SkinrunProgram, IsSkinnedAndUsableByMouseAndKeyboardAndClosesOnAltF4) {
    const auto& [program, skin] = GetParam();

    // How Windows draws it: the picture the skin must change.
    std::vector<std::uint32_t> plainTop;
    {
        Program plain = Program::Plain(program.commandLine);
        const HWND main = plain.WaitForWindow(program.title);
        ASSERT_NE(main, nullptr) << "the program did not start plain";
        Sleep(300);
        plainTop = foreign_program::TopRows(main, 40);
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(plain.WaitForExit(), 0);
    }

    Program run = Program::Skinned(skin, program.commandLine);
    const HWND main = run.WaitForWindow(program.title);
    ASSERT_NE(main, nullptr) << "the program did not start through skinrun";
    ASSERT_TRUE(WaitUntil([&] { return AnswersSkinned(main); })) << "the main window is not skinned";
    foreign_program::Activate(main);
    Sleep(300);
    EXPECT_GT(foreign_program::Difference(plainTop, foreign_program::TopRows(main, 40)), 0.3)
        << "the caption and menu bar look as Windows draws them";

    // The mouse: a click on the first bar item opens its skinned drop-down.
    RECT client{};
    GetClientRect(main, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(main, &middle);
    ClickOnDisplay(middle);  // the keyboard focus into the program, as a person's first click
    ClickOnDisplay(FirstBarItem(main));
    ASSERT_TRUE(WaitUntil([&] { return ShownMenu(main) != nullptr; })) << "a click on the bar opened nothing";
    EXPECT_TRUE(AnswersSkinned(ShownMenu(main))) << "the drop-down is not skinned";
    ASSERT_TRUE(LeaveMenus(main));

    // F10 lights the bar, Down opens the drop-down (SendInput).
    testing_support::TapKey(VK_F10);
    Sleep(200);
    testing_support::TapKey(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return ShownMenu(main) != nullptr; })) << "F10, Down opened nothing";
    ASSERT_TRUE(LeaveMenus(main));

    // Alt alone lights it too, and Alt and the letter typed on the display open the drop-down.
    testing_support::TapKey(VK_MENU);
    Sleep(200);
    testing_support::TapKey(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return ShownMenu(main) != nullptr; })) << "Alt, Down opened nothing";
    ASSERT_TRUE(LeaveMenus(main));
    if (bar_keyboard::XDisplayKeyboard::Available()) {
        bar_keyboard::XDisplayKeyboard().AltWith(program.menuLetter);
        EXPECT_TRUE(WaitUntil([&] { return ShownMenu(main) != nullptr; })) << "Alt+letter opened nothing";
        ASSERT_TRUE(LeaveMenus(main));
    }
    bar_keyboard::SendInputKeyboard().AltWith(program.menuLetter);
    EXPECT_TRUE(WaitUntil([&] { return ShownMenu(main) != nullptr; })) << "Alt+letter (SendInput) opened nothing";
    ASSERT_TRUE(LeaveMenus(main));

    // Its Find dialog, opened with its own shortcut, is skinned with its controls. The hand leaves
    // the bar first (a shortcut pressed at once with the pointer still resting on a bar item was
    // lost now and then in wordpad and regedit under load).
    bar_keyboard::MoveMouseOnDisplay(middle);
    TapWith(VK_CONTROL, 'F');
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = foreign_program::FindProcessWindow(main, L"#32770")) != nullptr; }))
        << "Ctrl+F opened no dialog";
    EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(dialog); })) << "the dialog is not skinned";
    const HWND button = FindWindowExW(dialog, nullptr, L"Button", nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(button); })) << "the dialog's button is not skinned";
    testing_support::TapKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));

    // Alt+F4 ends it normally, and skinrun hands on its exit code. The closed dialog leaves the
    // focus nowhere in some programs (regedit): a click gives it back, as a person's would.
    ClickOnDisplay(middle);
    TapWith(VK_MENU, VK_F4);
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_FALSE(IsWindow(main));
}

std::string CaseName(const testing::TestParamInfo<SkinrunProgram::ParamType>& info) {
    const std::wstring skin = std::get<1>(info.param);
    return std::string(std::get<0>(info.param).name) + "_" + std::string(skin.begin(), skin.end());
}

INSTANTIATE_TEST_SUITE_P(WineProgram, SkinrunProgram,
                         testing::Combine(testing::ValuesIn(kPrograms), testing::Values(L"graphite", L"meadow")),
                         CaseName);

// A program that never asked for a skin (our example, started --plain) with a window on a second
// GUI thread: skinrun skins the windows of both threads.
TEST(SkinrunThreads, WindowsOfAThreadStartedLaterAreSkinnedToo) {
    const std::wstring example = foreign_program::ThisFolder() + L"plain_win32.exe";
    Program run = Program::Skinned(L"meadow", L"\"" + example + L"\" --plain --second-window");
    const HWND main = run.WaitForWindow(L"Plain Win32 example");
    ASSERT_NE(main, nullptr);
    const HWND second = run.WaitForWindow(L"Second thread");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(GetWindowThreadProcessId(main, nullptr), GetWindowThreadProcessId(second, nullptr));
    EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(main); })) << "the first thread's window";
    EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(second); })) << "the second thread's window";
    const HWND button = FindWindowExW(second, nullptr, L"Button", nullptr);
    EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(button); })) << "the second thread's button";
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0) << "main " << IsWindow(main) << " second " << IsWindow(second);
}

// A dialog the program opens and closes a hundred times leaves nothing behind in it. It is opened
// by the program's own menu command (the keys are walked above).
TEST(SkinrunDialogCycles, FindDialogOpenedAHundredTimesLeavesNoWindows) {
    const UINT find = foreign_program::MenuCommandOf(L"notepad.exe", L"Search...");
    ASSERT_NE(find, 0u);
    Program run = Program::Skinned(L"graphite", L"notepad.exe");
    const HWND main = run.WaitForWindow(L"Notepad");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return AnswersSkinned(main); }));
    auto cycle = [&] {
        PostMessageW(main, WM_COMMAND, find, 0);
        HWND dialog = nullptr;
        if (!WaitUntil([&] { return (dialog = foreign_program::FindProcessWindow(main, L"#32770")) != nullptr; }))
            return false;
        if (!WaitUntil([&] { return AnswersSkinned(dialog); })) return false;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
    };
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(cycle());
    const int before = foreign_program::CountProcessWindows(main);
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(cycle()) << "cycle " << i;
    EXPECT_EQ(foreign_program::CountProcessWindows(main), before);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

}  // namespace
