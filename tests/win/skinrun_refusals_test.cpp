// skinrun refuses what it cannot run with one clear line on stderr and a non-zero exit code,
// before anything is started.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "tests/win/support/foreign_program.h"

namespace {

struct Outcome {
    int exitCode = -1;
    std::string errorOutput;
};

// Runs skinrun with `arguments` and what it wrote on stderr.
Outcome RunSkinrun(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    base::win::UniqueKernelHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = writeEnd;
    startup.hStdOutput = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring line = L"\"" + foreign_program::ThisFolder() + L"skinrun.exe\" " + arguments;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) return {};
    base::win::UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    writer.Reset();
    Outcome outcome;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) outcome.errorOutput.append(buffer, got);
    WaitForSingleObject(info.hProcess, 20000);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    outcome.exitCode = static_cast<int>(code);
    return outcome;
}

std::filesystem::path TempFile(const wchar_t* name, const std::vector<char>& bytes) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path path = std::filesystem::path(temp) / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// The first bytes of a 32-bit executable: all skinrun reads before refusing it.
std::vector<char> ThirtyTwoBitHeader() {
    std::vector<char> bytes(0x200, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3C] = static_cast<char>(0x80);
    bytes[0x80] = 'P';
    bytes[0x81] = 'E';
    bytes[0x84] = 0x4C;
    bytes[0x85] = 0x01;
    return bytes;
}

TEST(SkinrunRefusals, BadInputGetsOneLineAndNonZeroExitAndStartsNothing) {
    const auto corrupt = TempFile(L"corrupt.skn", {'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'});
    const auto text = TempFile(L"not-a-program.exe", {'h', 'e', 'l', 'l', 'o'});
    const auto other = TempFile(L"thirty-two.exe", ThirtyTwoBitHeader());
    struct Case {
        const char* name;
        std::wstring arguments;
        std::string says;
    };
    const Case cases[] = {
        {"no program", L"", "usage: skinrun"},
        {"unknown option", L"--colour red notepad.exe", "unknown option"},
        {"no such skin", L"--skin nosuchskin notepad.exe", "no skin named nosuchskin"},
        {"missing skin file", L"--skin Z:\\no\\such.skn notepad.exe", "no skin file"},
        {"corrupt skin file", L"--skin \"" + corrupt.wstring() + L"\" notepad.exe", "not a usable skin package"},
        {"no such program", L"no-such-program-here.exe", "program not found"},
        {"not a program", L"\"" + text.wstring() + L"\"", "is not a Windows program"},
        {"other bitness", L"\"" + other.wstring() + L"\"", "32-bit skinrun"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunSkinrun(c.arguments);
        EXPECT_NE(outcome.exitCode, 0) << c.name;
        EXPECT_NE(outcome.errorOutput.find(c.says), std::string::npos) << c.name << ": " << outcome.errorOutput;
        const auto newline = outcome.errorOutput.find('\n');
        EXPECT_TRUE(newline == std::string::npos || newline + 1 >= outcome.errorOutput.size() - 1)
            << c.name << " says more than one line: " << outcome.errorOutput;
    }
    EXPECT_EQ(FindWindowW(L"Notepad", nullptr), nullptr) << "a refused run started the program";
    for (const auto& path : {corrupt, text, other}) std::filesystem::remove(path);
}

}  // namespace
