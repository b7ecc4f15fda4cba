#include "tools/skinpack/cli_io.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <system_error>

#include "tools/skinpack/commands.h"

namespace tools {
namespace fs = std::filesystem;

std::string FileMessage(const fs::path& path, std::string_view reason) {
    std::string message = path.string();
    message += ": ";
    message += reason;
    return message;
}

std::vector<std::uint8_t> ReadInputFile(const fs::path& path, std::size_t maxSize) {
    std::error_code error;
    if (fs::is_directory(path, error)) throw ECliError(FileMessage(path, "is a directory"));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int code = errno;
        throw ECliError(
            FileMessage(path, std::string("cannot open: ") + (code != 0 ? std::strerror(code) : "unknown error")));
    }
    std::vector<std::uint8_t> bytes;
    std::array<char, 1 << 16> chunk{};
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > maxSize) {
            throw ECliError(FileMessage(path, "is larger than the limit of " + std::to_string(maxSize >> 20) + " MiB"));
        }
        bytes.insert(bytes.end(), chunk.data(), chunk.data() + got);
    }
    if (in.bad()) throw ECliError(FileMessage(path, "read error"));
    return bytes;
}

void WriteOutputFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::random_device random;
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(random() & 0xFFFFFFu);
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            const int code = errno;
            throw ECliError(FileMessage(
                path, std::string("cannot create: ") + (code != 0 ? std::strerror(code) : "unknown error")));
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw ECliError(FileMessage(path, "write error"));
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw ECliError(FileMessage(path, "cannot replace: " + error.message()));
    }
}

void PrintError(std::string_view command, std::string_view message) {
    std::cerr << "skinpack: ";
    if (!command.empty()) std::cerr << command << ": ";
    std::cerr << message << '\n';
}

void PrintNote(std::string_view command, std::string_view message) {
    std::cerr << "skinpack: " << command << ": note: " << message << '\n';
}

int UsageError(std::string_view command, std::string_view message) {
    PrintError(command, message);
    for (const TSkinpackCommand& entry : kSkinpackCommands) {
        if (entry.Name == command) {
            std::cerr << "usage: skinpack " << entry.Name << ' ' << entry.Operands << '\n';
        }
    }
    std::cerr << "Try 'skinpack --help' for more information.\n";
    return kExitUsage;
}

void PrintCommandHelp(std::string_view command) {
    for (const TSkinpackCommand& entry : kSkinpackCommands) {
        if (entry.Name == command) {
            std::cout << "usage: skinpack " << entry.Name << ' ' << entry.Operands << "\n\n" << entry.Summary << ".\n";
        }
    }
}

bool TakeOperands(std::span<const std::string> args, std::size_t count, std::string_view command,
                  std::vector<std::string>& operands) {
    operands.clear();
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            UsageError(command, "unknown option '" + arg + "'");
            return false;
        } else {
            operands.push_back(arg);
        }
    }
    if (operands.size() != count) {
        UsageError(command, "expected " + std::to_string(count) + " operand" + (count == 1 ? "" : "s") + ", got " +
                                std::to_string(operands.size()));
        return false;
    }
    return true;
}

}  // namespace tools
