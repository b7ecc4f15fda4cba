// skinpack lzh-encode IN OUT: OUT = 4-byte little-endian length of IN + LZH bit stream.
#include "skin/source/lzh_encoder.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {
namespace {
constexpr std::string_view kCommand = "lzh-encode";
}  // namespace

int RunLzhEncode(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 2, kCommand, operands)) return kExitUsage;
    try {
        const std::vector<std::uint8_t> data = ReadInputFile(operands[0]);
        WriteOutputFile(operands[1], skin::source::EncodeLzhStream(data));
        return kExitOk;
    } catch (const ECliError& error) {
        PrintError(kCommand, error.what());
        return kExitFailure;
    }
}

}  // namespace tools
