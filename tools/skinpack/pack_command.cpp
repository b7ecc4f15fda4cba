// skinpack pack DIR OUT.skn: the definition (first .ini file by name) first, then any
// further .ini files, then the .bmp files, each group in name order. Names are stored in
// lower case, as the engine looks them up. Other entries of DIR are skipped with a note.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "skin/data/ascii_case.h"
#include "skin/data/skin_reader.h"
#include "tools/common/package_writer.h"
#include "tools/skinpack/cli_io.h"
#include "tools/skinpack/commands.h"

namespace tools {
namespace {
namespace fs = std::filesystem;

constexpr std::string_view kCommand = "pack";

struct TSourceFile {
    std::string MemberName;  // lower-case file name
    fs::path Path;
};

struct TSourceFiles {
    std::vector<TSourceFile> Definitions;
    std::vector<TSourceFile> Bitmaps;
};

TSourceFiles CollectSources(const fs::path& dir) {
    std::error_code error;
    if (!fs::is_directory(dir, error)) {
        throw ECliError(FileMessage(dir, fs::exists(dir, error) ? "is not a directory" : "no such directory"));
    }
    TSourceFiles sources;
    fs::directory_iterator it(dir, error);
    if (error) throw ECliError(FileMessage(dir, "cannot list: " + error.message()));
    for (; it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& path = it->path();
        const std::string name = path.filename().string();
        const std::string extension = skin::AsciiLower(path.extension().string());
        const bool wanted = extension == ".ini" || extension == ".bmp";
        if (!it->is_regular_file(error)) {
            if (wanted) PrintNote(kCommand, "skipping " + path.string() + ": not a regular file");
            continue;
        }
        if (!wanted) {
            PrintNote(kCommand, "skipping " + path.string() + ": neither .ini nor .bmp");
            continue;
        }
        TSourceFile file{skin::AsciiLower(name), path};
        (extension == ".ini" ? sources.Definitions : sources.Bitmaps).push_back(std::move(file));
    }
    if (error) throw ECliError(FileMessage(dir, "cannot list: " + error.message()));

    const auto byName = [](const TSourceFile& a, const TSourceFile& b) { return a.MemberName < b.MemberName; };
    std::sort(sources.Definitions.begin(), sources.Definitions.end(), byName);
    std::sort(sources.Bitmaps.begin(), sources.Bitmaps.end(), byName);
    return sources;
}

// Names of one group are sorted; a clash would come from files differing only in case.
void CheckDistinctNames(const std::vector<TSourceFile>& group) {
    for (std::size_t i = 1; i < group.size(); ++i) {
        if (group[i].MemberName == group[i - 1].MemberName) {
            throw ECliError(
                FileMessage(group[i].Path, "has the same lower-case name as " + group[i - 1].Path.string()));
        }
    }
}

}  // namespace

int RunPack(std::span<const std::string> args) {
    std::vector<std::string> operands;
    if (!TakeOperands(args, 2, kCommand, operands)) return kExitUsage;
    const fs::path dir = operands[0];
    const fs::path out = operands[1];
    try {
        const TSourceFiles sources = CollectSources(dir);
        if (sources.Definitions.empty()) {
            throw ECliError(FileMessage(dir, "no .ini definition file"));
        }
        for (std::size_t i = 1; i < sources.Definitions.size(); ++i) {
            PrintNote(kCommand, sources.Definitions[i].Path.string() +
                                    " is packed as a plain member; the definition is " +
                                    sources.Definitions[0].MemberName);
        }
        const std::size_t count = sources.Definitions.size() + sources.Bitmaps.size();
        if (count > skin::kMaxSkinMembers) {
            throw ECliError(FileMessage(dir, "has " + std::to_string(count) +
                                                 " .ini and .bmp files; a package holds at most " +
                                                 std::to_string(skin::kMaxSkinMembers)));
        }
        CheckDistinctNames(sources.Definitions);
        CheckDistinctNames(sources.Bitmaps);
        // The engine refuses packages above this size, so reading stops there.
        std::size_t total = 0;
        std::vector<TPackageMember> members;
        for (const auto* group : {&sources.Definitions, &sources.Bitmaps}) {
            for (const TSourceFile& file : *group) {
                members.push_back({file.MemberName, ReadInputFile(file.Path, skin::kMaxSkinPackageLength)});
                total += members.back().Bytes.size();
                if (total > skin::kMaxSkinPackageLength) {
                    throw ECliError(FileMessage(dir, "holds more than the " +
                                                         std::to_string(skin::kMaxSkinPackageLength >> 20) +
                                                         " MiB a skin package may hold"));
                }
            }
        }
        std::vector<std::uint8_t> package;
        try {
            package = WriteCompressedPackage(members);
        } catch (const EPackageWriteError& error) {
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
