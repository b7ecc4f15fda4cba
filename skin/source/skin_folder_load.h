// Turns an unpacked skin folder into a skin package at run time, for a live preview: the
// folder is read once, its definition and images are checked as `skinpack lint` checks them,
// and only a folder without errors becomes a package.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/source/skin_lint.h"

namespace skin::source {

struct TSkinFolderLoad {
    std::string Error;           // the folder could not be read at all (names the path)
    std::string DefinitionName;  // the member read as the definition
    std::vector<TLintFinding> Findings;
    std::vector<std::uint8_t> Package;  // compressed, as a skin file holds it; empty unless Usable()

    bool Usable() const { return Error.empty() && !HasErrors(Findings); }
};

// Never throws for a bad folder: what is wrong is in Error or Findings.
TSkinFolderLoad LoadSkinFolder(const std::filesystem::path& dir);

}  // namespace skin::source
