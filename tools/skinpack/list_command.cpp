// skinpack list IN.skn: "version N", then one line per member "NAME SIZE", the definition
// (the first member whose name contains ".ini") marked "definition" and a later copy of a
// repeated name marked "hidden" (lookups never reach it).
#include <iostream>

#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"
#include "tools/skinpack/package_file.h"

namespace tools {
namespace {
constexpr std::string_view kCommand = "list";
}  // namespace

int RunList(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 1, kCommand, operands)) return kExitUsage;
    const std::filesystem::path in = operands[0];
    try {
        skin::TSkinReader reader;
        const skin::TSkinOpenResult result = OpenPackageFile(in, reader);
        if (result.Status != skin::TSkinOpenStatus::Corrupt) {
            std::cout << "version " << reader.PackageVersion() << '\n';
        }
        if (!result.Ok()) throw ECliError(DescribeOpenFailure(in, result));
        const std::ptrdiff_t definition = reader.IndexOfPart(".ini");
        for (std::size_t i = 0; i < reader.Count(); ++i) {
            const std::string& name = reader.Names()[i];
            std::cout << name << ' ' << reader.Sizes()[i];
            if (static_cast<std::ptrdiff_t>(i) == definition) std::cout << " definition";
            if (reader.IndexOfName(name) != static_cast<std::ptrdiff_t>(i)) std::cout << " hidden";
            std::cout << '\n';
        }
        if (definition < 0) PrintNote(kCommand, FileMessage(in, "has no .ini definition member"));
        std::cout.flush();
        return kExitOk;
    } catch (const ECliError& error) {
        std::cout.flush();
        PrintError(kCommand, error.what());
        return kExitFailure;
    }
}

}  // namespace tools
