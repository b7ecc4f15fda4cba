#include "tools/common/skin_lint_source.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

#include "skin/data/skin_reader.h"
#include "tools/common/skin_vocabulary.h"

namespace tools {

namespace {

namespace fs = std::filesystem;

// Members and packages are small; anything larger is not a skin.
constexpr std::uintmax_t kMaxInputFile = 64u << 20;

std::optional<std::vector<std::uint8_t>> ReadFile(const fs::path& path, std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) {
        error = path.string() + ": " + ec.message();
        return std::nullopt;
    }
    if (size > kMaxInputFile) {
        error = path.string() + ": too large for a skin";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path.string() + ": cannot open";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes;
}

TLintReport LintFolder(const fs::path& dir) {
    TLintReport report;
    std::map<std::string, fs::path> files;  // lower-case name -> path
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec)) files.emplace(LowerAscii(it->path().filename().string()), it->path());
    if (ec) {
        report.Error = dir.string() + ": cannot list: " + ec.message();
        return report;
    }
    const auto definition = std::find_if(files.begin(), files.end(), [](const auto& f) {
        return f.first.size() > 4 && f.first.compare(f.first.size() - 4, 4, ".ini") == 0;
    });
    if (definition == files.end()) {
        report.Error = dir.string() + ": no .ini definition in the folder";
        return report;
    }
    report.DefinitionName = definition->second.filename().string();
    const auto text = ReadFile(definition->second, report.Error);
    if (!text) return report;
    report.Findings = LintSkinDefinition(std::string(text->begin(), text->end()),
                                         [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
                                             const auto f = files.find(name);
                                             if (f == files.end()) return std::nullopt;
                                             std::string ignored;
                                             return ReadFile(f->second, ignored);
                                         });
    return report;
}

TLintReport LintPackage(const fs::path& path) {
    TLintReport report;
    const auto bytes = ReadFile(path, report.Error);
    if (!bytes) return report;
    skin::TSkinReader reader;
    try {
        const skin::TSkinOpenResult opened = reader.Open(*bytes);
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

}  // namespace tools
