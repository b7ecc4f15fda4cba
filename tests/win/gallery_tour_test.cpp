// The skin gallery's headless tour, run as the real program: every window it opens is skinned or
// left alone as the skin manager's rules say, and each picture it saves is a real capture.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "base/bmp_io.h"
#include "base/win/handles.h"

namespace {

struct TourRun {
    DWORD exitCode = 1;
    std::map<std::string, std::string> report;  // "<window> <key>" -> value
    std::string folder;
};

std::string TempFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "skingallery-tour-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Runs skingallery.exe with its tour into a fresh folder and reads its report back.
TourRun RunTour() {
    TourRun run;
    run.folder = TempFolder();
    SetEnvironmentVariableA("SKINGALLERY_SCREENSHOT_DIR", run.folder.c_str());
    SetEnvironmentVariableA("SKINGALLERY_SKIN", nullptr);
    std::string command = "\"" + std::string(TOOLS_BIN_DIR) + "/skingallery.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA("SKINGALLERY_SCREENSHOT_DIR", nullptr);
    if (!started) return run;
    const base::win::UniqueKernelHandle processHandle(process.hProcess);
    const base::win::UniqueKernelHandle threadHandle(process.hThread);
    // A guard against a hung tour only; the tour ends itself long before.
    if (WaitForSingleObject(process.hProcess, 100000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        return run;
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    std::ifstream in(run.folder + "\\report.txt");
    std::string window, entry;
    while (in >> window >> entry) {
        const auto equals = entry.find('=');
        if (equals != std::string::npos) run.report[window + " " + entry.substr(0, equals)] = entry.substr(equals + 1);
    }
    return run;
}

const TourRun& Tour() {
    static const TourRun run = RunTour();
    return run;
}

base::Bitmap ReadCapture(const std::string& folder, const std::string& name) {
    std::ifstream in(folder + "\\" + name + ".bmp", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return base::ReadBmp(bytes).Image;
}

TEST(GalleryTour, EndsOnItsOwnWithExitCodeZero) { EXPECT_EQ(Tour().exitCode, 0u); }

// Which windows the skin manager takes, by the rules of form skinning.
TEST(GalleryTour, EachWindowIsSkinnedOrLeftAloneAsTheRulesSay) {
    struct Case {
        const char* window;
        const char* skinned;
    };
    const Case cases[] = {
        {"GalleryForm", "1"},  // the main form of the main component
        {"SizableForm", "1"},
        {"BorderlessForm", "1"},
        {"RightToLeftForm", "1"},
        {"ToolWindowForm", "1"},
        {"PinnableForm", "1"},
        {"UnskinnedForm", "0"},     // Tag 99
        {"PrintPreviewForm", "0"},  // class contains "preview", no xoPreview
        {"OwnSkinForm", "1"},       // its own sfOnlyThisForm component
        {"MessageBox", "1"},        // #32770 of user32
        {"ColourDialog", "1"},      // #32770 of comdlg32
        {"MdiForm", "1"},           // an MDI frame
        {"MdiFormDocuments", "3"},  // its three children, skinned through its client window
        {"MdiFormMaximized", "1"},
        // Open menus: each menu window answers that it is skinned.
        {"GalleryForm-SkinMenu", "1"},
        {"MenusForm-MainMenu", "1"},
        {"MenusForm-ContextMenu", "1"},
        {"MenusForm-WindowsMenu", "1"},
        {"RightToLeftForm-MainMenu", "1"},
    };
    for (const Case& c : cases) {
        const auto found = Tour().report.find(std::string(c.window) + " skinned");
        ASSERT_NE(found, Tour().report.end()) << c.window << " was not visited";
        EXPECT_EQ(found->second, c.skinned) << c.window;
    }
}

TEST(GalleryTour, PinnableWindowIsAskedWhetherItsCaptionButtonShows) {
    const auto found = Tour().report.find("PinnableForm visibility-questions");
    ASSERT_NE(found, Tour().report.end());
    EXPECT_GT(std::stoi(found->second), 0);
}

// The second skin is really drawn: the caption of the form with its own component differs from
// the main form's at the same place, while two forms of the main skin agree.
TEST(GalleryTour, FormWithItsOwnSkinDrawsAnotherCaption) {
    const base::Bitmap gallery = ReadCapture(Tour().folder, "GalleryForm");
    const base::Bitmap sizable = ReadCapture(Tour().folder, "SizableForm");
    const base::Bitmap own = ReadCapture(Tour().folder, "OwnSkinForm");
    ASSERT_GT(gallery.Width(), 40);
    ASSERT_GT(sizable.Width(), 40);
    ASSERT_GT(own.Width(), 40);
    // Left of the caption text, right of the icon: plain caption background.
    const int x = 4, y = 2;
    EXPECT_EQ(gallery.At(x + 30, y + 1), sizable.At(x + 30, y + 1));
    EXPECT_NE(gallery.At(x + 30, y + 1), own.At(x + 30, y + 1));
}

}  // namespace
