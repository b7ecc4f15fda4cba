// skingen PARAMS OUTDIR: draws the bitmaps of one skin from its parameter file and writes them
// as 24-bit BMPs into OUTDIR. The output depends only on the parameters, so packages built from
// it are reproducible.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "base/bmp_io.h"
#include "tools/skingen/images.h"

namespace {

int Run(int argc, char** argv) {
    using namespace tools::skingen;
    if (argc != 3) {
        std::cerr << "usage: skingen PARAMS OUTDIR\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "skingen: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const Params params = Params::Parse(text.str(), argv[1]);

    ImageSet images;
    MakeFrameImages(params, images);
    MakeCaptionButtonImages(params, images);
    MakeButtonImages(params, images);
    MakeScrollImages(params, images);
    MakePanelImages(params, images);

    for (const std::string& unused : params.UnusedKeys())
        std::cerr << "skingen: " << argv[1] << ": unused parameter " << unused << "\n";

    const std::filesystem::path outDir = argv[2];
    std::filesystem::create_directories(outDir);
    for (const auto& [name, bitmap] : images) {
        const std::vector<std::uint8_t> bytes = base::WriteBmp24(bitmap);
        std::ofstream out(outDir / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "skingen: cannot write " << (outDir / name).string() << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "skingen: " << e.what() << "\n";
        return 1;
    }
}
