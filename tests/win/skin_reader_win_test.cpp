// Opening a skin package on Windows: a package of another version or with corrupt tables
// shows a real modal message box with the exact text; a good package shows none.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/skin_reader.h"
#include "skin/data/win/skin_reader_messages.h"
#include "skin/source/lzh_encoder.h"
#include "skin/source/package_writer.h"

namespace {

// What the timer saw of the box while it was up.
struct SeenBox {
    int Boxes = 0;
    std::string Caption;
    std::string Text;
    bool OwnerWindowDisabled = false;
    int Ticks = 0;
};

SeenBox g_seenBox;
HWND g_otherWindow = nullptr;

// A window's text and class name through the single-byte calls, as the messages are written.
std::string AnsiTextOf(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

std::string AnsiClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

BOOL CALLBACK FindBox(HWND hwnd, LPARAM result) {
    if (AnsiClassOf(hwnd) == "#32770" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(result) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND ThreadMessageBox() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

// Runs inside the message box's modal loop: records the box and presses OK.
void CALLBACK CloseBoxTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++g_seenBox.Ticks;
    HWND box = ThreadMessageBox();
    if (box == nullptr) return;
    ++g_seenBox.Boxes;
    g_seenBox.Caption = AnsiTextOf(box);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (AnsiClassOf(child) == "Static" && GetWindowTextLengthA(child) > 0) g_seenBox.Text = AnsiTextOf(child);
    }
    g_seenBox.OwnerWindowDisabled = g_otherWindow != nullptr && !IsWindowEnabled(g_otherWindow);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class SkinReaderWin : public ::testing::Test {
protected:
    void SetUp() override {
        g_seenBox = {};
        // a top-level window of this thread, which a task-modal box must disable
        g_otherWindow = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(g_otherWindow, nullptr);
        timer_ = SetTimer(nullptr, 0, 30, CloseBoxTimer);
        ASSERT_NE(timer_, 0u);
    }
    void TearDown() override {
        KillTimer(nullptr, timer_);
        DestroyWindow(g_otherWindow);
        g_otherWindow = nullptr;
    }

    static std::vector<std::uint8_t> Compressed(std::vector<std::uint8_t> plain) {
        return skin::source::EncodeLzhStream(plain);
    }

    UINT_PTR timer_ = 0;
};

std::vector<std::uint8_t> PlainPackageWithVersion(std::int32_t version) {
    std::vector<std::uint8_t> plain = skin::source::WritePackage(
        std::vector<skin::source::TPackageMember>{{"skin.ini", {'[', 'A', ']'}}, {"a.bmp", {1, 2, 3}}});
    for (int i = 0; i < 4; ++i)
        plain[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(version) >> (8 * i));
    return plain;
}

TEST_F(SkinReaderWin, OlderPackageShowsTheVersionMessageInATaskModalBox) {
    skin::TSkinReader reader;
    EXPECT_FALSE(skin::OpenSkinPackage(reader, Compressed(PlainPackageWithVersion(19999))));
    EXPECT_EQ(g_seenBox.Boxes, 1);
    EXPECT_EQ(g_seenBox.Text, "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(g_seenBox.Caption, skin::kSkinMessageCaption);
    EXPECT_TRUE(g_seenBox.OwnerWindowDisabled);
    EXPECT_TRUE(IsWindowEnabled(g_otherWindow));  // re-enabled once the box is closed
    EXPECT_EQ(ThreadMessageBox(), nullptr);
    EXPECT_EQ(reader.Count(), 0u);
}

TEST_F(SkinReaderWin, NewerPackageIsRefusedTheSameWay) {
    skin::TSkinReader reader;
    EXPECT_FALSE(skin::OpenSkinPackage(reader, Compressed(PlainPackageWithVersion(20001))));
    EXPECT_EQ(g_seenBox.Boxes, 1);
    EXPECT_EQ(g_seenBox.Text, std::string(skin::kOlderSkinFileMessage));
}

TEST_F(SkinReaderWin, CorruptTablesShowTheirReason) {
    std::vector<std::uint8_t> plain = PlainPackageWithVersion(20000);
    plain[4] = 0xFF;  // name list length far past the end
    plain[5] = 0xFF;
    skin::TSkinReader reader;
    EXPECT_FALSE(skin::OpenSkinPackage(reader, Compressed(plain)));
    EXPECT_EQ(g_seenBox.Boxes, 1);
    EXPECT_EQ(g_seenBox.Text.rfind("This skin file is damaged\rthe name list length ", 0), 0u) << g_seenBox.Text;
}

TEST_F(SkinReaderWin, UsablePackageOpensWithoutAnyBox) {
    const std::filesystem::path file = std::filesystem::path(TEST_DATA_DIR) / "mini-skin.skn";
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    const std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(in)), {});
    skin::TSkinReader reader;
    EXPECT_TRUE(skin::OpenSkinPackage(reader, package));
    EXPECT_EQ(g_seenBox.Boxes, 0);
    EXPECT_EQ(reader.IndexOfPart(".ini"), 0);
    EXPECT_FALSE(reader.ExtractByName("top.bmp").empty());
}

}  // namespace
