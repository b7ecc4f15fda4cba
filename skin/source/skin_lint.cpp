#include "skin/source/skin_lint.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>

#include "base/bmp_io.h"
#include "skin/source/skin_vocabulary.h"

namespace skin::source {

namespace {

struct TKeyLine {
    std::string Key;      // lower case, trimmed
    std::string Written;  // as written, for messages
    std::string Value;
    int Line = 0;
};

struct TSectionBlock {
    std::string Raw;   // between the brackets, as written
    std::string Name;  // trimmed
    int Line = 0;
    TSectionInfo Info;
    std::vector<TKeyLine> Keys;
    bool Duplicate = false;
};

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Integer text as the definition reader accepts it: optional sign, decimal digits, or a "$" /
// "0x" hexadecimal prefix; the whole text must be used and fit 32 bits.
std::optional<std::int32_t> ParseDefinitionInteger(std::string text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i >= text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > (std::int64_t{1} << 32)) return std::nullopt;
    }
    if (negative) value = -value;
    if (base == 16 && !negative && value <= std::numeric_limits<std::uint32_t>::max())
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Splits the text into trimmed lines with their numbers; CR, LF and CR LF end a line, a NUL
// byte ends the text.
std::vector<std::pair<int, std::string>> SplitLines(const std::string& text) {
    std::vector<std::pair<int, std::string>> lines;
    std::string current;
    int number = 1;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(number++, Trim(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) lines.emplace_back(number, Trim(current));
    return lines;
}

class TLinter {
public:
    explicit TLinter(const TMemberLookup& members) : members_(members) {}

    std::vector<TLintFinding> Run(const std::string& text) {
        Parse(text);
        for (TSectionBlock& s : sections_) CheckSection(s);
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const TLintFinding& a, const TLintFinding& b) { return a.Line < b.Line; });
        return findings_;
    }

private:
    void Add(TLintSeverity severity, int line, const std::string& section, const std::string& message) {
        findings_.push_back({severity, line, section, message});
    }

    void Parse(const std::string& text) {
        std::map<std::string, int> seen;  // lower-case raw name -> header line
        for (const auto& [number, line] : SplitLines(text)) {
            if (line.empty() || line[0] == ';') continue;
            if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
                TSectionBlock block;
                block.Raw = line.substr(1, line.size() - 2);
                block.Name = Trim(block.Raw);
                block.Line = number;
                block.Info = ClassifySection(block.Name);
                const auto [it, inserted] = seen.emplace(LowerAscii(block.Raw), number);
                if (!inserted) {
                    block.Duplicate = true;
                    Add(TLintSeverity::Warning, number, block.Name,
                        "repeats the section of line " + std::to_string(it->second) +
                            "; the engine reads only the first, so these keys are ignored");
                }
                sections_.push_back(std::move(block));
                continue;
            }
            const auto eq = line.find('=');
            if (sections_.empty()) {
                Add(TLintSeverity::Warning, number, "", "line before the first section is never read");
                continue;
            }
            if (eq == std::string::npos) {
                Add(TLintSeverity::Warning, number, sections_.back().Name, "not a key=value line; ignored");
                continue;
            }
            const std::string key = Trim(line.substr(0, eq));
            sections_.back().Keys.push_back({LowerAscii(key), key, Trim(line.substr(eq + 1)), number});
        }
    }

    // The first line with the key (the one the engine reads), or null.
    static const TKeyLine* Find(const TSectionBlock& s, std::string_view key) {
        for (const TKeyLine& k : s.Keys)
            if (k.Key == key) return &k;
        return nullptr;
    }

    static int IntOf(const TSectionBlock& s, std::string_view key, int fallback) {
        const TKeyLine* k = Find(s, key);
        if (k == nullptr || k->Value.empty()) return fallback;
        return ParseDefinitionInteger(k->Value).value_or(fallback);
    }

    void CheckSection(const TSectionBlock& s) {
        if (s.Raw != s.Name) {
            Add(TLintSeverity::Error, s.Line, s.Name,
                "blanks inside the brackets: the engine looks for [" + s.Name + "] and never finds this section");
            return;
        }
        if (s.Info.Kind == TSectionKind::Unknown) {
            Add(TLintSeverity::Error, s.Line, s.Name, "unknown section");
            return;
        }
        if (s.Info.Kind == TSectionKind::NotRead) {
            Add(TLintSeverity::Warning, s.Line, s.Name, "section is not read by the engine");
            return;
        }
        if (s.Duplicate) return;
        CheckKeys(s);
        CheckImages(s);
        if (s.Info.Kind == TSectionKind::CaptionButton) CheckCaptionButton(s);
    }

    void CheckKeys(const TSectionBlock& s) {
        std::map<std::string, int> seen;
        for (const TKeyLine& k : s.Keys) {
            const auto type = KeyTypeOf(s.Info, k.Key);
            if (!type) {
                Add(TLintSeverity::Error, k.Line, s.Name, "unknown key \"" + k.Written + "\"");
                continue;
            }
            const auto [it, inserted] = seen.emplace(k.Key, k.Line);
            if (!inserted) {
                Add(TLintSeverity::Warning, k.Line, s.Name,
                    "key \"" + k.Written + "\" repeats line " + std::to_string(it->second) + "; only the first counts");
                continue;
            }
            if (k.Value.empty()) continue;  // the engine uses the default
            if (*type == TKeyType::Integer && !ParseDefinitionInteger(k.Value))
                Add(TLintSeverity::Error, k.Line, s.Name,
                    "\"" + k.Written + "\" is not an integer (\"" + k.Value + "\"); the default is used instead");
            if (*type == TKeyType::Color) CheckColor(s, k);
        }
    }

    void CheckColor(const TSectionBlock& s, const TKeyLine& k) {
        std::vector<long> numbers;
        std::string digits;
        for (char c : k.Value + ' ') {
            if (c >= '0' && c <= '9') {
                if (digits.size() < 10) digits.push_back(c);
            } else if (!digits.empty()) {
                numbers.push_back(std::stol(digits));
                digits.clear();
            }
        }
        const bool inRange = std::all_of(numbers.begin(), numbers.end(), [](long n) { return n <= 255; });
        if (numbers.size() != 3 || !inRange)
            Add(TLintSeverity::Error, k.Line, s.Name,
                "colour \"" + k.Written + "\" is not three numbers 0..255 for red, green and blue (\"" + k.Value +
                    "\")");
    }

    // Frames of an image key; 0 when the count derives from the image itself (`derive` says how).
    enum class TDerive { None, GlyphStrip, CaptionButton };

    void CheckImages(const TSectionBlock& s) {
        const auto image = [&](std::string_view key, int frames, bool vertical, TDerive derive = TDerive::None) {
            if (const TKeyLine* k = Find(s, key); k != nullptr && !k->Value.empty())
                CheckImage(s, *k, frames, vertical, derive);
        };
        switch (s.Info.Kind) {
            case TSectionKind::Personality:
                for (const char* edge : {"left", "right", "top", "bottom"}) {
                    const std::string e = edge;
                    image(e, IntOf(s, e + "frame", 1), e == "top" || e == "bottom");
                }
                image("textback", 2, true);
                image("menubar", 2, true);
                break;
            case TSectionKind::MdiControls: image("image", 12, false); break;
            case TSectionKind::Buttons:
                RequireImage(s, "bitmap");
                image("bitmap", 5, false);
                image("checkbutton", IntOf(s, "checkbuttonframe", 0), false, TDerive::GlyphStrip);
                image("radiobutton", IntOf(s, "radiobuttonframe", 0), false, TDerive::GlyphStrip);
                break;
            case TSectionKind::Progress:
                RequireImage(s, "bitmap");
                image("bitmap", IntOf(s, "style", 0) == 1 ? 1 : 2, false);
                image("chunk", 1, false);
                break;
            case TSectionKind::ImageObject:
            case TSectionKind::GroupBox:
                RequireImage(s, "image");
                image("image", s.Info.Frames, false);
                break;
            case TSectionKind::ThumbObject:
                RequireImage(s, "image");
                image("image", IntOf(s, "framecount", 3), false);
                break;
            case TSectionKind::BorderObject: {
                RequireImage(s, "image");
                image("image", s.Info.Frames, false);
                const std::string second = LowerAscii(s.Info.SecondImageKey);
                image(second, second == "border" ? 1 : s.Info.Frames, false);
                break;
            }
            case TSectionKind::CaptionButton:
                image("buttonimage", IntOf(s, "frame", 0), false, TDerive::CaptionButton);
                break;
            default: break;
        }
    }

    void RequireImage(const TSectionBlock& s, std::string_view key) {
        const TKeyLine* k = Find(s, key);
        if (k == nullptr || k->Value.empty())
            Add(TLintSeverity::Warning, s.Line, s.Name,
                "no \"" + std::string(key) + "\" image: the engine does not create this object");
    }

    void CheckImage(const TSectionBlock& s, const TKeyLine& k, int frames, bool vertical, TDerive derive) {
        // The engine drops any directory part and loads only names ending in ".bmp" exactly.
        std::string name = k.Value;
        const auto slash = name.find_last_of("\\:");
        if (slash != std::string::npos) name = name.substr(slash + 1);
        const auto dot = name.rfind('.');
        if (name.empty() || dot == std::string::npos || name.substr(dot) != ".bmp") {
            Add(TLintSeverity::Error, k.Line, s.Name,
                "image \"" + k.Value + "\" is not a .bmp member; the engine loads only names ending in \".bmp\"");
            return;
        }
        const auto bytes = members_(LowerAscii(name));
        if (!bytes || bytes->empty()) {
            Add(TLintSeverity::Error, k.Line, s.Name, "image member \"" + name + "\" is missing");
            return;
        }
        const base::BmpReadResult bmp = base::ReadBmp(*bytes);
        if (!bmp.Ok()) {
            Add(TLintSeverity::Error, k.Line, s.Name,
                "image member \"" + name + "\" is not a readable BMP: " + bmp.Error);
            return;
        }
        const int w = bmp.Image.Width(), h = bmp.Image.Height();
        if (frames == 0 && derive == TDerive::GlyphStrip) frames = std::max(4, w / (h < 16 ? 13 : 16));
        if (frames == 0 && derive == TDerive::CaptionButton) {
            const int action = IntOf(s, "action", 0);
            if (action == 3 || action == 11) {
                Add(TLintSeverity::Warning, k.Line, s.Name,
                    "an icon button without a \"frame\" key drops its image and shows the window icon");
                return;
            }
            frames = action < 0 ? 6 : (static_cast<double>(w) / h <= 3.8 ? 3 : 6);
        }
        if (frames < 1) {
            Add(TLintSeverity::Error, k.Line, s.Name, "frame count " + std::to_string(frames) + " is not positive");
            return;
        }
        const int extent = vertical ? h : w;
        if (extent % frames != 0)
            Add(TLintSeverity::Error, k.Line, s.Name,
                "image \"" + name + "\" is " + std::to_string(w) + "x" + std::to_string(h) + ": its " +
                    (vertical ? "height" : "width") + " is not a multiple of " + std::to_string(frames) + " frames");
    }

    void CheckCaptionButton(const TSectionBlock& s) {
        const TKeyLine* action = Find(s, "action");
        if (action == nullptr || action->Value.empty()) {
            Add(TLintSeverity::Error, s.Line, s.Name, "caption button without an Action (it would close the window)");
            return;
        }
        if (IntOf(s, "action", 0) == -1 && IntOf(s, "visibility", -1) != 0)
            Add(TLintSeverity::Warning, s.Line, s.Name,
                "a decorative button (Action -1) is loaded only with Visibility=0; this one is skipped");
    }

    const TMemberLookup& members_;
    std::vector<TSectionBlock> sections_;
    std::vector<TLintFinding> findings_;
};

}  // namespace

std::vector<TLintFinding> LintSkinDefinition(const std::string& text, const TMemberLookup& members) {
    return TLinter(members).Run(text);
}

std::string FormatFinding(const std::string& sourceName, const TLintFinding& f) {
    std::string out = sourceName;
    if (f.Line > 0) out += ":" + std::to_string(f.Line);
    out += ": ";
    if (!f.Section.empty()) out += "[" + f.Section + "] ";
    out += f.Severity == TLintSeverity::Error ? "error: " : "warning: ";
    return out + f.Message;
}

bool HasErrors(std::span<const TLintFinding> findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const TLintFinding& f) { return f.Severity == TLintSeverity::Error; });
}

}  // namespace skin::source
