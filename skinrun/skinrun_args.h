// skinrun's command line: `skinrun [--skin NAME|FILE.skn] PROGRAM [ARGS...]`, and the pieces of
// starting a program that do not need Windows (the command line it gets, its bitness).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skinrun {

struct Arguments {
    std::wstring skin;     // as given: a skin's name or a package's path; empty for the default
    std::wstring program;  // as given
    std::vector<std::wstring> programArguments;
};

// The arguments after skinrun's own name, or the one-line reason they cannot be used.
struct ParsedArguments {
    std::optional<Arguments> arguments;
    std::wstring error;
};
ParsedArguments ParseArguments(std::span<const std::wstring> arguments);

constexpr const wchar_t* kUsage = L"usage: skinrun [--skin NAME|FILE.skn] PROGRAM [ARGS...]";

// Whether the --skin value names a package file (it has a folder or the .skn extension) rather
// than one of the skins that come with skinrun.
bool IsSkinFile(const std::wstring& skin);

// One argument quoted so that the program's C runtime reads it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);
// The command line of a program started as `program arguments...`.
std::wstring CommandLine(const std::wstring& program, std::span<const std::wstring> arguments);

// The bitness of a Windows executable from its first bytes (DOS and PE headers): 32, 64, or
// nothing when the bytes are no executable for x86 or x64.
std::optional<int> ExecutableBitness(std::span<const std::uint8_t> header);

}  // namespace skinrun
