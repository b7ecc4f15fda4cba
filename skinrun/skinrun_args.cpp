#include "skinrun/skinrun_args.h"

namespace skinrun {

ParsedArguments ParseArguments(std::span<const std::wstring> arguments) {
    Arguments parsed;
    std::size_t at = 0;
    while (at < arguments.size() && arguments[at].starts_with(L"--")) {
        const std::wstring& option = arguments[at];
        if (option == L"--") {
            ++at;
            break;
        }
        if (option == L"--skin") {
            if (at + 1 >= arguments.size() || arguments[at + 1].empty())
                return {std::nullopt, L"skinrun: --skin needs a skin name or a .skn file"};
            parsed.skin = arguments[at + 1];
            at += 2;
            continue;
        }
        if (option.starts_with(L"--skin=")) {
            parsed.skin = option.substr(7);
            if (parsed.skin.empty()) return {std::nullopt, L"skinrun: --skin needs a skin name or a .skn file"};
            ++at;
            continue;
        }
        return {std::nullopt, L"skinrun: unknown option " + option + L"; " + kUsage};
    }
    if (at >= arguments.size() || arguments[at].empty()) return {std::nullopt, std::wstring(kUsage)};
    parsed.program = arguments[at];
    parsed.programArguments.assign(arguments.begin() + static_cast<std::ptrdiff_t>(at) + 1, arguments.end());
    return {std::move(parsed), {}};
}

bool IsSkinFile(const std::wstring& skin) {
    if (skin.find_first_of(L"\\/:") != std::wstring::npos) return true;
    if (skin.size() < 4) return false;
    std::wstring extension = skin.substr(skin.size() - 4);
    for (wchar_t& c : extension)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return extension == L".skn";
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    // Backslashes are literal except before a quote, where each must be doubled.
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

std::wstring CommandLine(const std::wstring& program, std::span<const std::wstring> arguments) {
    std::wstring line = QuoteArgument(program);
    for (const std::wstring& argument : arguments) line += L" " + QuoteArgument(argument);
    return line;
}

namespace {

std::uint32_t Read(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | bytes[at + i];
    return value;
}

}  // namespace

std::optional<int> ExecutableBitness(std::span<const std::uint8_t> header) {
    constexpr std::size_t kNewHeaderOffset = 0x3C;
    if (header.size() < kNewHeaderOffset + 4 || header[0] != 'M' || header[1] != 'Z') return std::nullopt;
    const std::size_t pe = Read(header, kNewHeaderOffset, 4);
    if (pe > header.size() || header.size() - pe < 6) return std::nullopt;
    if (Read(header, pe, 4) != 0x00004550) return std::nullopt;  // "PE\0\0"
    switch (Read(header, pe + 4, 2)) {
        case 0x014C: return 32;  // IMAGE_FILE_MACHINE_I386
        case 0x8664: return 64;  // IMAGE_FILE_MACHINE_AMD64
        default: return std::nullopt;
    }
}

}  // namespace skinrun
