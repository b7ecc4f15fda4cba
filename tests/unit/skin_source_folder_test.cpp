// Reading an unpacked skin folder as the live preview does: a good folder becomes the package
// `skinpack pack` makes of it; a broken one yields no package and problems naming the file and
// line; and the decisions of when a watched folder is read.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/data/skin_loader.h"
#include "skin/source/folder_changes.h"
#include "skin/source/skin_folder.h"
#include "skin/source/skin_folder_load.h"
#include "skin/source/skin_problems.h"
#include "skin_folder_support.h"
#include "unit/test_files.h"

namespace {

namespace fs = std::filesystem;
using skin::source::TFolderChangeDebounce;
using skin::source::TFolderSnapshot;
using skin_folder_test::LineOf;
using skin_folder_test::ReadText;
using skin_folder_test::ReplaceLine;
using skin_folder_test::TempSkinFolder;
using skin_folder_test::WriteText;

TEST(SkinSourceFolder, GoodFolderBecomesThePackageThatPackMakesOfIt) {
    TempSkinFolder folder("graphite");
    ASSERT_TRUE(folder.Complete()) << "the skins were not built";
    const skin::source::TSkinFolderLoad load = skin::source::LoadSkinFolder(folder.Path());
    ASSERT_TRUE(load.Usable()) << load.Error;
    EXPECT_EQ(load.DefinitionName, "skin.ini");
    EXPECT_EQ(load.Package, test_files::ReadBytes(fs::path(BUILT_SKINS_DIR) / "graphite.skn"));

    skin::TSkinObjects objects;
    ASSERT_TRUE(skin::LoadSkinPackage(objects, load.Package, 17).Ok());
    const skin::source::TSkinProblems problems = skin::source::DescribeSkinFolder(load, "graphite");
    EXPECT_FALSE(problems.Broken);
    EXPECT_EQ(problems.Headline, "graphite: " + skin::source::FormatFindingCounts({}) + "; the folder's skin is on.");
    EXPECT_TRUE(problems.Lines.empty());
}

// Each way an author breaks a folder: no package, and the problem names the file and line.
TEST(SkinSourceFolder, BrokenFolderGivesNoPackageAndProblemsWithFileAndLine) {
    struct Case {
        const char* What;
        std::string LineStart;    // the definition line the problem is on ("" for the folder)
        std::string Replacement;  // that line's new text
        const char* Bitmap;       // a BMP to break
        const char* BitmapBytes;  // its new content ("" removes it)
        const char* Expected;     // part of the message
    };
    const Case cases[] = {
        {"unknown key", "ButtonFace=", "ButtonFase=1 2 3", nullptr, nullptr, "unknown key \"ButtonFase\""},
        {"bad colour", "ButtonFace=", "ButtonFace=12 300", nullptr, nullptr, "is not three numbers"},
        {"missing image", "Left=", "Left=left.bmp", "left.bmp", "", "image member \"left.bmp\" is missing"},
        {"corrupt image", "Left=", "Left=left.bmp", "left.bmp", "BM-not-a-bitmap", "is not a readable BMP"},
        {"no definition", "", "", nullptr, nullptr, "no .ini definition file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TempSkinFolder folder("graphite");
        ASSERT_TRUE(folder.Complete()) << "the skins were not built";
        int line = 0;
        if (!c.LineStart.empty()) {
            ASSERT_TRUE(ReplaceLine(folder.Definition(), c.LineStart, c.Replacement));
            line = LineOf(ReadText(folder.Definition()), c.Replacement);
            ASSERT_GT(line, 0);
        } else {
            fs::remove(folder.Definition());
        }
        if (c.Bitmap != nullptr) {
            if (*c.BitmapBytes == '\0')
                fs::remove(folder.Path() / c.Bitmap);
            else
                WriteText(folder.Path() / c.Bitmap, c.BitmapBytes);
        }
        const skin::source::TSkinFolderLoad load = skin::source::LoadSkinFolder(folder.Path());
        EXPECT_FALSE(load.Usable());
        EXPECT_TRUE(load.Package.empty());
        const skin::source::TSkinProblems problems = skin::source::DescribeSkinFolder(load, "edited");
        EXPECT_TRUE(problems.Broken);
        EXPECT_NE(problems.Headline.find("the last good skin stays on"), std::string::npos) << problems.Headline;
        ASSERT_FALSE(problems.Lines.empty());
        const std::string where = line > 0 ? "skin.ini:" + std::to_string(line) + ": " : folder.Path().string();
        bool found = false;
        for (const std::string& text : problems.Lines)
            found |= text.find(where) == 0 && text.find(c.Expected) != std::string::npos;
        EXPECT_TRUE(found) << where << " ... " << c.Expected << "\nfirst line: " << problems.Lines.front();
    }
}

TEST(SkinSourceFolder, WarningsAloneLeaveTheFolderUsableAndAreListed) {
    TempSkinFolder folder("graphite");
    ASSERT_TRUE(folder.Complete()) << "the skins were not built";
    ASSERT_TRUE(ReplaceLine(folder.Definition(), "ButtonFace=", "ButtonFace=1 2 3\nButtonFace=4 5 6"));
    const int repeat = LineOf(ReadText(folder.Definition()), "ButtonFace=4 5 6");
    const skin::source::TSkinFolderLoad load = skin::source::LoadSkinFolder(folder.Path());
    ASSERT_TRUE(load.Usable());
    EXPECT_FALSE(load.Package.empty());
    const skin::source::TSkinProblems problems = skin::source::DescribeSkinFolder(load, "edited");
    EXPECT_FALSE(problems.Broken);
    EXPECT_EQ(problems.Headline, "edited: " + skin::source::FormatFindingCounts({0, 1}) + "; the folder's skin is on.");
    ASSERT_EQ(problems.Lines.size(), 1u);
    EXPECT_EQ(problems.Lines[0].rfind("skin.ini:" + std::to_string(repeat) + ": [Colours] warning: ", 0), 0u)
        << problems.Lines[0];
}

TEST(SkinSourceFolder, SnapshotSeesSizesTimesContentsAndAMissingFolder) {
    TempSkinFolder folder("none");
    WriteText(folder.Path() / "a.bmp", "12345");
    const TFolderSnapshot first = skin::source::SnapshotFolder(folder.Path());
    ASSERT_TRUE(first.Listed);
    ASSERT_EQ(first.Entries.size(), 1u);
    EXPECT_EQ(first.Entries[0].Name, "a.bmp");
    EXPECT_EQ(first.Entries[0].Size, 5u);
    EXPECT_EQ(skin::source::SnapshotFolder(folder.Path()), first);

    WriteText(folder.Path() / "a.bmp", "123");
    EXPECT_NE(skin::source::SnapshotFolder(folder.Path()), first);
    // Same size, later write time.
    WriteText(folder.Path() / "a.bmp", "12345");
    fs::last_write_time(folder.Path() / "a.bmp",
                        fs::last_write_time(folder.Path() / "a.bmp") + std::chrono::seconds(5));
    EXPECT_NE(skin::source::SnapshotFolder(folder.Path()), first);

    // Same size, same write time, other bytes: a bitmap saved again within the second that a
    // file system keeps write times to.
    const TFolderSnapshot before = skin::source::SnapshotFolder(folder.Path());
    const fs::file_time_type written = fs::last_write_time(folder.Path() / "a.bmp");
    WriteText(folder.Path() / "a.bmp", "54321");
    fs::last_write_time(folder.Path() / "a.bmp", written);
    EXPECT_NE(skin::source::SnapshotFolder(folder.Path()), before);

    fs::create_directory(folder.Path() / "sub");  // folders are not members
    EXPECT_EQ(skin::source::SnapshotFolder(folder.Path()).Entries.size(), 1u);
    EXPECT_FALSE(skin::source::SnapshotFolder(folder.Path() / "gone").Listed);
}

// Polls of a watched folder: (time, which snapshot) -> whether the folder is read then.
TEST(SkinSourceFolder, DebounceReadsAChangeOnceItHasStayedTheSame) {
    TFolderSnapshot a{true, {{"skin.ini", 10, 1}}};
    TFolderSnapshot b{true, {{"skin.ini", 12, 2}}};
    TFolderSnapshot c{true, {{"skin.ini", 14, 3}}};
    TFolderSnapshot gone{};
    struct Poll {
        std::int64_t At;
        const TFolderSnapshot* Seen;
        bool Read;
        const char* Why;
    };
    const Poll polls[] = {
        {0, &a, false, "as settled"},
        {100, &b, false, "a change starts the quiet period"},
        {200, &b, false, "not quiet long enough"},
        {250, &b, true, "quiet for the whole period"},
        {350, &b, false, "read already"},
        {400, &c, false, "half written"},
        {450, &b, false, "changed again: the quiet period restarts, but it is as read"},
        {700, &b, false, "still as read"},
        {800, &c, false, "a new change"},
        {900, &a, false, "changed again before it was quiet"},
        {1000, &a, false, "quiet for 100 ms only"},
        {1050, &a, true, "quiet for 150 ms"},
        {1100, &gone, false, "the folder vanished"},
        {1250, &gone, true, "and stayed away: read, so the author hears of it"},
    };
    TFolderChangeDebounce debounce(150);
    debounce.Settled(a);
    for (const Poll& poll : polls) {
        const bool read = debounce.Poll(poll.At, *poll.Seen);
        EXPECT_EQ(read, poll.Read) << poll.At << ": " << poll.Why;
        if (read) debounce.Settled(*poll.Seen);
    }
}

}  // namespace
