// What a skin author is told about a skin folder: a headline saying whether the folder's skin
// is on or the last good one stays, and one line per finding in `skinpack lint`'s format.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "skin/source/skin_folder_load.h"
#include "skin/source/skin_lint.h"

namespace skin::source {

struct TFindingCounts {
    int Errors = 0;
    int Warnings = 0;
};

TFindingCounts CountFindings(std::span<const TLintFinding> findings);
// "2 error(s), 1 warning(s)", as the lint command ends its report.
std::string FormatFindingCounts(const TFindingCounts& counts);

struct TSkinProblems {
    bool Broken = false;  // the folder's skin was not applied
    std::string Headline;
    std::vector<std::string> Lines;  // "skin.ini:12: [Colours] error: ..." or the reading error
};

// `folderName` is the folder as the author named it.
TSkinProblems DescribeSkinFolder(const TSkinFolderLoad& load, const std::string& folderName);

}  // namespace skin::source
