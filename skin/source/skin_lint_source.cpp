#include "skin/source/skin_lint_source.h"

#include <algorithm>
#include <exception>
#include <system_error>

#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"
#include "skin/source/skin_folder.h"

namespace skin::source {

namespace {

namespace fs = std::filesystem;

TLintReport LintFolder(const fs::path& dir) {
    TLintReport report;
    TSkinFolder folder;
    try {
        folder = ReadSkinFolder(dir);
    } catch (const ESkinFolderError& error) {
        report.Error = error.what();
        return report;
    }
    report.DefinitionName = folder.DefinitionName;
    report.Findings = LintSkinFolder(folder);
    return report;
}

TLintReport LintPackage(const fs::path& path) {
    TLintReport report;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadSkinSourceFile(path, kMaxSkinStreamLength);
    } catch (const ESkinFolderError& error) {
        report.Error = error.what();
        return report;
    }
    skin::TSkinReader reader;
    try {
        const skin::TSkinOpenResult opened = reader.Open(bytes);
        if (!opened.Ok()) {
            report.Error = path.string() + ": " + opened.Reason;
            return report;
        }
    } catch (const std::exception& e) {
        report.Error = path.string() + ": " + e.what();
        return report;
    }
    std::vector<std::uint8_t> text;
    if (!reader.ExtractByPart(".ini", text, report.DefinitionName)) {
        report.Error = path.string() + ": the package has no member whose name contains \".ini\"";
        return report;
    }
    report.Findings = LintSkinDefinition(std::string(text.begin(), text.end()),
                                         [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
                                             if (reader.IndexOfName(name) < 0) return std::nullopt;
                                             return reader.ExtractByName(name);
                                         });
    return report;
}

}  // namespace

std::vector<TLintFinding> LintSkinFolder(const TSkinFolder& folder) {
    const auto definition = std::find_if(folder.Members.begin(), folder.Members.end(),
                                         [&](const TPackageMember& m) { return m.Name == folder.DefinitionName; });
    if (definition == folder.Members.end()) return {};
    return LintSkinDefinition(std::string(definition->Bytes.begin(), definition->Bytes.end()),
                              [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
                                  for (const TPackageMember& member : folder.Members)
                                      if (member.Name == name) return member.Bytes;
                                  return std::nullopt;
                              });
}

TLintReport LintSkinPath(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return LintFolder(path);
    if (!fs::exists(path, ec)) {
        TLintReport report;
        report.Error = path.string() + ": no such file or folder";
        return report;
    }
    return LintPackage(path);
}

}  // namespace skin::source
