// An unpacked skin: a folder holding the definition (the first .ini file by lower-case name)
// and its .bmp files, as `skinpack unpack` writes it. Packing it and previewing it live read
// the folder through the same code, so both see the same members.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/source/package_writer.h"

namespace skin::source {

// A folder that cannot become a package; the message names the path and the reason.
class ESkinFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Receives the entries of the folder that are left out, and why.
using TFolderNote = std::function<void(const std::string& note)>;

struct TSkinFolder {
    std::string DefinitionName;           // the member read as the definition
    std::vector<TPackageMember> Members;  // the definition, further .ini files, the .bmp files
};

// Reads the folder's members in package order: the definition first, then any further .ini
// files, then the .bmp files, each group by name. Names are lower case, as the engine looks
// them up. Entries that are neither .ini nor .bmp files are skipped with a note. Throws
// ESkinFolderError when the folder cannot be listed or read, has no definition, has two files
// whose names differ only in case, or holds more than a package may.
TSkinFolder ReadSkinFolder(const std::filesystem::path& dir, const TFolderNote& note = {});

// The whole file, refused (ESkinFolderError) when it is larger than `maxSize` or unreadable.
std::vector<std::uint8_t> ReadSkinSourceFile(const std::filesystem::path& path, std::size_t maxSize);

}  // namespace skin::source
