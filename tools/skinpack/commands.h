// The skinpack commands and their dispatch table. Each command gets the arguments after
// its name and returns the process exit status.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tools {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

inline constexpr std::string_view kSkinpackVersion = "skinpack 0.1.0";

int RunPack(std::span<const std::string> args);
int RunUnpack(std::span<const std::string> args);
int RunList(std::span<const std::string> args);
int RunLint(std::span<const std::string> args);
int RunInspect(std::span<const std::string> args);
int RunLzhEncode(std::span<const std::string> args);
int RunLzhDecode(std::span<const std::string> args);

struct TSkinpackCommand {
    std::string_view Name;
    std::string_view Operands;  // shown after the name in usage lines
    std::string_view Summary;
    int (*Run)(std::span<const std::string> args);
};

inline constexpr std::array<TSkinpackCommand, 7> kSkinpackCommands{{
    {"pack", "DIR OUT.skn", "pack the .ini definition and the .bmp files of DIR into a skin package", RunPack},
    {"unpack", "IN.skn DIR", "write every member of a skin package into DIR", RunUnpack},
    {"list", "IN.skn", "show the package version and each member's name and size", RunList},
    {"lint", "SKIN.skn|DIR", "check a skin's definition and images for mistakes", RunLint},
    {"inspect", "SKIN.skn", "show how the engine reads each skin object", RunInspect},
    {"lzh-encode", "IN OUT", "compress a file into an LZH stream (length + bit stream)", RunLzhEncode},
    {"lzh-decode", "IN OUT", "decompress an LZH stream back into the original bytes", RunLzhDecode},
}};

// Runs the command line without the program name: global options, then one command.
int RunSkinpack(std::span<const std::string> args);

}  // namespace tools
