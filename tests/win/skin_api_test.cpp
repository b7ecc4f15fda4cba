// The plain Win32 entry (skinengine.h) used as a plain program uses it: windows made with
// CreateWindowEx and the common dialogs, no framework object anywhere.

#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "skinengine.h"
#include "tests/unit/test_files.h"
#include "tests/win/support/built_skins.h"
#include "tests/win/support/foreign_program.h"
#include "tests/win/support/gui_objects.h"
#include "tests/win/support/message_pump.h"

namespace {

using testing_support::BuiltSkinFile;
using testing_support::BuiltSkinFileW;
using testing_support::PumpMessagesFor;
using testing_support::PumpMessagesUntil;

constexpr wchar_t kClass[] = L"SkinApiTestWindow";

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterPlainClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClass;
    RegisterClassExW(&wc);
}

// A main window as a plain program makes one: caption, system menu, a menu bar, a button.
HWND MakeMainWindow(const wchar_t* title) {
    RegisterPlainClass();
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 100, L"&Open");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HWND window = CreateWindowExW(0, kClass, title, WS_OVERLAPPEDWINDOW, 40, 40, 420, 300, nullptr, bar,
                                  GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"Button", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 90, 26, window, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

// What giving a window back must restore.
struct WindowLook {
    LONG_PTR style, exStyle, procedure;
    HMENU menu;
    RECT window, client;
    int regionType;

    static WindowLook Of(HWND window) {
        WindowLook look{};
        look.style = GetWindowLongPtrW(window, GWL_STYLE);
        look.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        look.procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
        look.menu = GetMenu(window);
        GetWindowRect(window, &look.window);
        GetClientRect(window, &look.client);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        look.regionType = GetWindowRgn(window, region);
        DeleteObject(region);
        return look;
    }
};

void ExpectSameLook(const WindowLook& a, const WindowLook& b) {
    EXPECT_EQ(a.style, b.style);
    EXPECT_EQ(a.exStyle, b.exStyle);
    EXPECT_EQ(a.procedure, b.procedure);
    EXPECT_EQ(a.menu, b.menu);
    EXPECT_TRUE(EqualRect(&a.window, &b.window));
    EXPECT_TRUE(EqualRect(&a.client, &b.client));
    EXPECT_EQ(a.regionType, b.regionType);
}

TEST(SkinApi, RefusesBadInputWithItsReasonAndSkinsNothing) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring text = std::wstring(temp) + L"not-a-skin.skn";
    {
        std::ofstream notASkin(std::filesystem::path(text), std::ios::binary);
        notASkin << "this is not a skin package";
    }
    const char garbage[] = "garbage bytes, no package";
    struct Case {
        const char* what;
        int result;
        int expected;
    };
    const Case cases[] = {
        {"null path", SkinStartFile(nullptr), SKIN_BAD_ARGUMENT},
        {"empty path", SkinStartFile(L""), SKIN_BAD_ARGUMENT},
        {"missing file", SkinStartFile(L"Z:\\no\\such\\skin.skn"), SKIN_NO_FILE},
        {"text file", SkinStartFile(text.c_str()), SKIN_BAD_SKIN},
        {"garbage in memory", SkinStartMemory(garbage, sizeof garbage), SKIN_BAD_SKIN},
        {"no bytes", SkinStartMemory(garbage, 0), SKIN_BAD_ARGUMENT},
        {"missing resource", SkinStartResource(nullptr, L"NO_SUCH_SKIN"), SKIN_NO_FILE},
        {"switch before start", SkinSwitchFile(BuiltSkinFileW("meadow").c_str()), SKIN_NOT_STARTED},
        {"switch memory before start", SkinSwitchMemory(garbage, sizeof garbage), SKIN_NOT_STARTED},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, c.expected) << c.what;
        EXPECT_NE(SkinResultText(c.result), nullptr);
    }
    EXPECT_NE(SkinResultText(12345), nullptr);
    DeleteFileW(text.c_str());

    SkinStop();  // nothing started: nothing to do
    const HWND window = MakeMainWindow(L"Refused");
    PumpMessagesFor(200);
    EXPECT_FALSE(SkinIsWindowSkinned(window));
    EXPECT_FALSE(SkinIsWindowSkinned(nullptr));
    DestroyWindow(window);
}

TEST(SkinApi, StartsSwitchesAndStopsGivingEveryWindowBackAsItWas) {
    const HWND before = MakeMainWindow(L"Made before the start");
    PumpMessagesFor(100);
    const WindowLook unskinned = WindowLook::Of(before);
    const HWND button = FindWindowExW(before, nullptr, L"Button", nullptr);

    ASSERT_EQ(SkinStartFile(BuiltSkinFileW("graphite").c_str()), SKIN_OK);
    EXPECT_TRUE(PumpMessagesUntil([&] { return SkinIsWindowSkinned(before) != FALSE; }))
        << "a window already on screen is skinned at the start";
    EXPECT_TRUE(PumpMessagesUntil([&] { return SkinIsWindowSkinned(button) != FALSE; })) << "and its controls";

    const HWND after = MakeMainWindow(L"Made after the start");
    EXPECT_TRUE(PumpMessagesUntil([&] { return SkinIsWindowSkinned(after) != FALSE; }));

    // Another skin, and a bad one that changes nothing.
    const std::vector<std::uint8_t> meadow = test_files::ReadBytes(BuiltSkinFile("meadow"));
    ASSERT_FALSE(meadow.empty());
    EXPECT_EQ(SkinSwitchMemory(meadow.data(), meadow.size()), SKIN_OK);
    EXPECT_EQ(SkinSwitchFile(L"Z:\\no\\such\\skin.skn"), SKIN_NO_FILE);
    EXPECT_EQ(SkinStartFile(BuiltSkinFileW("graphite").c_str()), SKIN_OK) << "a second start switches";
    PumpMessagesFor(100);
    EXPECT_TRUE(SkinIsWindowSkinned(before));
    EXPECT_TRUE(SkinIsWindowSkinned(after));

    SkinStop();
    PumpMessagesFor(100);
    EXPECT_FALSE(SkinIsWindowSkinned(before));
    EXPECT_FALSE(SkinIsWindowSkinned(after));
    EXPECT_FALSE(SkinIsWindowSkinned(button));
    ExpectSameLook(WindowLook::Of(before), unskinned);

    // Stopped means stopped: a new window stays the system's.
    const HWND later = MakeMainWindow(L"Made after the stop");
    PumpMessagesFor(200);
    EXPECT_FALSE(SkinIsWindowSkinned(later));
    for (HWND w : {before, after, later}) DestroyWindow(w);
}

TEST(SkinApi, WindowWithTheExemptPropertyIsLeftToWindows) {
    ASSERT_EQ(SkinStartFile(BuiltSkinFileW("graphite").c_str()), SKIN_OK);
    RegisterPlainClass();
    HWND exempt = CreateWindowExW(0, kClass, L"Exempt", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SetPropW(exempt, L"SkinEngine.Exempt", reinterpret_cast<HANDLE>(1));
    ShowWindow(exempt, SW_SHOW);
    const HWND other = MakeMainWindow(L"Not exempt");
    EXPECT_TRUE(PumpMessagesUntil([&] { return SkinIsWindowSkinned(other) != FALSE; }));
    SetActiveWindow(exempt);
    PumpMessagesFor(200);
    EXPECT_FALSE(SkinIsWindowSkinned(exempt));
    SkinStop();
    RemovePropW(exempt, L"SkinEngine.Exempt");
    DestroyWindow(exempt);
    DestroyWindow(other);
}

// A program that subclasses its window after the engine did keeps its own procedure, and its
// messages still reach the window's class procedure, once the engine lets go.
std::atomic<int> g_programProcCalls{0};
WNDPROC g_programNext = nullptr;
LRESULT CALLBACK ProgramSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++g_programProcCalls;
    return CallWindowProcW(g_programNext, window, message, wParam, lParam);
}

TEST(SkinApi, ProgramSubclassingAfterTheEngineKeepsItsChainWhenSkinningStops) {
    ASSERT_EQ(SkinStartFile(BuiltSkinFileW("graphite").c_str()), SKIN_OK);
    const HWND window = MakeMainWindow(L"Subclassed by the program");
    ASSERT_TRUE(PumpMessagesUntil([&] { return SkinIsWindowSkinned(window) != FALSE; }));
    g_programNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProgramSubclass)));

    SkinStop();
    PumpMessagesFor(100);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ProgramSubclass));
    EXPECT_FALSE(SkinIsWindowSkinned(window));
    g_programProcCalls = 0;
    wchar_t text[64]{};
    SendMessageW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Subclassed by the program") << "the class procedure still answers";
    EXPECT_GE(g_programProcCalls.load(), 1);
    // Still whole after the window is moved and repainted, with the engine gone from the chain.
    SetWindowPos(window, nullptr, 0, 0, 500, 320, SWP_NOMOVE | SWP_NOZORDER);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpMessagesFor(100);
    EXPECT_TRUE(IsWindow(window));
    DestroyWindow(window);
}

// The common Find dialog opened and closed a hundred times leaves no GDI object or window behind.
TEST(SkinApi, CommonFindDialogCyclesLeaveNoGdiObjectsOrWindows) {
    ASSERT_EQ(SkinStartFile(BuiltSkinFileW("graphite").c_str()), SKIN_OK);
    const HWND owner = MakeMainWindow(L"Owner of Find");
    ASSERT_TRUE(PumpMessagesUntil([&] { return SkinIsWindowSkinned(owner) != FALSE; }));
    FINDREPLACEW find = foreign_program::FindDialogRequest(owner);
    auto cycle = [&] {
        const HWND dialog = FindTextW(&find);
        if (dialog == nullptr) return false;
        if (!PumpMessagesUntil([&] { return SkinIsWindowSkinned(dialog) != FALSE; })) return false;
        DestroyWindow(dialog);
        testing_support::PumpPendingMessages();
        return true;
    };
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(cycle());
    const int gdi = testing_support::CountGdiObjects();
    const int windows = testing_support::CountThreadWindows();
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(cycle()) << "cycle " << i;
    EXPECT_EQ(testing_support::CountThreadWindows(), windows);
    EXPECT_LE(testing_support::CountGdiObjects(), gdi + 2);
    SkinStop();
    DestroyWindow(owner);
}

// Skinning is a GUI thread's own: a second thread that starts it skins its windows, and the
// first thread's windows stay as they are.
TEST(SkinApi, EachGuiThreadSkinsItsOwnWindows) {
    const HWND mine = MakeMainWindow(L"First thread's");
    std::atomic<HWND> theirs{nullptr};
    std::atomic<bool> skinned{false}, done{false};
    std::thread second([&] {
        if (SkinStartFile(BuiltSkinFileW("meadow").c_str()) != SKIN_OK) return;
        const HWND window = MakeMainWindow(L"Second thread's");
        theirs = window;
        skinned = PumpMessagesUntil([&] { return SkinIsWindowSkinned(window) != FALSE; });
        PumpMessagesUntil([&] { return done.load(); }, 10000);
        SkinStop();
        DestroyWindow(window);
    });
    PumpMessagesUntil([&] { return skinned.load(); }, 10000);
    EXPECT_TRUE(skinned.load());
    PumpMessagesFor(100);
    EXPECT_FALSE(SkinIsWindowSkinned(mine));
    done = true;
    second.join();
    DestroyWindow(mine);
}

}  // namespace
