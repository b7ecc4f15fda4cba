// Names compared as the framework compares them (property names, component names, key names):
// ASCII letters in either case are the same letter.
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

inline bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
