// skinpack lint SKIN.skn|DIR: reports mistakes of a skin's definition and images, one per
// line with the definition line and section; exit 1 when there are errors.
#include <iostream>

#include "skin/source/skin_lint_source.h"
#include "skin/source/skin_problems.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {

int RunLint(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 1, "lint", operands)) return kExitUsage;
    const skin::source::TLintReport report = skin::source::LintSkinPath(operands[0]);
    if (!report.Error.empty()) {
        PrintError("lint", report.Error);
        return kExitFailure;
    }
    for (const skin::source::TLintFinding& finding : report.Findings)
        std::cout << skin::source::FormatFinding(report.DefinitionName, finding) << "\n";
    const skin::source::TFindingCounts counts = skin::source::CountFindings(report.Findings);
    std::cout << operands[0] << ": " << skin::source::FormatFindingCounts(counts) << "\n";
    return counts.Errors > 0 ? kExitFailure : kExitOk;
}

}  // namespace tools
