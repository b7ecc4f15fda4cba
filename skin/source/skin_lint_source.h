// Lints a skin as a package file or as a folder of sources (a definition .ini and .bmp files).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "skin/source/skin_folder.h"
#include "skin/source/skin_lint.h"

namespace skin::source {

struct TLintReport {
    std::string Error;           // set when the skin could not be read at all
    std::string DefinitionName;  // the member or file taken as the definition
    std::vector<TLintFinding> Findings;
};

// A folder: the first .ini file by lower-case name is the definition and the files of the
// folder are the members. Anything else is read as a compressed skin package, whose
// definition is the first member whose name contains ".ini", as the engine takes it.
TLintReport LintSkinPath(const std::filesystem::path& path);

// The findings for a folder already read: the members linted are the ones a package of it holds.
std::vector<TLintFinding> LintSkinFolder(const TSkinFolder& folder);

}  // namespace skin::source
