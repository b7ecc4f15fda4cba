// Fuzzes the skin definition linter: the input is the definition text up to the first NUL
// byte; every image member it names is the rest of the input, read as a BMP.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/source/skin_lint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t split = 0;
    while (split < size && data[split] != 0) ++split;
    const std::string text(reinterpret_cast<const char*>(data), split);
    const std::vector<std::uint8_t> member(data + (split < size ? split + 1 : size), data + size);
    const auto findings = skin::source::LintSkinDefinition(
        text, [&](const std::string&) -> std::optional<std::vector<std::uint8_t>> { return member; });
    for (const auto& f : findings) (void)skin::source::FormatFinding("f", f);
    return 0;
}
