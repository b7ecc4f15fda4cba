// The whole load of the default skin package (decompress, split, parse the
// definition, build every object and derived image) against decompression
// alone, in the same run.
//
// The package is $SKIN_PACKAGE when set, else the default skin the build
// made in BUILT_SKINS_DIR, else a synthetic package with a comparable set of
// images (reported in the benchmark's label).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/bmp_io.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_loader.h"
#include "skin/source/package_writer.h"

namespace {

// The default skin's package name in the build's skins folder.
constexpr const char* kDefaultSkinFile = "graphite.skn";

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A skin-like picture: flat bands with a bevel, a few colors, magenta corners.
base::Bitmap SkinLikeImage(int width, int height, std::uint8_t tone) {
    base::Bitmap bitmap(width, height, base::MakePixel(tone, static_cast<std::uint8_t>(tone / 2), 90));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (y == 0 || x == 0)
                bitmap.At(x, y) = base::MakePixel(230, 230, 230);
            else if (y == height - 1 || x == width - 1)
                bitmap.At(x, y) = base::MakePixel(60, 60, 60);
            else if ((y * 7 / height) % 2 == 0)
                bitmap.At(x, y) = base::MakePixel(tone, static_cast<std::uint8_t>(y * 4), 120);
        }
    }
    bitmap.At(0, 0) = base::kMagenta;
    bitmap.At(width - 1, 0) = base::kMagenta;
    return bitmap;
}

std::vector<std::uint8_t> SyntheticPackage() {
    struct Image {
        const char* section;
        const char* key;
        int width, height;
    };
    const Image images[] = {
        {"Personality", "Left", 4, 120},
        {"Personality", "Right", 4, 120},
        {"Personality", "Top", 240, 26},
        {"Personality", "Bottom", 240, 4},
        {"Personality", "TextBack", 60, 44},
        {"Personality", "menuBar", 60, 40},
        {"ButtonClose", "ButtonImage", 108, 18},
        {"ButtonMax", "ButtonImage", 108, 18},
        {"ButtonMin", "ButtonImage", 108, 18},
        {"ButtonRestore", "ButtonImage", 108, 18},
        {"MDICONTROLS", "Image", 192, 14},
        {"Buttons", "Bitmap", 300, 23},
        {"Buttons", "CheckButton", 64, 16},
        {"Buttons", "RadioButton", 64, 16},
        {"Progress", "Bitmap", 40, 16},
        {"Progress", "Chunk", 10, 12},
        {"GroupBoxEdge", "Image", 40, 20},
        {"GroupBox", "Image", 30, 18},
        {"Tabs", "Image", 300, 22},
        {"Tabs", "Border", 30, 30},
        {"StatusBarEdges", "Image", 90, 22},
        {"ToolBars", "Image", 150, 22},
        {"ComboButton", "Image", 68, 21},
        {"SunkEdge", "Image", 80, 20},
        {"ExtraImages", "Image", 60, 12},
        {"Headerbar", "Image", 150, 20},
        {"MenuItem", "Image", 150, 20},
        {"MenuBackground", "Image", 40, 40},
        {"Scrollbar", "Image", 391, 17},
        {"HorzScroll", "Image", 120, 17},
        {"VertScroll", "Image", 68, 30},
        {"HorzScrollThumb", "Image", 90, 17},
        {"VertScrollThumb", "Image", 51, 30},
        {"Trackbar.ThumbHorz", "Image", 55, 20},
        {"Trackbar.ThumbVert", "Image", 100, 11},
        {"UpDown.Horz", "Image", 128, 16},
        {"UpDown.Vert", "Image", 128, 16},
    };
    std::string definition = "[TitlebarSkin]\nSkinName=Synthetic\n[Colours]\nButtonFace=212 208 200\n";
    std::vector<skin::source::TPackageMember> members;
    std::string currentSection;
    int n = 0;
    for (const Image& image : images) {
        const std::string name = "image" + std::to_string(n) + ".bmp";
        if (currentSection != image.section) {
            currentSection = image.section;
            definition += "[" + currentSection + "]\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n";
        }
        definition += std::string(image.key) + "=" + name + "\n";
        members.push_back(
            {name, base::WriteBmp24(SkinLikeImage(image.width, image.height, static_cast<std::uint8_t>(40 + 5 * n)))});
        ++n;
    }
    members.insert(members.begin(), {"skin.ini", std::vector<std::uint8_t>(definition.begin(), definition.end())});
    return skin::source::WriteCompressedPackage(members);
}

struct DefaultPackage {
    std::vector<std::uint8_t> bytes;
    std::string source;
};

const DefaultPackage& Package() {
    static const DefaultPackage package = [] {
        DefaultPackage p;
        if (const char* env = std::getenv("SKIN_PACKAGE"); env && *env) {
            p.bytes = ReadFile(env);
            p.source = env;
        }
#ifdef BUILT_SKINS_DIR
        if (p.bytes.empty()) {
            const std::filesystem::path built = std::filesystem::path(BUILT_SKINS_DIR) / kDefaultSkinFile;
            std::error_code error;
            if (std::filesystem::is_regular_file(built, error)) {
                p.bytes = ReadFile(built);
                p.source = built.filename().string();
            }
        }
#endif
        if (p.bytes.empty()) {
            p.bytes = SyntheticPackage();
            p.source = "synthetic";
        }
        return p;
    }();
    return package;
}

void Decode(benchmark::State& state) {
    const DefaultPackage& package = Package();
    for (auto _ : state) {
        std::vector<std::uint8_t> plain = skin::DecompressStream(package.bytes);
        benchmark::DoNotOptimize(plain.data());
    }
    state.SetLabel(package.source);
}

void BM_skin_decode_default(benchmark::State& state) { Decode(state); }
void BM_skin_load_default_baseline(benchmark::State& state) { Decode(state); }

void BM_skin_load_default(benchmark::State& state) {
    const DefaultPackage& package = Package();
    for (auto _ : state) {
        skin::TSkinObjects objects;
        const skin::TSkinLoadResult result = skin::LoadSkinPackage(objects, package.bytes, 17);
        if (!result.Ok()) {
            state.SkipWithError(result.Reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(objects.Title.get());
    }
    state.SetLabel(package.source);
}

BENCHMARK(BM_skin_decode_default)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_skin_load_default_baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_skin_load_default)->Unit(benchmark::kMicrosecond);

}  // namespace
