// Conversion between the framework's single-byte texts (Windows-1252) and Windows' UTF-16.
#pragma once

#include <string>
#include <string_view>

std::wstring WidenText(std::string_view text);
std::string NarrowText(std::wstring_view text);
