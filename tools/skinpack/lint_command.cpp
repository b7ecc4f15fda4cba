// skinpack lint SKIN.skn|DIR: reports mistakes of a skin's definition and images, one per
// line with the definition line and section; exit 1 when there are errors.
#include <iostream>

#include "tools/common/skin_lint_source.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {

int RunLint(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 1, "lint", operands)) return kExitUsage;
    const TLintReport report = LintSkinPath(operands[0]);
    if (!report.Error.empty()) {
        PrintError("lint", report.Error);
        return kExitFailure;
    }
    int errors = 0, warnings = 0;
    for (const TLintFinding& finding : report.Findings) {
        std::cout << FormatFinding(report.DefinitionName, finding) << "\n";
        (finding.Severity == TLintSeverity::Error ? errors : warnings)++;
    }
    std::cout << operands[0] << ": " << errors << " error(s), " << warnings << " warning(s)\n";
    return errors > 0 ? kExitFailure : kExitOk;
}

}  // namespace tools
