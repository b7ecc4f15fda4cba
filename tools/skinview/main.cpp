// skinview SKIN.skn OUT.png [--width W] [--height H]: renders a preview of a skin package
// (windows and controls in their states) without Windows, as a PNG.
#include <charconv>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/skin_loader.h"
#include "tools/common/skin_preview.h"
#include "tools/skinview/png_write.h"

namespace {

constexpr std::uintmax_t kMaxPackageFile = 64u << 20;
// The scroll arrow width of a standard Windows desktop, for the combo frames the loader builds.
constexpr int kScrollArrowWidth = 17;

int Usage() {
    std::cerr << "usage: skinview SKIN.skn OUT.png [--width W] [--height H]\n";
    return 2;
}

bool ParseSize(const std::string& text, int& out) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && out > 0;
}

int Run(const std::vector<std::string>& args) {
    std::vector<std::string> operands;
    int width = tools::kPreviewDefaultWidth, height = tools::kPreviewDefaultHeight;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--width" || args[i] == "--height") {
            if (i + 1 >= args.size() || !ParseSize(args[i + 1], args[i] == "--width" ? width : height)) {
                std::cerr << "skinview: " << args[i] << " needs a positive number\n";
                return Usage();
            }
            ++i;
        } else if (!args[i].empty() && args[i][0] == '-') {
            std::cerr << "skinview: unknown option " << args[i] << "\n";
            return Usage();
        } else {
            operands.push_back(args[i]);
        }
    }
    if (operands.size() != 2) return Usage();

    std::error_code error;
    const auto size = std::filesystem::file_size(operands[0], error);
    if (error) {
        std::cerr << "skinview: " << operands[0] << ": " << error.message() << "\n";
        return 1;
    }
    if (size > kMaxPackageFile) {
        std::cerr << "skinview: " << operands[0] << ": larger than a skin package can be\n";
        return 1;
    }
    std::ifstream in(operands[0], std::ios::binary);
    const std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        std::cerr << "skinview: " << operands[0] << ": read error\n";
        return 1;
    }

    skin::TSkinObjects objects;
    const skin::TSkinLoadResult loaded = skin::LoadSkinPackage(objects, package, kScrollArrowWidth);
    if (!loaded.Ok()) {
        std::cerr << "skinview: " << operands[0] << ": " << loaded.Reason << "\n";
        return 1;
    }
    const std::vector<std::uint8_t> png = tools::EncodePng(tools::RenderSkinPreview(objects, width, height));
    std::ofstream out(operands[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out) {
        std::cerr << "skinview: cannot write " << operands[1] << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "skinview: " << e.what() << "\n";
        return 1;
    }
}
