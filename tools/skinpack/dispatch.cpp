#include <iostream>

#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {
namespace {

void PrintHelp() {
    std::cout << "usage: skinpack COMMAND [ARGS]\n"
                 "       skinpack COMMAND --help\n"
                 "       skinpack --help | --version\n\n"
                 "Builds and examines skin packages (.skn).\n\nCommands:\n";
    for (const TSkinpackCommand& entry : kSkinpackCommands) {
        std::string line = "  " + std::string(entry.Name) + " " + std::string(entry.Operands);
        if (line.size() < 30) line.resize(30, ' ');
        std::cout << line << ' ' << entry.Summary << '\n';
    }
    std::cout << "\nExit status: 0 success, 1 failure, 2 wrong usage.\n";
}

bool IsHelp(const std::string& arg) { return arg == "-h" || arg == "--help"; }

}  // namespace

int RunSkinpack(std::span<const std::string> args) {
    if (args.empty()) {
        PrintError("", "no command given");
        std::cerr << "Try 'skinpack --help' for more information.\n";
        return kExitUsage;
    }
    const std::string& first = args.front();
    if (IsHelp(first)) {
        PrintHelp();
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << kSkinpackVersion << '\n';
        return kExitOk;
    }
    for (const TSkinpackCommand& entry : kSkinpackCommands) {
        if (entry.Name != first) continue;
        const auto rest = args.subspan(1);
        for (const std::string& arg : rest) {
            if (arg == "--") break;
            if (IsHelp(arg)) {
                PrintCommandHelp(entry.Name);
                return kExitOk;
            }
        }
        return entry.Run(rest);
    }
    PrintError("", first.starts_with("-") ? "unknown option '" + first + "'" : "unknown command '" + first + "'");
    std::cerr << "Try 'skinpack --help' for more information.\n";
    return kExitUsage;
}

}  // namespace tools
