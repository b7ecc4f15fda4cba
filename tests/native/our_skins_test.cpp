// Our two skins as the build produces them: they load, lint clean, hold what their definitions
// promise, stay small, and are rebuilt byte for byte from their sources.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/skin_loader.h"
#include "tools/common/skin_inspect.h"
#include "skin/source/skin_lint_source.h"
#include "unit/test_files.h"

namespace {
namespace fs = std::filesystem;

const fs::path kSkinsDir = BUILT_SKINS_DIR;

struct LoadedSkin {
    std::vector<std::uint8_t> Package;
    skin::TSkinObjects Objects;
};

// Loads a built package; fails the test when it is missing or does not load.
void Load(const std::string& name, LoadedSkin& out) {
    out.Package = test_files::ReadBytes(kSkinsDir / (name + ".skn"));
    ASSERT_FALSE(out.Package.empty()) << "build the 'skins' target: " << (kSkinsDir / (name + ".skn"));
    const skin::TSkinLoadResult result = skin::LoadSkinPackage(out.Objects, out.Package, 17);
    ASSERT_TRUE(result.Ok()) << result.Reason;
}

class OurSkins : public ::testing::TestWithParam<std::string> {};

TEST_P(OurSkins, LoadLintCleanAndStaySmall) {
    LoadedSkin s;
    ASSERT_NO_FATAL_FAILURE(Load(GetParam(), s));
    // A few tens of KB compressed.
    EXPECT_GT(s.Package.size(), 5'000u);
    EXPECT_LT(s.Package.size(), 80'000u);

    const skin::source::TLintReport report = skin::source::LintSkinPath(kSkinsDir / (GetParam() + ".skn"));
    EXPECT_TRUE(report.Error.empty()) << report.Error;
    for (const auto& f : report.Findings) ADD_FAILURE() << skin::source::FormatFinding(report.DefinitionName, f);

    std::string description, error;
    ASSERT_TRUE(tools::InspectSkinPackage(s.Package, description, error)) << error;
    EXPECT_EQ(description.substr(description.size() - 3), "ok\n");
}

TEST_P(OurSkins, FramesAreShapedAndHaveActiveAndInactiveStates) {
    LoadedSkin s;
    ASSERT_NO_FATAL_FAILURE(Load(GetParam(), s));
    const auto& o = s.Objects;
    for (const auto* edge : {o.BorderLeft.get(), o.BorderRight.get(), o.BorderTop.get(), o.BorderBottom.get()}) {
        ASSERT_FALSE(edge->Map.Empty()) << edge->Name;
        EXPECT_EQ(edge->FrameCount, 2) << edge->Name;
    }
    // Rounded top corners: the outermost corner pixel is transparent, the caption is not.
    const base::Bitmap& left = o.BorderLeft->Map;
    EXPECT_EQ(left.At(0, 0), base::kMagenta);
    EXPECT_NE(left.At(left.Width() / 2 - 1, left.Height() / 2), base::kMagenta);
    const base::Bitmap& top = o.BorderTop->Map;
    const int caption = top.Height() / 2;
    EXPECT_EQ(top.At(0, 0), base::kMagenta);
    EXPECT_NE(top.At(top.Width() / 2, caption / 2), base::kMagenta);
    // Inactive windows look different from active ones.
    EXPECT_NE(top.At(top.Width() / 2, caption / 2), top.At(top.Width() / 2, caption + caption / 2));
    // The side images keep the caption part unscaled.
    EXPECT_EQ(o.BorderLeft->Margins.Top, caption);
    EXPECT_TRUE(o.BorderTop->Trans != 0 && o.BorderLeft->Trans != 0);
}

TEST_P(OurSkins, CaptionButtonsForEveryWindowCommand) {
    LoadedSkin s;
    ASSERT_NO_FATAL_FAILURE(Load(GetParam(), s));
    int close = 0, maximize = 0, minimize = 0, icon = 0;
    for (const auto& b : s.Objects.SysButtons) {
        close += b->Action == 0;
        maximize += b->Action == 1;
        minimize += b->Action == 2;
        icon += b->Action == 3;
        if (b->Action <= 2) {
            ASSERT_FALSE(b->Map.Empty()) << b->Name;
            EXPECT_EQ(b->Map.Width() % b->FrameCount, 0) << b->Name;
            // The button fits in the caption.
            EXPECT_LE(b->YCoord + b->Map.Height(), s.Objects.BorderTop->Map.Height() / 2) << b->Name;
        }
    }
    EXPECT_EQ(close, 1);
    EXPECT_EQ(maximize, 2);  // maximize and restore
    EXPECT_EQ(minimize, 1);
    EXPECT_EQ(icon, 1);
    // The three MDI child buttons with their 12-frame image cut into 4-frame strips.
    ASSERT_GE(s.Objects.SysButtons.size(), 3u);
    for (std::size_t i = s.Objects.SysButtons.size() - 3; i < s.Objects.SysButtons.size(); ++i) {
        EXPECT_EQ(s.Objects.SysButtons[i]->Align, 100);
        EXPECT_FALSE(s.Objects.SysButtons[i]->Map.Empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Built, OurSkins, ::testing::Values("graphite", "meadow"));

TEST(GraphiteSkin, DefinesEveryObjectThePaintersRead) {
    LoadedSkin s;
    ASSERT_NO_FATAL_FAILURE(Load("graphite", s));
    std::string description, error;
    ASSERT_TRUE(tools::InspectSkinPackage(s.Package, description, error)) << error;
    EXPECT_EQ(description.find(" absent"), std::string::npos) << description;
    const auto& o = s.Objects;
    EXPECT_EQ(o.SkinName, "Graphite");
    EXPECT_EQ(o.Buttons->CheckFrameCount, 4);
    EXPECT_EQ(o.Buttons->RadioFrameCount, 4);
    EXPECT_EQ(o.ToolbarBackground->Name, "ToolBarBackground");
    EXPECT_FALSE(o.Progress->Map2.Empty());
    EXPECT_FALSE(o.Title->Map.Empty());
    for (const auto& b : o.SysButtons) EXPECT_EQ(b->FrameCount, 4) << b->Name;
    // The combo frames are composed by the loader from the sunk edge, the button and the arrow.
    EXPECT_EQ(o.ComboButton->Style, 2);
    EXPECT_EQ(o.ComboButton->Map.Height(), 21);
    EXPECT_FALSE(o.SectionColors.empty());
    for (TColor c : o.CustomColors) EXPECT_FALSE(IsSystemColor(c));
}

TEST(MeadowSkin, ExercisesTheOtherLoaderPaths) {
    LoadedSkin s;
    ASSERT_NO_FATAL_FAILURE(Load("meadow", s));
    const auto& o = s.Objects;
    EXPECT_EQ(o.SkinName, "Meadow");
    EXPECT_EQ(o.BorderTop->Tile, 0);  // tiled middles
    EXPECT_EQ(o.Buttons->Tile, 1);
    for (const auto& b : o.SysButtons) {
        if (b->Action >= 0 && b->Action <= 2) {
            EXPECT_EQ(b->FrameCount, 3) << b->Name;  // counted from the image
        }
        if (b->Action == 3) {
            EXPECT_TRUE(b->Map.Empty());  // shows the window icon
        }
    }
    EXPECT_EQ(o.Buttons->CheckFrameCount, 12);
    EXPECT_EQ(o.Buttons->RadioFrameCount, 8);
    ASSERT_NE(o.ToolbarBackground, nullptr);
    EXPECT_EQ(o.ToolbarBackground->Name, "Toolbar");
    EXPECT_EQ(o.MenuBackground, nullptr);
    ASSERT_NE(o.Progress, nullptr);
    EXPECT_EQ(o.Progress->Style, 1);
    EXPECT_FALSE(o.Progress->Map2.Empty());
}

TEST(OurSkinsDiffer, CaptionsAndAccentsAreVisiblyDifferent) {
    LoadedSkin a, b;
    ASSERT_NO_FATAL_FAILURE(Load("graphite", a));
    ASSERT_NO_FATAL_FAILURE(Load("meadow", b));
    const auto captionPixel = [](const skin::TSkinObjects& o) {
        const base::Bitmap& top = o.BorderTop->Map;
        return top.At(top.Width() / 2, top.Height() / 4);
    };
    const base::Pixel p = captionPixel(a.Objects), q = captionPixel(b.Objects);
    const int distance = std::abs(base::PixelRed(p) - base::PixelRed(q)) +
                         std::abs(base::PixelGreen(p) - base::PixelGreen(q)) +
                         std::abs(base::PixelBlue(p) - base::PixelBlue(q));
    EXPECT_GT(distance, 150);
    EXPECT_NE(a.Objects.HilightColor, b.Objects.HilightColor);
}

TEST(OurSkinsSources, TheGeneratorIsDeterministic) {
    const fs::path generator = fs::path(TOOLS_BIN_DIR) / "skingen";
    const fs::path params = fs::path(TEST_DATA_DIR).parent_path().parent_path() / "skins" / "meadow" / "skingen.txt";
    ASSERT_TRUE(fs::exists(generator));
    ASSERT_TRUE(fs::exists(params));
    const fs::path base = fs::temp_directory_path() / ("skingen_test_" + std::to_string(::getpid()));
    fs::remove_all(base);
    for (const char* run : {"a", "b"}) {
        const std::string command =
            "'" + generator.string() + "' '" + params.string() + "' '" + (base / run).string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(base / "a")) {
        ++files;
        EXPECT_EQ(test_files::ReadBytes(entry.path()), test_files::ReadBytes(base / "b" / entry.path().filename()))
            << entry.path();
    }
    EXPECT_GT(files, 30u);
    // A parameter file with a mistake stops the generator with an error, not a crash.
    std::ofstream(base / "bad.txt") << "[frame]\ncaption_height = tall\n";
    const std::string bad = "'" + generator.string() + "' '" + (base / "bad.txt").string() + "' '" +
                            (base / "c").string() + "' 2>/dev/null";
    const int status = std::system(bad.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    fs::remove_all(base);
}

}  // namespace
