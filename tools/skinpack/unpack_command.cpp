// skinpack unpack IN.skn DIR: writes each member as DIR/<name>. Every name is checked
// before anything is written, so a package naming a path outside DIR writes nothing.
// A repeated name is written once, from its first copy (the one the engine uses).
#include <filesystem>
#include <system_error>

#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"
#include "tools/skinpack/package_file.h"

namespace tools {
namespace {
namespace fs = std::filesystem;

constexpr std::string_view kCommand = "unpack";

bool IsSafeMemberName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == '/' || c == '\\' || c == ':') return false;
    }
    return true;
}

}  // namespace

int RunUnpack(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 2, kCommand, operands)) return kExitUsage;
    const fs::path in = operands[0];
    const fs::path dir = operands[1];
    try {
        skin::TSkinReader reader;
        OpenValidPackageFile(in, reader);
        for (std::size_t i = 0; i < reader.Count(); ++i) {
            if (!IsSafeMemberName(reader.Names()[i])) {
                throw ECliError(FileMessage(in, "member " + std::to_string(i + 1) + " has the name " +
                                                    skin::QuotedMemberName(reader.Names()[i]) +
                                                    ", which is not a plain file name; nothing "
                                                    "was written"));
            }
        }
        std::error_code error;
        fs::create_directories(dir, error);
        if (error || !fs::is_directory(dir, error)) {
            throw ECliError(
                FileMessage(dir, "cannot create directory" + (error ? ": " + error.message() : std::string())));
        }
        for (std::size_t i = 0; i < reader.Count(); ++i) {
            const std::string& name = reader.Names()[i];
            if (reader.IndexOfName(name) != static_cast<std::ptrdiff_t>(i)) {
                PrintNote(kCommand, "skipping the repeated member " + name + " (member " + std::to_string(i + 1) + ")");
                continue;
            }
            WriteOutputFile(dir / name, reader.Member(i));
        }
        return kExitOk;
    } catch (const ECliError& error) {
        PrintError(kCommand, error.what());
        return kExitFailure;
    }
}

}  // namespace tools
