// skinrun's command line and what it reads of a program before starting it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skinrun/skinrun_args.h"

namespace {

using Args = std::vector<std::wstring>;

TEST(SkinrunArguments, TakesTheSkinAndPassesEverythingAfterTheProgramOn) {
    struct Case {
        const char* name;
        Args args;
        std::wstring skin, program;
        Args programArgs;
    };
    const Case cases[] = {
        {"program alone", {L"notepad.exe"}, L"", L"notepad.exe", {}},
        {"skin by name", {L"--skin", L"meadow", L"notepad.exe", L"a.txt"}, L"meadow", L"notepad.exe", {L"a.txt"}},
        {"skin with =", {L"--skin=C:\\s\\x.skn", L"p.exe"}, L"C:\\s\\x.skn", L"p.exe", {}},
        {"program's own options", {L"p.exe", L"--skin", L"-x"}, L"", L"p.exe", {L"--skin", L"-x"}},
        {"-- ends skinrun's options", {L"--", L"--odd.exe", L"1"}, L"", L"--odd.exe", {L"1"}},
    };
    for (const Case& c : cases) {
        const auto parsed = skinrun::ParseArguments(c.args);
        ASSERT_TRUE(parsed.arguments) << c.name;
        EXPECT_EQ(parsed.arguments->skin, c.skin) << c.name;
        EXPECT_EQ(parsed.arguments->program, c.program) << c.name;
        EXPECT_EQ(parsed.arguments->programArguments, c.programArgs) << c.name;
    }
}

TEST(SkinrunArguments, RefusesWhatCannotBeRunWithOneLine) {
    const Args refused[] = {{},
                            {L"--skin"},
                            {L"--skin", L"meadow"},
                            {L"--skin="},
                            {L"--colour", L"x", L"p.exe"},
                            {L"--skin", L"", L"p.exe"}};
    for (const Args& args : refused) {
        const auto parsed = skinrun::ParseArguments(args);
        EXPECT_FALSE(parsed.arguments);
        EXPECT_TRUE(parsed.error.starts_with(L"skinrun: ") || parsed.error.starts_with(L"usage: skinrun"));
        EXPECT_EQ(parsed.error.find(L'\n'), std::wstring::npos);
    }
}

TEST(SkinrunArguments, TellsSkinFilesFromSkinNames) {
    EXPECT_FALSE(skinrun::IsSkinFile(L"meadow"));
    EXPECT_FALSE(skinrun::IsSkinFile(L"skn"));
    EXPECT_TRUE(skinrun::IsSkinFile(L"mine.SKN"));
    EXPECT_TRUE(skinrun::IsSkinFile(L"skins/meadow"));
    EXPECT_TRUE(skinrun::IsSkinFile(L"C:x"));
}

// What the C runtime makes of a command line (the documented rules), to read quoting back.
Args SplitAsTheRuntimeDoes(const std::wstring& line) {
    Args out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
        if (i >= line.size()) break;
        std::wstring arg;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
            std::size_t slashes = 0;
            while (i < line.size() && line[i] == L'\\') ++slashes, ++i;
            if (i < line.size() && line[i] == L'"') {
                arg.append(slashes / 2, L'\\');
                if (slashes % 2 == 1) {
                    arg.push_back(L'"');
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                arg.append(slashes, L'\\');
                if (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) arg.push_back(line[i++]);
            }
        }
        out.push_back(arg);
    }
    return out;
}

TEST(SkinrunCommandLine, EveryArgumentReadsBackUnchanged) {
    const Args args = {L"plain",          L"with space",          L"",         L"quote\"inside", L"trailing\\",
                       L"C:\\dir with\\", L"\\\\server\\\"share", L"tab\there"};
    const std::wstring line = skinrun::CommandLine(L"C:\\Program Files\\p.exe", args);
    Args expected = {L"C:\\Program Files\\p.exe"};
    expected.insert(expected.end(), args.begin(), args.end());
    EXPECT_EQ(SplitAsTheRuntimeDoes(line), expected) << std::string(line.begin(), line.end());
    EXPECT_EQ(skinrun::QuoteArgument(L"simple"), L"simple");
}

std::vector<std::uint8_t> Executable(std::uint16_t machine, std::size_t peAt = 0x80) {
    std::vector<std::uint8_t> bytes(peAt + 24, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3C] = static_cast<std::uint8_t>(peAt);
    bytes[0x3D] = static_cast<std::uint8_t>(peAt >> 8);
    bytes[peAt] = 'P';
    bytes[peAt + 1] = 'E';
    bytes[peAt + 4] = static_cast<std::uint8_t>(machine);
    bytes[peAt + 5] = static_cast<std::uint8_t>(machine >> 8);
    return bytes;
}

TEST(SkinrunExecutable, ReadsTheBitnessOrRefusesWhatIsNoProgram) {
    EXPECT_EQ(skinrun::ExecutableBitness(Executable(0x014C)), 32);
    EXPECT_EQ(skinrun::ExecutableBitness(Executable(0x8664)), 64);
    EXPECT_EQ(skinrun::ExecutableBitness(Executable(0xAA64)), std::nullopt) << "ARM64";
    auto noPe = Executable(0x8664);
    noPe[0x80] = 'N';
    EXPECT_EQ(skinrun::ExecutableBitness(noPe), std::nullopt);
    auto pastEnd = Executable(0x8664);
    pastEnd[0x3C] = 0xFF;
    pastEnd[0x3D] = 0xFF;
    EXPECT_EQ(skinrun::ExecutableBitness(pastEnd), std::nullopt);
    const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(skinrun::ExecutableBitness(text), std::nullopt);
    EXPECT_EQ(skinrun::ExecutableBitness({}), std::nullopt);
}

}  // namespace
