#include "framework/win/text.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage = 1252;
}

std::wstring WidenText(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), size, result.data(), length);
    return result;
}

std::string NarrowText(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(kCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}
