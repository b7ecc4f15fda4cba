// Opening a skin package file for the skinpack commands.
#pragma once

#include <filesystem>
#include <string>

#include "skin/data/skin_reader.h"

namespace tools {

// Reads and decompresses the file into `reader`. Throws ECliError naming the file when it
// cannot be read or decompressed; a wrong version or corrupt tables come back as the result.
skin::TSkinOpenResult OpenPackageFile(const std::filesystem::path& path, skin::TSkinReader& reader);

// Same, but any result other than Ok is also thrown as ECliError.
void OpenValidPackageFile(const std::filesystem::path& path, skin::TSkinReader& reader);

// "PATH: unsupported package version ..." / "PATH: corrupt package: ..." for a failed open.
std::string DescribeOpenFailure(const std::filesystem::path& path, const skin::TSkinOpenResult& result);

}  // namespace tools
