#include "skin/source/skin_folder_load.h"

#include "skin/source/package_writer.h"
#include "skin/source/skin_folder.h"
#include "skin/source/skin_lint_source.h"

namespace skin::source {

TSkinFolderLoad LoadSkinFolder(const std::filesystem::path& dir) {
    TSkinFolderLoad load;
    try {
        // The bytes linted are the bytes packed, so a file changing meanwhile cannot slip an
        // unchecked image into the package.
        const TSkinFolder folder = ReadSkinFolder(dir);
        load.DefinitionName = folder.DefinitionName;
        load.Findings = LintSkinFolder(folder);
        if (load.Usable()) load.Package = WriteCompressedPackage(folder.Members);
    } catch (const ESkinFolderError& error) {
        load.Error = error.what();
    } catch (const EPackageWriteError& error) {
        load.Error = dir.string() + ": " + error.what();
    }
    return load;
}

}  // namespace skin::source
