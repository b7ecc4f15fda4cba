// Checks a skin definition and its images for mistakes the engine would silently accept:
// unknown sections and keys, image keys whose member is missing or not a ".bmp", images whose
// size is not a multiple of their frame count, caption buttons without an action, colors that
// are not three numbers, malformed integers. Each finding names the section and the line.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skin::source {

enum class TLintSeverity { Error, Warning };

struct TLintFinding {
    TLintSeverity Severity = TLintSeverity::Error;
    int Line = 0;         // 1-based line of the definition text; 0 for the skin as a whole
    std::string Section;  // as written in the header, without brackets; empty outside sections
    std::string Message;
};

// Gives the bytes of a package member by its (lower-case) name, or nothing when absent.
using TMemberLookup = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& lowerName)>;

// Lints definition `text`; images are fetched through `members`.
std::vector<TLintFinding> LintSkinDefinition(const std::string& text, const TMemberLookup& members);

// "NAME:LINE: [Section] error: message" (the line and section parts are left out when unknown).
std::string FormatFinding(const std::string& sourceName, const TLintFinding& finding);

bool HasErrors(std::span<const TLintFinding> findings);

}  // namespace skin::source
