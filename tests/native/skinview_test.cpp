// The skin preview: it paints the skin's own images in the right places, resolves every
// transparent pixel, and the skinview tool writes it as a PNG that reads back the same.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/skin_image.h"
#include "skin/data/skin_loader.h"
#include "tools/common/skin_preview.h"

namespace {
namespace fs = std::filesystem;

bool LoadBuilt(const std::string& name, skin::TSkinObjects& objects) {
    const fs::path path = fs::path(BUILT_SKINS_DIR) / (name + ".skn");
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    return !bytes.empty() && skin::LoadSkinPackage(objects, bytes, 17).Ok();
}

int CountMagenta(const base::Bitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.At(x, y) == base::kMagenta;
    return n;
}

class SkinPreview : public ::testing::TestWithParam<std::string> {};

TEST_P(SkinPreview, PaintsTheCaptionFromTheSkinsTopImage) {
    skin::TSkinObjects s;
    ASSERT_TRUE(LoadBuilt(GetParam(), s));
    const int width = 800, height = 520;
    const base::Bitmap preview = tools::RenderSkinPreview(s, width, height);
    ASSERT_EQ(preview.Width(), width);
    ASSERT_EQ(preview.Height(), height);
    EXPECT_EQ(CountMagenta(preview), 0);

    // The active main window spans (16, 16) to (width - 250, height - 16); its caption lies
    // between the side edges.
    const auto& top = *s.BorderTop;
    const int l = s.BorderLeft->Map.Width() / s.BorderLeft->FrameCount;
    const int r = s.BorderRight->Map.Width() / s.BorderRight->FrameCount;
    const base::Rect caption{16 + l, 16, width - 250 - r, 16 + top.Map.Height() / 2};
    const base::Bitmap expected =
        skin::BuildSkinImage(caption, top.Map, top.Margins, true, top.Tile != 1, top.FrameCount, 1);
    // Row 1 (above the buttons and the text pill), just left of the caption buttons.
    const int x = caption.Right - 140;
    EXPECT_EQ(preview.At(x, caption.Top + 1), expected.At(x - caption.Left, 1));
    // The inactive window at the right uses the second frame.
    const base::Bitmap inactive =
        skin::BuildSkinImage(caption, top.Map, top.Margins, true, top.Tile != 1, top.FrameCount, 2);
    const int sideLeft = width - 250 + 14 + l;
    EXPECT_EQ(preview.At(sideLeft + 60, caption.Top + 1), inactive.At(60, 1));
    EXPECT_NE(preview.At(x, caption.Top + 1), preview.At(sideLeft + 60, caption.Top + 1));
}

TEST_P(SkinPreview, SizesAreClampedToTheMinimum) {
    skin::TSkinObjects s;
    ASSERT_TRUE(LoadBuilt(GetParam(), s));
    const base::Bitmap small = tools::RenderSkinPreview(s, 10, -5);
    EXPECT_EQ(small.Width(), tools::kPreviewMinWidth);
    EXPECT_EQ(small.Height(), tools::kPreviewMinHeight);
    EXPECT_EQ(CountMagenta(small), 0);
    const base::Bitmap wide = tools::RenderSkinPreview(s, 1200, 700);
    EXPECT_EQ(wide.Width(), 1200);
    EXPECT_EQ(CountMagenta(wide), 0);
}

INSTANTIATE_TEST_SUITE_P(Built, SkinPreview, ::testing::Values("graphite", "meadow"));

TEST(SkinPreviewEmpty, AnUnskinnedSetStillRenders) {
    skin::TSkinObjects empty;
    const base::Bitmap preview = tools::RenderSkinPreview(empty, 700, 480);
    EXPECT_EQ(preview.Width(), 700);
    EXPECT_EQ(CountMagenta(preview), 0);
    // System colors resolve to their classic values.
    EXPECT_EQ(tools::ResolveColor(clBtnFace), 0xF0F0F0u);
    EXPECT_EQ(tools::ResolveColor(MakeRgb(1, 2, 3)), base::MakePixel(1, 2, 3));
    EXPECT_EQ(tools::ResolveColor(0xFF0000FF), 0u);  // an index beyond the table
}

int RunTool(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SkinViewTool, WritesAPngOfThePreview) {
    const fs::path tool = fs::path(TOOLS_BIN_DIR) / "skinview";
    const fs::path package = fs::path(BUILT_SKINS_DIR) / "graphite.skn";
    const fs::path out = fs::temp_directory_path() / ("skinview_test_" + std::to_string(::getpid()) + ".png");
    ASSERT_EQ(
        RunTool("'" + tool.string() + "' '" + package.string() + "' '" + out.string() + "' --width 700 --height 500"),
        0);

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_file(&image, out.string().c_str()), 0);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_NE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr), 0);
    ASSERT_EQ(image.width, 700u);
    ASSERT_EQ(image.height, 500u);

    skin::TSkinObjects s;
    ASSERT_TRUE(LoadBuilt("graphite", s));
    const base::Bitmap expected = tools::RenderSkinPreview(s, 700, 500);
    int different = 0;
    std::string first;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 700; ++x) {
            const png_byte* p = &pixels[(static_cast<std::size_t>(y) * 700 + static_cast<std::size_t>(x)) * 3];
            if (base::MakePixel(p[0], p[1], p[2]) == expected.At(x, y)) continue;
            if (different++ == 0) first = "first at " + std::to_string(x) + "," + std::to_string(y);
        }
    EXPECT_EQ(different, 0) << first;
    fs::remove(out);
}

TEST(SkinViewTool, BadInputGivesAnErrorStatus) {
    const std::string tool = "'" + (fs::path(TOOLS_BIN_DIR) / "skinview").string() + "'";
    const fs::path dir = fs::temp_directory_path() / ("skinview_bad_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "junk.skn") << "this is not a skin package at all";
    EXPECT_EQ(RunTool(tool), 2);
    EXPECT_EQ(RunTool(tool + " a.skn"), 2);
    EXPECT_EQ(RunTool(tool + " x.skn y.png --width"), 2);
    EXPECT_EQ(RunTool(tool + " x.skn y.png --height -3"), 2);
    EXPECT_EQ(RunTool(tool + " '" + (dir / "missing.skn").string() + "' '" + (dir / "o.png").string() + "'"), 1);
    EXPECT_EQ(RunTool(tool + " '" + (dir / "junk.skn").string() + "' '" + (dir / "o.png").string() + "'"), 1);
    EXPECT_FALSE(fs::exists(dir / "o.png"));
    fs::remove_all(dir);
}

}  // namespace
