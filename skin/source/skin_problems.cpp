#include "skin/source/skin_problems.h"

namespace skin::source {

TFindingCounts CountFindings(std::span<const TLintFinding> findings) {
    TFindingCounts counts;
    for (const TLintFinding& finding : findings)
        (finding.Severity == TLintSeverity::Error ? counts.Errors : counts.Warnings)++;
    return counts;
}

std::string FormatFindingCounts(const TFindingCounts& counts) {
    return std::to_string(counts.Errors) + " error(s), " + std::to_string(counts.Warnings) + " warning(s)";
}

TSkinProblems DescribeSkinFolder(const TSkinFolderLoad& load, const std::string& folderName) {
    TSkinProblems problems;
    problems.Broken = !load.Usable();
    if (!load.Error.empty()) {
        problems.Headline = folderName + " cannot be read; the last good skin stays on.";
        problems.Lines.push_back(load.Error);
        return problems;
    }
    const TFindingCounts counts = CountFindings(load.Findings);
    problems.Headline = folderName + ": " + FormatFindingCounts(counts) +
                        (problems.Broken ? "; the last good skin stays on." : "; the folder's skin is on.");
    for (const TLintFinding& finding : load.Findings)
        problems.Lines.push_back(FormatFinding(load.DefinitionName, finding));
    return problems;
}

}  // namespace skin::source
