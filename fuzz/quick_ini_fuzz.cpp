// Feeds arbitrary text to the definition reader and looks up every section it found and
// the keys of the lines it stored.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skin::TQuickIni ini;
    ini.LoadFromStream(std::span<const std::uint8_t>(data, size));
    const std::vector<std::string> sections = ini.ReadSections();
    if (sections.size() != ini.Sections().size()) __builtin_trap();
    // lookups are linear per call: bound the number of calls, not the text
    constexpr std::size_t kMaxLookups = 64;
    for (std::size_t s = 0; s < sections.size() && s < kMaxLookups; ++s) {
        const int line = ini.SectionLine(sections[s]);
        if (line < 0 || static_cast<std::size_t>(line) >= ini.Lines().size()) {
            // a trimmed name may not find its own header (blanks inside the brackets)
            if (line != -1) __builtin_trap();
        }
        for (std::size_t l = 0; l < ini.Lines().size() && l < kMaxLookups; ++l) {
            const std::string& text = ini.Lines()[l];
            const std::string key = text.substr(0, text.find('='));
            ini.ReadString(sections[s], key, "default");
            ini.ReadInteger(sections[s], key, -7);
        }
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    skin::ParseFrameworkInteger(text);
    return 0;
}
