// Shared plumbing of the skinpack commands: bounded file input, atomic file output,
// error and usage messages in one format ("skinpack: COMMAND: message" on stderr).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// A failure whose message already names the file and the reason.
class ECliError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// No input file may be larger than this; it also caps a declared decompressed length.
inline constexpr std::size_t kMaxCliFileSize = 256u << 20;

// Whole file, at most maxSize bytes (reads no further, so devices and pipes are safe).
std::vector<std::uint8_t> ReadInputFile(const std::filesystem::path& path, std::size_t maxSize = kMaxCliFileSize);

// Writes through a temporary file beside `path` and renames it into place, so a failed
// write never leaves a half-written output.
void WriteOutputFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

void PrintError(std::string_view command, std::string_view message);
void PrintNote(std::string_view command, std::string_view message);

// Prints the problem and the command's usage line; returns kExitUsage.
int UsageError(std::string_view command, std::string_view message);

// Prints "usage: skinpack COMMAND OPERANDS" and the summary to stdout.
void PrintCommandHelp(std::string_view command);

// Takes exactly `count` operands from args ("--" ends options; "-h"/"--help" are handled
// by the dispatcher). On a mistake prints a usage error and returns false.
bool TakeOperands(std::span<const std::string> args, std::size_t count, std::string_view command,
                  std::vector<std::string>& operands);

// "PATH: reason" for error messages.
std::string FileMessage(const std::filesystem::path& path, std::string_view reason);

}  // namespace tools
