// skinpack inspect SKIN.skn: loads the package with the engine's own loader and prints what
// it understood, one object per line (format in tools/common/skin_inspect.h).
#include <iostream>

#include "tools/common/skin_inspect.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {

int RunInspect(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 1, "inspect", operands)) return kExitUsage;
    try {
        const std::vector<std::uint8_t> package = ReadInputFile(operands[0]);
        std::string description, error;
        if (!InspectSkinPackage(package, description, error)) {
            PrintError("inspect", FileMessage(operands[0], error));
            return kExitFailure;
        }
        std::cout << description;
        return kExitOk;
    } catch (const ECliError& e) {
        PrintError("inspect", e.what());
        return kExitFailure;
    }
}

}  // namespace tools
