// skinpack lzh-decode IN OUT: decodes a length-prefixed LZH stream. A declared length
// above the input limit is refused before anything is allocated.
#include <exception>
#include <new>

#include "skin/data/lzh.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {
namespace {
constexpr std::string_view kCommand = "lzh-decode";
}  // namespace

int RunLzhDecode(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 2, kCommand, operands)) return kExitUsage;
    const std::filesystem::path in = operands[0];
    try {
        const std::vector<std::uint8_t> stream = ReadInputFile(in);
        if (stream.size() < 4) {
            throw ECliError(FileMessage(
                in, "not an LZH stream: " + std::to_string(stream.size()) + " bytes, shorter than the 4-byte length"));
        }
        std::vector<std::uint8_t> data;
        try {
            data = skin::DecompressStream(stream, kMaxCliFileSize);
        } catch (const std::bad_alloc&) {
            throw ECliError(FileMessage(in, "out of memory while decompressing"));
        } catch (const std::exception& error) {
            throw ECliError(FileMessage(in, std::string("cannot decompress: ") + error.what()));
        }
        WriteOutputFile(operands[1], data);
        return kExitOk;
    } catch (const ECliError& error) {
        PrintError(kCommand, error.what());
        return kExitFailure;
    }
}

}  // namespace tools
