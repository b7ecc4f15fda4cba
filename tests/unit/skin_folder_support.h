#pragma once
// An unpacked skin in a fresh temporary folder, for the tests of reading, checking and
// following a skin folder: a copy of a built skin's staging folder (what `skinpack unpack`
// writes for it), and small edits an author makes to it.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace skin_folder_test {

namespace fs = std::filesystem;

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// 1-based number of the first line of `text` that begins with `start`; 0 when there is none.
inline int LineOf(const std::string& text, const std::string& start) {
    int line = 1;
    for (std::size_t at = 0; at < text.size(); ++line) {
        if (text.compare(at, start.size(), start) == 0) return line;
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return 0;
}

// Replaces the whole line that begins with `start`; returns false when there is none.
inline bool ReplaceLine(const fs::path& path, const std::string& start, const std::string& replacement) {
    std::string text = ReadText(path);
    const int line = LineOf(text, start);
    if (line == 0) return false;
    std::size_t at = 0;
    for (int i = 1; i < line; ++i) at = text.find('\n', at) + 1;
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) end = text.size();
    text.replace(at, end - at, replacement);
    WriteText(path, text);
    return true;
}

// A copy of the built skin `name`'s folder in a new temporary folder, removed with the object.
class TempSkinFolder {
public:
    explicit TempSkinFolder(const std::string& name) {
        // Test processes run side by side: the name must not depend on this process alone.
        std::random_device random;
        path_ = fs::temp_directory_path() /
                ("skin-folder-" + name + "-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::error_code ignored;
        fs::remove_all(path_, ignored);
        fs::create_directories(path_);
#ifdef BUILT_SKINS_DIR
        fs::copy(fs::path(BUILT_SKINS_DIR) / name, path_, fs::copy_options::recursive, ignored);
#endif
    }
    ~TempSkinFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempSkinFolder(const TempSkinFolder&) = delete;
    TempSkinFolder& operator=(const TempSkinFolder&) = delete;

    const fs::path& Path() const { return path_; }
    fs::path Definition() const { return path_ / "skin.ini"; }
    bool Complete() const { return fs::exists(Definition()); }

private:
    fs::path path_;
};

}  // namespace skin_folder_test
