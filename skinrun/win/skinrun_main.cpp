// skinrun.exe: starts an unmodified Win32 program with every window of its GUI threads drawn by
// the skin engine. The program is created suspended; a thread CBT hook set with the engine DLL's
// module on its first thread makes Windows load the DLL into it, and the hook's first call starts
// the engine there, before the program's first window. skinrun ends with the program and returns
// its exit code; bad input is refused with one line on stderr before anything is started.

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "skin/api/win/dll/skinrun_hook.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_objects_set.h"
#include "skin/data/skin_stream.h"
#include "skinrun/skinrun_args.h"

namespace {

constexpr int kExitBadInput = 2;
constexpr int kExitCannotStart = 3;
constexpr const wchar_t* kDefaultSkin = L"graphite";
constexpr int kThisBitness = sizeof(void*) * 8;

// A refusal: the line on stderr and skinrun's exit code.
struct Refusal {
    std::wstring message;
    int exitCode = kExitBadInput;
};

int Refuse(const Refusal& refusal) {
    std::fwprintf(stderr, L"%ls\n", refusal.message.c_str());
    return refusal.exitCode;
}

std::wstring ThisFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), length, full.data(), nullptr));
    return full;
}

std::wstring Widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::wstring SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text != nullptr ? text : L"error " + std::to_wstring(error);
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message;
}

// The skin file to use, checked to hold a skin the engine can load.
std::optional<std::wstring> ResolveSkin(const std::wstring& given, Refusal& refusal) {
    const std::wstring name = given.empty() ? kDefaultSkin : given;
    const std::wstring path = skinrun::IsSkinFile(name) ? FullPath(name) : ThisFolder() + L"skins\\" + name + L".skn";
    std::optional<std::vector<std::uint8_t>> package;
    try {
        package = skin::LoadSkinFile(std::filesystem::path(path));
    } catch (const skin::SkinStreamError& error) {
        refusal.message = L"skinrun: cannot read the skin " + path + L": " + Widen(error.what());
        return std::nullopt;
    }
    if (!package) {
        refusal.message = skinrun::IsSkinFile(name)
                              ? L"skinrun: no skin file " + path
                              : L"skinrun: no skin named " + name + L" (looked for " + path + L")";
        return std::nullopt;
    }
    skin::TSkinObjects objects;
    skin::TSkinLoadResult loaded;
    try {
        loaded = skin::LoadSkinPackage(objects, *package, GetSystemMetrics(SM_CXHSCROLL));
    } catch (const std::exception& error) {
        loaded.Status = skin::TSkinLoadStatus::Corrupt;
        loaded.Reason = error.what();
    }
    if (loaded.Status != skin::TSkinLoadStatus::Ok) {
        refusal.message = L"skinrun: " + path + L" is not a usable skin package: " + Widen(loaded.Reason);
        return std::nullopt;
    }
    return path;
}

// The program's full path, checked to be an executable of skinrun's own bitness.
std::optional<std::wstring> ResolveProgram(const std::wstring& program, Refusal& refusal) {
    wchar_t found[MAX_PATH * 2]{};
    const DWORD length = SearchPathW(nullptr, program.c_str(), L".exe", MAX_PATH * 2, found, nullptr);
    if (length == 0 || length >= MAX_PATH * 2) {
        refusal.message = L"skinrun: program not found: " + program;
        return std::nullopt;
    }
    const std::wstring path(found, length);
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::vector<std::uint8_t> header(4096);
    file.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(file.gcount()));
    const std::optional<int> bitness = skinrun::ExecutableBitness(header);
    if (!bitness) {
        refusal.message = L"skinrun: " + path + L" is not a Windows program";
        return std::nullopt;
    }
    if (*bitness != kThisBitness) {
        refusal.message = L"skinrun: " + path + L" is a " + std::to_wstring(*bitness) +
                          L"-bit program; start it with the " + std::to_wstring(*bitness) + L"-bit skinrun (build/win" +
                          std::to_wstring(*bitness) + L"/bin/skinrun.exe)";
        return std::nullopt;
    }
    return path;
}

// The engine's DLL beside skinrun and its hook, or a refusal.
std::optional<std::pair<HMODULE, HOOKPROC>> LoadEngine(Refusal& refusal) {
    const std::wstring path = ThisFolder() + L"skinengine.dll";
    HMODULE dll = LoadLibraryW(path.c_str());
    if (dll == nullptr) {
        refusal = {L"skinrun: cannot load " + path + L": " + SystemMessage(GetLastError()), kExitCannotStart};
        return std::nullopt;
    }
    auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, skin::api::kSkinRunHookExport)));
    if (hook == nullptr) {
        FreeLibrary(dll);
        refusal = {L"skinrun: " + path + L" is not the skin engine's DLL", kExitCannotStart};
        return std::nullopt;
    }
    return std::pair{dll, hook};
}

struct ProcessHandles {
    PROCESS_INFORMATION info{};
    ~ProcessHandles() {
        if (info.hThread != nullptr) CloseHandle(info.hThread);
        if (info.hProcess != nullptr) CloseHandle(info.hProcess);
    }
};

int Run(const skinrun::Arguments& arguments) {
    Refusal refusal;
    const std::optional<std::wstring> skin = ResolveSkin(arguments.skin, refusal);
    if (!skin) return Refuse(refusal);
    const std::optional<std::wstring> program = ResolveProgram(arguments.program, refusal);
    if (!program) return Refuse(refusal);
    const auto engine = LoadEngine(refusal);
    if (!engine) return Refuse(refusal);

    std::wstring commandLine = skinrun::CommandLine(*program, arguments.programArguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ProcessHandles process;
    // The program inherits the skin's path through its environment; skinrun's own stays clean.
    SetEnvironmentVariableW(skin::api::kSkinRunSkinVariable, skin->c_str());
    const BOOL created = CreateProcessW(program->c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                        nullptr, nullptr, &startup, &process.info);
    const DWORD createError = GetLastError();
    SetEnvironmentVariableW(skin::api::kSkinRunSkinVariable, nullptr);
    if (!created)
        return Refuse({L"skinrun: cannot start " + *program + L": " + SystemMessage(createError), kExitCannotStart});

    HHOOK hook = SetWindowsHookExW(WH_CBT, engine->second, engine->first, process.info.dwThreadId);
    if (hook == nullptr) {
        const DWORD hookError = GetLastError();
        TerminateProcess(process.info.hProcess, 1);
        return Refuse({L"skinrun: cannot skin " + *program + L": " + SystemMessage(hookError), kExitCannotStart});
    }
    ResumeThread(process.info.hThread);
    WaitForSingleObject(process.info.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.info.hProcess, &exitCode);
    UnhookWindowsHookEx(hook);
    FreeLibrary(engine->first);
    return static_cast<int>(exitCode);
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; argv != nullptr && i < count; ++i) arguments.emplace_back(argv[i]);
    if (argv != nullptr) LocalFree(argv);
    const skinrun::ParsedArguments parsed = skinrun::ParseArguments(arguments);
    if (!parsed.arguments) return Refuse({parsed.error});
    try {
        return Run(*parsed.arguments);
    } catch (const std::exception& error) {
        return Refuse({L"skinrun: " + Widen(error.what()), kExitCannotStart});
    }
}
