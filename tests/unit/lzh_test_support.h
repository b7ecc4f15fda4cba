// Helpers shared by the LZH stream tests: the compatibility vectors and generated inputs.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "unit/test_files.h"

namespace lzh_test {

using test_files::ReadBytes;

inline std::filesystem::path VectorDir() { return std::filesystem::path(TEST_DATA_DIR) / "lzh-vectors"; }

// Names of the vectors: every NAME.lzh in the vector folder that has its NAME.bin.
inline std::vector<std::string> VectorNames() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(VectorDir(), error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() == ".lzh" &&
            std::filesystem::exists(std::filesystem::path(path).replace_extension(".bin"))) {
            names.push_back(path.stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The declared length at the start of a stream (4 bytes, little-endian, signed).
inline std::int32_t DeclaredLength(const std::vector<std::uint8_t>& stream) {
    std::uint32_t raw = 0;
    for (int i = 3; i >= 0; --i) raw = (raw << 8) | stream.at(static_cast<std::size_t>(i));
    return static_cast<std::int32_t>(raw);
}

inline std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// Words from a small vocabulary with spaces and line breaks: compressible like real text.
inline std::vector<std::uint8_t> RandomText(std::size_t size, std::uint32_t seed) {
    static const char* const words[] = {"skin",   "frame",  "caption", "button", "window", "the",        "of",
                                        "[Form]", "Color=", "Bitmap=", "a",      "menu",   "0x00FF00FF", "bmp"};
    std::mt19937 random(seed);
    std::vector<std::uint8_t> text;
    while (text.size() < size) {
        const std::string word = words[random() % std::size(words)];
        text.insert(text.end(), word.begin(), word.end());
        text.push_back(random() % 9 == 0 ? '\n' : ' ');
    }
    text.resize(size);
    return text;
}

// Runs of one byte value with random lengths, some longer than the longest match.
inline std::vector<std::uint8_t> RandomRuns(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> runs;
    while (runs.size() < size) runs.insert(runs.end(), 1 + random() % 150, static_cast<std::uint8_t>(random() % 4));
    runs.resize(size);
    return runs;
}

}  // namespace lzh_test
