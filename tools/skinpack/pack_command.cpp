// skinpack pack DIR OUT.skn: the definition (first .ini file by name) first, then any
// further .ini files, then the .bmp files, each group in name order. Names are stored in
// lower case, as the engine looks them up. Other entries of DIR are skipped with a note.
#include "skin/source/package_writer.h"
#include "skin/source/skin_folder.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {
namespace {

constexpr std::string_view kCommand = "pack";

}  // namespace

int RunPack(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 2, kCommand, operands)) return kExitUsage;
    const std::filesystem::path dir = operands[0];
    const std::filesystem::path out = operands[1];
    try {
        skin::source::TSkinFolder folder;
        try {
            folder = skin::source::ReadSkinFolder(dir, [](const std::string& note) { PrintNote(kCommand, note); });
        } catch (const skin::source::ESkinFolderError& error) {
            throw ECliError(error.what());
        }
        std::vector<std::uint8_t> package;
        try {
            package = skin::source::WriteCompressedPackage(folder.Members);
        } catch (const skin::source::EPackageWriteError& error) {
            throw ECliError(FileMessage(dir, error.what()));
        }
        WriteOutputFile(out, package);
        return kExitOk;
    } catch (const ECliError& error) {
        PrintError(kCommand, error.what());
        return kExitFailure;
    }
}

}  // namespace tools
