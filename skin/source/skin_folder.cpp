#include "skin/source/skin_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "skin/data/ascii_case.h"
#include "skin/data/skin_reader.h"

namespace skin::source {
namespace {
namespace fs = std::filesystem;

struct TSourceFile {
    std::string MemberName;  // lower-case file name
    fs::path Path;
};

struct TSourceFiles {
    std::vector<TSourceFile> Definitions;
    std::vector<TSourceFile> Bitmaps;
};

std::string FileMessage(const fs::path& path, const std::string& reason) { return path.string() + ": " + reason; }

TSourceFiles CollectSources(const fs::path& dir, const TFolderNote& note) {
    std::error_code error;
    if (!fs::is_directory(dir, error)) {
        throw ESkinFolderError(FileMessage(dir, fs::exists(dir, error) ? "is not a directory" : "no such directory"));
    }
    TSourceFiles sources;
    fs::directory_iterator it(dir, error);
    if (error) throw ESkinFolderError(FileMessage(dir, "cannot list: " + error.message()));
    for (; it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& path = it->path();
        const std::string extension = AsciiLower(path.extension().string());
        const bool wanted = extension == ".ini" || extension == ".bmp";
        if (!it->is_regular_file(error)) {
            if (wanted && note) note("skipping " + path.string() + ": not a regular file");
            continue;
        }
        if (!wanted) {
            if (note) note("skipping " + path.string() + ": neither .ini nor .bmp");
            continue;
        }
        TSourceFile file{AsciiLower(path.filename().string()), path};
        (extension == ".ini" ? sources.Definitions : sources.Bitmaps).push_back(std::move(file));
    }
    if (error) throw ESkinFolderError(FileMessage(dir, "cannot list: " + error.message()));

    const auto byName = [](const TSourceFile& a, const TSourceFile& b) { return a.MemberName < b.MemberName; };
    std::sort(sources.Definitions.begin(), sources.Definitions.end(), byName);
    std::sort(sources.Bitmaps.begin(), sources.Bitmaps.end(), byName);
    return sources;
}

// Names of one group are sorted; a clash would come from files differing only in case.
void CheckDistinctNames(const std::vector<TSourceFile>& group) {
    for (std::size_t i = 1; i < group.size(); ++i) {
        if (group[i].MemberName == group[i - 1].MemberName) {
            throw ESkinFolderError(
                FileMessage(group[i].Path, "has the same lower-case name as " + group[i - 1].Path.string()));
        }
    }
}

}  // namespace

std::vector<std::uint8_t> ReadSkinSourceFile(const fs::path& path, std::size_t maxSize) {
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error) throw ESkinFolderError(FileMessage(path, error.message()));
    if (size > maxSize) {
        throw ESkinFolderError(
            FileMessage(path, "is larger than the limit of " + std::to_string(maxSize >> 20) + " MiB"));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ESkinFolderError(FileMessage(path, "cannot open"));
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    // The file may have grown since it was measured (an editor still writing it).
    if (bytes.size() > maxSize) throw ESkinFolderError(FileMessage(path, "grew beyond the size limit while read"));
    if (in.bad()) throw ESkinFolderError(FileMessage(path, "read error"));
    return bytes;
}

TSkinFolder ReadSkinFolder(const fs::path& dir, const TFolderNote& note) {
    const TSourceFiles sources = CollectSources(dir, note);
    if (sources.Definitions.empty()) throw ESkinFolderError(FileMessage(dir, "no .ini definition file"));
    for (std::size_t i = 1; i < sources.Definitions.size(); ++i) {
        if (note) {
            note(sources.Definitions[i].Path.string() + " is packed as a plain member; the definition is " +
                 sources.Definitions[0].MemberName);
        }
    }
    const std::size_t count = sources.Definitions.size() + sources.Bitmaps.size();
    if (count > kMaxSkinMembers) {
        throw ESkinFolderError(FileMessage(dir, "has " + std::to_string(count) +
                                                    " .ini and .bmp files; a package holds at most " +
                                                    std::to_string(kMaxSkinMembers)));
    }
    CheckDistinctNames(sources.Definitions);
    CheckDistinctNames(sources.Bitmaps);
    TSkinFolder folder;
    folder.DefinitionName = sources.Definitions[0].MemberName;
    // The engine refuses packages above this size, so reading stops there.
    std::size_t total = 0;
    for (const auto* group : {&sources.Definitions, &sources.Bitmaps}) {
        for (const TSourceFile& file : *group) {
            folder.Members.push_back({file.MemberName, ReadSkinSourceFile(file.Path, kMaxSkinPackageLength)});
            total += folder.Members.back().Bytes.size();
            if (total > kMaxSkinPackageLength) {
                throw ESkinFolderError(FileMessage(dir, "holds more than the " +
                                                            std::to_string(kMaxSkinPackageLength >> 20) +
                                                            " MiB a skin package may hold"));
            }
        }
    }
    return folder;
}

}  // namespace skin::source
