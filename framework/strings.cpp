#include "framework/strings.h"

std::string TStrings::Text() const {
    std::string result;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        result += Get(i);
        result += "\r\n";
    }
    return result;
}

std::vector<std::string> TStrings::SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

void TStrings::SetText(const std::string& text) {
    Clear();
    for (const std::string& line : SplitLines(text)) Add(line);
}

void TStrings::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TStrings*>(source)) {
        if (other == this) return;
        SetText(other->Text());
        return;
    }
    TPersistent::Assign(source);
}
