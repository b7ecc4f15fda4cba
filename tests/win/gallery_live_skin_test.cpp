// The gallery as a skin author's live preview, with its real windows and skin manager: the
// watched folder's edits reach every open window, a broken folder keeps the last good skin and
// lists its problems with file and line, and the Skin menu switches between our skins and a
// file chosen in the (skinned) File Open dialog.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/bmp_io.h"
#include "base/win/handles.h"
#include "framework/win/application.h"
#include "framework/win/menus.h"
#include "framework/win/text.h"
#include "gallery/win/gallery_form.h"
#include "gallery/win/gallery_windows.h"
#include "gallery/win/showcase_forms.h"
#include "gallery/win/skin_folder_watcher.h"
#include "gallery/win/skin_menu.h"
#include "gallery/win/skin_problems_form.h"
#include "skin/manager/win/skin_manager.h"
#include "unit/skin_folder_support.h"
#include "unit/test_files.h"
#include "support/message_pump.h"
#include "support/timer_driver.h"
#include "support/window_probe.h"

namespace {

namespace fs = std::filesystem;
using skin_folder_test::LineOf;
using skin_folder_test::ReadText;
using skin_folder_test::ReplaceLine;
using skin_folder_test::TempSkinFolder;
using skin_folder_test::WriteText;
using testing_support::ClientPixel;
using testing_support::PumpMessagesUntil;
using testing_support::WindowPixel;

// Generous: the watcher polls every 100 ms, waits 150 ms for quiet and the manager acts 250 ms
// after the request; a loaded machine may take longer, a broken watcher never gets there.
constexpr DWORD kFollowDeadlineMs = 5000;

// A point on the window's left frame edge, half way down.
COLORREF LeftEdgePixel(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return WindowPixel(window, 1, (r.bottom - r.top) / 2);
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> ListedMessages(TSkinProblemsForm* problems) {
    std::vector<std::string> lines;
    for (int i = 0; i < problems->Messages->Items()->Count(); ++i) lines.push_back(problems->Messages->Items()->Get(i));
    return lines;
}

bool Listed(TSkinProblemsForm* problems, const std::string& start, const std::string& part) {
    for (const std::string& line : ListedMessages(problems))
        if (line.rfind(start, 0) == 0 && line.find(part) != std::string::npos) return true;
    return false;
}

// The gallery's windows as the program makes them, with the main window and two showcases open.
class GalleryLiveSkin : public testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        showcases_ = CreateGalleryWindows();
        ASSERT_NE(GalleryForm, nullptr);
        open_ = {GalleryForm, showcases_.at(0), showcases_.at(3)};  // sizable, tool window
        for (TForm* form : open_) form->Show();
        ASSERT_TRUE(PumpMessagesUntil([&] { return AllSkinned(); }));
    }

    void TearDown() override {
        for (TShowcaseForm* form : showcases_) form->Free();
        if (GalleryForm != nullptr) GalleryForm->Free();
        GalleryForm = nullptr;
        skin::win::FreeSkinManager();
    }

    bool AllSkinned() const {
        for (TForm* form : open_)
            if (SendMessageW(form->Handle(), skin::win::SM_ISSKINNED, 0, 0) != 1) return false;
        return true;
    }

    // Pumps until every open window shows `colour` at client (4, 4), left of all controls.
    bool ClientsShow(COLORREF colour, DWORD& waitedMs) const {
        const ULONGLONG start = GetTickCount64();
        const bool shown = PumpMessagesUntil(
            [&] {
                for (TForm* form : open_)
                    if (ClientPixel(form->Handle(), 4, 4) != colour) return false;
                return true;
            },
            kFollowDeadlineMs);
        waitedMs = static_cast<DWORD>(GetTickCount64() - start);
        return shown;
    }

    bool LeftEdgesShow(COLORREF colour, DWORD& waitedMs) const {
        const ULONGLONG start = GetTickCount64();
        const bool shown = PumpMessagesUntil(
            [&] {
                for (TForm* form : open_)
                    if (LeftEdgePixel(form->Handle()) != colour) return false;
                return true;
            },
            kFollowDeadlineMs);
        waitedMs = static_cast<DWORD>(GetTickCount64() - start);
        return shown;
    }

    std::vector<TShowcaseForm*> showcases_;
    std::vector<TForm*> open_;
};

TEST_F(GalleryLiveSkin, FollowsTheWatchedFolderAndKeepsTheLastGoodSkinWhileItIsBroken) {
    TempSkinFolder folder("gallery-graphite");
    ASSERT_TRUE(folder.Complete()) << "the skins were not built";
    const std::string definition = ReadText(folder.Definition());
    const std::vector<std::uint8_t> leftBmp = test_files::ReadBytes(folder.Path() / "left.bmp");
    const COLORREF originalFace = ClientPixel(GalleryForm->Handle(), 4, 4);
    const COLORREF originalEdge = LeftEdgePixel(GalleryForm->Handle());

    TSkinFolderWatcher* watcher = GalleryForm->SkinMenu->WatchFolder(folder.Path());
    EXPECT_EQ(watcher->Applied(), 1);
    EXPECT_EQ(watcher->Refused(), 0);
    TSkinProblemsForm* problems = watcher->Problems();
    EXPECT_FALSE(problems->Visible());

    // A colour key: the face of every window follows.
    const COLORREF face = RGB(200, 40, 60);
    ASSERT_NE(face, originalFace);
    ASSERT_TRUE(ReplaceLine(folder.Definition(), "ButtonFace=", "ButtonFace=200 40 60"));
    DWORD colourDelay = 0;
    EXPECT_TRUE(ClientsShow(face, colourDelay));
    EXPECT_EQ(watcher->Applied(), 2);
    std::printf("a colour key edit reached every window after %lu ms\n", colourDelay);

    // A bitmap swapped for one of the same size in plain green: every left frame edge is green.
    base::BmpReadResult original = base::ReadBmp(leftBmp);
    ASSERT_TRUE(original.Ok());
    const COLORREF green = RGB(0, 150, 0);
    original.Image.Fill(base::ColorToPixel(green));
    WriteBytes(folder.Path() / "left.bmp", base::WriteBmp24(original.Image));
    DWORD bitmapDelay = 0;
    EXPECT_TRUE(LeftEdgesShow(green, bitmapDelay));
    std::printf("a bitmap swap reached every window after %lu ms\n", bitmapDelay);
    const std::vector<std::uint8_t> goodPackage = GalleryForm->SkinData->PackageStream();

    // A bad key: refused, listed with file and line, the last good skin stays.
    ASSERT_TRUE(ReplaceLine(folder.Definition(), "ButtonFace=", "ButtonFase=1 2 3"));
    const int badKeyLine = LineOf(ReadText(folder.Definition()), "ButtonFase=");
    ASSERT_TRUE(PumpMessagesUntil([&] { return watcher->Refused() > 0; }, kFollowDeadlineMs));
    EXPECT_TRUE(problems->Visible());
    EXPECT_NE(problems->Headline->Caption().find("the last good skin stays on"), std::string::npos)
        << problems->Headline->Caption();
    EXPECT_TRUE(Listed(problems, "skin.ini:" + std::to_string(badKeyLine) + ": [Colours] error: ", "ButtonFase"));
    EXPECT_EQ(GalleryForm->SkinData->PackageStream(), goodPackage);

    // A corrupt bitmap as well: both problems listed.
    WriteText(folder.Path() / "left.bmp", "BM this is no bitmap");
    const int leftLine = LineOf(ReadText(folder.Definition()), "Left=");
    const std::string leftWhere = "skin.ini:" + std::to_string(leftLine) + ": [Personality] error: ";
    ASSERT_TRUE(PumpMessagesUntil([&] { return Listed(problems, leftWhere, "\"left.bmp\" is not a readable BMP"); },
                                  kFollowDeadlineMs));
    EXPECT_TRUE(Listed(problems, "skin.ini:" + std::to_string(badKeyLine) + ":", "ButtonFase"));
    EXPECT_EQ(GalleryForm->SkinData->PackageStream(), goodPackage);
    testing_support::PumpPendingMessages();
    for (TForm* form : open_) {
        EXPECT_EQ(ClientPixel(form->Handle(), 4, 4), face) << form->Name();
        EXPECT_EQ(LeftEdgePixel(form->Handle()), green) << form->Name();
    }
    EXPECT_TRUE(AllSkinned());

    // Mended: the original skin comes back and the window says the folder is good.
    WriteText(folder.Definition(), definition);
    WriteBytes(folder.Path() / "left.bmp", leftBmp);
    DWORD mendDelay = 0;
    EXPECT_TRUE(ClientsShow(originalFace, mendDelay));
    EXPECT_TRUE(LeftEdgesShow(originalEdge, mendDelay));
    EXPECT_TRUE(PumpMessagesUntil([&] {
        return problems->Headline->Caption().find("the folder's skin is on") != std::string::npos;
    })) << problems->Headline->Caption();
    EXPECT_TRUE(ListedMessages(problems).empty());

    // The folder taken away entirely: said so, nothing else changes.
    const std::string kept = folder.Path().string() + "-away";
    fs::rename(folder.Path(), kept);
    ASSERT_TRUE(PumpMessagesUntil(
        [&] { return problems->Headline->Caption().find("cannot be read") != std::string::npos; }, kFollowDeadlineMs))
        << problems->Headline->Caption();
    const int appliedBefore = watcher->Applied();
    fs::rename(kept, folder.Path());
    EXPECT_TRUE(PumpMessagesUntil([&] { return watcher->Applied() > appliedBefore; }, kFollowDeadlineMs));
    EXPECT_TRUE(AllSkinned());
}

// Our skins and a chosen file, through the menu's commands and the File Open dialog.
TEST_F(GalleryLiveSkin, SkinMenuSwitchesEveryOpenWindowAndRefusesAFileThatIsNoSkin) {
    TGallerySkinMenu* menu = GalleryForm->SkinMenu;
    ASSERT_EQ(GalleryForm->Menu(), menu->Menu);
    TMenuItem* skinItem = menu->Menu->Items()->Items(0);
    ASSERT_EQ(skinItem->Count(), 4);
    EXPECT_EQ(skinItem->Items(0)->Caption(), "&Graphite");
    EXPECT_EQ(skinItem->Items(1)->Caption(), "&Meadow");
    EXPECT_TRUE(skinItem->Items(2)->IsLine());
    EXPECT_EQ(skinItem->Items(3)->Caption(), "&Open skin file...");
    EXPECT_TRUE(menu->GraphiteItem->Checked());
    const COLORREF graphiteFace = ClientPixel(GalleryForm->Handle(), 4, 4);

    PostMessageW(GalleryForm->Handle(), WM_COMMAND, menu->MeadowItem->Command(), 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return menu->MeadowItem->Checked(); }));
    const COLORREF meadowFace = ColorToRGB(GalleryForm->SkinData->Objects().ButtonFaceColor) & 0xFFFFFF;
    ASSERT_NE(meadowFace, graphiteFace);
    DWORD waited = 0;
    EXPECT_TRUE(ClientsShow(meadowFace, waited));
    EXPECT_FALSE(menu->GraphiteItem->Checked());

    // The File Open dialog: skinned like every dialog; a text file is refused with a message,
    // then graphite.skn is put on.
    const fs::path notASkin =
        fs::temp_directory_path() / ("not-a-skin-" + std::to_string(GetCurrentProcessId()) + ".skn");
    WriteText(notASkin, "just text");
    const std::string graphiteFile = (fs::path(BUILT_SKINS_DIR) / "graphite.skn").make_preferred().string();
    LRESULT dialogSkinned = 0;
    bool refusalShown = false;
    int stage = 0;
    const auto openFile = [&](const std::string& path) {
        const HWND dialog = FindWindowW(L"#32770", L"Open skin file");
        if (dialog == nullptr || !IsWindowVisible(dialog)) return false;
        dialogSkinned = SendMessageW(dialog, skin::win::SM_ISSKINNED, 0, 0);
        SetDlgItemTextW(dialog, 0x47C /* cmb13, the file name */, WidenText(path).c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        return true;
    };
    testing_support::TimerDriver driver([&] {
        switch (stage) {
            case 0:
                if (openFile(notASkin.string())) ++stage;
                return false;
            case 1: {
                const HWND message = FindWindowW(L"TMessageForm", nullptr);
                if (message == nullptr || !IsWindowVisible(message)) return false;
                refusalShown = true;
                PostMessageW(message, WM_CLOSE, 0, 0);
                ++stage;
                return false;
            }
            case 2:
                if (FindWindowW(L"TMessageForm", nullptr) != nullptr) return false;
                PostMessageW(GalleryForm->Handle(), WM_COMMAND, menu->OpenFileItem->Command(), 0);
                ++stage;
                return false;
            default: return openFile(graphiteFile);
        }
    });
    PostMessageW(GalleryForm->Handle(), WM_COMMAND, menu->OpenFileItem->Command(), 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return driver.Done(); }, 20000));
    EXPECT_TRUE(refusalShown);
    EXPECT_EQ(dialogSkinned, 1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !GalleryForm->SkinData->SkinFile().empty(); }));
    EXPECT_NE(GalleryForm->SkinData->SkinFile().find("graphite.skn"), std::string::npos);
    EXPECT_TRUE(ClientsShow(graphiteFace, waited));
    EXPECT_FALSE(menu->MeadowItem->Checked());
    EXPECT_TRUE(AllSkinned());
    fs::remove(notASkin);

    // A file that holds one of the stored skins ticks that one (as --skin does at start-up).
    ASSERT_TRUE(menu->UseSkinFile(BUILT_SKINS_DIR "/gallery-meadow.skn"));
    EXPECT_TRUE(menu->MeadowItem->Checked());
    EXPECT_FALSE(menu->GraphiteItem->Checked());
}

}  // namespace
