// Where the tests find our skin packages: the native tree builds them into its skins folder.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// The package file of one of our skins by name ("graphite", "meadow", "gallery-meadow").
inline std::string BuiltSkinFile(std::string_view name) {
    return std::string(BUILT_SKINS_DIR) + "/" + std::string(name) + ".skn";
}

// The same file for the wide Windows calls (the folder's path is ASCII).
inline std::wstring BuiltSkinFileW(std::string_view name) {
    const std::string file = BuiltSkinFile(name);
    return std::wstring(file.begin(), file.end());
}

}  // namespace testing_support
