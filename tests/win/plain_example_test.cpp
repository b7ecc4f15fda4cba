// The plain Win32 example (examples/plain_win32), skinned through skinengine.h, run as its own
// process the way a person starts it: its main window and its "Controls" dialog answer the
// engine's SM_ISSKINNED, their captions look different from the same program run with --plain,
// its keyboard shortcut opens the dialog, and it ends with exit code 0 when its windows are closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "base/win/handles.h"
#include "control_pixels.h"
#include "examples/plain_win32/resource.h"
#include "form_skin_fixture.h"
#include "skin/manager/win/skin_manager.h"
#include "support/send_input.h"

namespace {

using base::win::UniqueKernelHandle;

// How long the waits below poll (every kPollMs) for what they wait for.
constexpr DWORD kStartDeadlineMs = 60000;  // a Wine process under a loaded test run starts slowly
constexpr DWORD kDeadlineMs = 20000;
constexpr DWORD kAnswerDeadlineMs = 5000;
constexpr DWORD kPollMs = 50;

std::wstring ExamplePath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"plain_win32.exe";
}

// The visible top-level window of process `processId` with `className` and `title`.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    struct Search {
        DWORD processId;
        const wchar_t* className;
        const wchar_t* title;
        HWND found;
    } search{processId, className, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t text[128] = {};
            wchar_t name[128] = {};
            if (owner != s.processId || !IsWindowVisible(window)) return TRUE;
            GetWindowTextW(window, text, 128);
            GetClassNameW(window, name, 128);
            if (std::wstring(text) != s.title || std::wstring(name) != s.className) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What `window` of the other process answers to SM_ISSKINNED; -1 when it does not answer.
LRESULT IsSkinnedAnswer(HWND window) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, skin::win::SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return -1;
    return static_cast<LRESULT>(answer);
}

// The screen's pixels in the top `rows` rows of the window: its caption.
base::Bitmap CaptionPixels(HWND window, int rows = 20) {
    const base::Bitmap whole = testing_support::ScreenOfWindow(window);
    base::Bitmap caption(whole.Width(), std::min(rows, whole.Height()));
    for (int y = 0; y < caption.Height(); ++y)
        for (int x = 0; x < caption.Width(); ++x) caption.At(x, y) = whole.At(x, y);
    return caption;
}

// The share of the pixels two captions have in common (their overlap) that differ.
double DifferingShare(const base::Bitmap& a, const base::Bitmap& b) {
    const int width = std::min(a.Width(), b.Width());
    const int height = std::min(a.Height(), b.Height());
    if (width <= 0 || height <= 0) return 0.0;
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (a.At(x, y) != b.At(x, y)) ++differing;
    return static_cast<double>(differing) / (width * height);
}

bool HasTwoColours(const base::Bitmap& pixels) {
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (pixels.At(x, y) != pixels.At(0, 0)) return true;
    return false;
}

// Waits for the caption the screen shows to be drawn (more than one colour: its title is there)
// and settled (two reads a poll apart alike) and for `wanted` to hold of it; it is left in
// `caption`.
bool SettledCaption(
    HWND window, base::Bitmap& caption,
    const std::function<bool(const base::Bitmap&)>& wanted = [](const base::Bitmap&) { return true; }) {
    base::Bitmap last = CaptionPixels(window);
    return form_test::WaitFor(
        [&] {
            base::Bitmap now = CaptionPixels(window);
            const bool settled = now == last && HasTwoColours(now);
            last = std::move(now);
            caption = last;
            return settled && wanted(caption);
        },
        kDeadlineMs, kPollMs);
}

constexpr wchar_t kMainClass[] = L"PlainWin32ExampleWindow";
constexpr wchar_t kMainTitle[] = L"Plain Win32 example";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kDialogTitle[] = L"Controls";

class PlainExample : public ::testing::Test {
protected:
    // A started example; its process handle is the fixture's.
    struct Program {
        HANDLE process = nullptr;
        DWORD processId = 0;
        HWND main = nullptr;
    };

    // Starts the example with `switches` and waits for its main window.
    Program Start(const std::wstring& switches) {
        std::wstring command = L"\"" + ExamplePath() + L"\" " + switches;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        Program program;
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            ADD_FAILURE() << "plain_win32.exe did not start (error " << GetLastError() << ")";
            return program;
        }
        CloseHandle(info.hThread);
        processes_.emplace_back(info.hProcess);
        program.process = info.hProcess;
        program.processId = info.dwProcessId;
        form_test::WaitFor(
            [&] { return (program.main = FindProcessWindow(program.processId, kMainClass, kMainTitle)) != nullptr; },
            kStartDeadlineMs, kPollMs);
        EXPECT_NE(program.main, nullptr) << "no main window";
        return program;
    }

    HWND WaitForDialog(const Program& program) {
        HWND dialog = nullptr;
        form_test::WaitFor(
            [&] { return (dialog = FindProcessWindow(program.processId, kDialogClass, kDialogTitle)) != nullptr; },
            kDeadlineMs, kPollMs);
        return dialog;
    }

    // Closes the dialog, then the main window, as a person would; the exit code, or -1 when the
    // program did not end.
    long CloseAndWait(const Program& program, HWND dialog) {
        if (dialog != nullptr) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            EXPECT_TRUE(form_test::WaitFor([&] { return !IsWindow(dialog); }, kDeadlineMs, kPollMs))
                << "the dialog did not close";
        }
        PostMessageW(program.main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(program.process, static_cast<DWORD>(kDeadlineMs)) != WAIT_OBJECT_0) return -1;
        DWORD exitCode = 0;
        GetExitCodeProcess(program.process, &exitCode);
        return static_cast<long>(exitCode);
    }

    // A program still running when a test fails is ended here.
    void TearDown() override {
        for (const UniqueKernelHandle& process : processes_)
            if (WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT) {
                TerminateProcess(process.Get(), 99);
                WaitForSingleObject(process.Get(), 10000);
            }
    }

private:
    std::vector<UniqueKernelHandle> processes_;  // every example the test started
};

TEST_F(PlainExample, SkinnedWindowsAnswerTheEngineLookUnlikePlainAndEndWithExitCodeZero) {
    // Unskinned: nothing answers SM_ISSKINNED with 1.
    base::Bitmap plainMainCaption;
    base::Bitmap plainDialogCaption;
    {
        const Program plain = Start(L"--plain --open-dialog");
        ASSERT_NE(plain.main, nullptr);
        const HWND dialog = WaitForDialog(plain);
        ASSERT_NE(dialog, nullptr) << "no Controls dialog";
        EXPECT_EQ(IsSkinnedAnswer(plain.main), 0);
        EXPECT_EQ(IsSkinnedAnswer(dialog), 0);
        EXPECT_EQ(IsSkinnedAnswer(GetDlgItem(dialog, IDC_BOLD)), 0);
        ASSERT_TRUE(SettledCaption(plain.main, plainMainCaption));
        ASSERT_TRUE(SettledCaption(dialog, plainDialogCaption));
        EXPECT_EQ(CloseAndWait(plain, dialog), 0);
    }

    const Program skinned = Start(L"--open-dialog");
    ASSERT_NE(skinned.main, nullptr);
    const HWND dialog = WaitForDialog(skinned);
    ASSERT_NE(dialog, nullptr) << "no Controls dialog";
    // The engine answers for a window as soon as it has taken it: the wait is short.
    ASSERT_TRUE(form_test::WaitFor([&] { return IsSkinnedAnswer(skinned.main) == 1; }, kAnswerDeadlineMs, kPollMs))
        << "main window";
    EXPECT_TRUE(form_test::WaitFor([&] { return IsSkinnedAnswer(dialog) == 1; }, kAnswerDeadlineMs, kPollMs))
        << "dialog";
    for (const int id : {IDC_BOLD, IDC_NAME, IDC_COLOUR}) {
        const HWND control = GetDlgItem(dialog, id);
        ASSERT_NE(control, nullptr) << "control " << id;
        EXPECT_TRUE(form_test::WaitFor([&] { return IsSkinnedAnswer(control) == 1; }, kAnswerDeadlineMs, kPollMs))
            << "control " << id;
    }

    // What a person sees: the skin's captions, not the system's (most of their pixels differ).
    const auto unlike = [](const base::Bitmap& plainCaption) {
        return [&plainCaption](const base::Bitmap& caption) { return DifferingShare(caption, plainCaption) > 0.3; };
    };
    base::Bitmap caption;
    EXPECT_TRUE(SettledCaption(skinned.main, caption, unlike(plainMainCaption)))
        << "main caption: " << DifferingShare(caption, plainMainCaption) << " of the pixels differ";
    EXPECT_TRUE(SettledCaption(dialog, caption, unlike(plainDialogCaption)))
        << "dialog caption: " << DifferingShare(caption, plainDialogCaption) << " of the pixels differ";

    EXPECT_EQ(CloseAndWait(skinned, dialog), 0);
}

TEST_F(PlainExample, CtrlDOpensTheControlsDialogSkinned) {
    const Program skinned = Start(L"");
    ASSERT_NE(skinned.main, nullptr);
    ASSERT_TRUE(form_test::WaitFor(
        [&] {
            SetForegroundWindow(skinned.main);
            return GetForegroundWindow() == skinned.main;
        },
        kDeadlineMs, kPollMs))
        << "the main window did not come to the front";
    EXPECT_EQ(FindProcessWindow(skinned.processId, kDialogClass, kDialogTitle), nullptr);

    testing_support::Key(VK_CONTROL, true);
    testing_support::TapKey('D');
    testing_support::Key(VK_CONTROL, false);
    const HWND dialog = WaitForDialog(skinned);
    ASSERT_NE(dialog, nullptr) << "Ctrl+D opened no Controls dialog";
    EXPECT_TRUE(form_test::WaitFor([&] { return IsSkinnedAnswer(dialog) == 1; }, kAnswerDeadlineMs, kPollMs));

    EXPECT_EQ(CloseAndWait(skinned, dialog), 0);
}

}  // namespace
