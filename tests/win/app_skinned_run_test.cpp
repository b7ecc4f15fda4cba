// The utility's test build, skinned with its stored skin, goes through every window of its
// screenshot tour and ends cleanly: every window is given back before the forms are freed at
// program end.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/win/handles.h"

namespace {

DWORD RunUtilityTour(const char* skinFile) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string shots = std::string(folder) + "tweak-skinned-run-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(shots.c_str(), nullptr);
    SetEnvironmentVariableA("TWEAK_SCREENSHOT_DIR", shots.c_str());
    SetEnvironmentVariableA("TWEAK_SKIN", skinFile);
    std::string command = "\"" + std::string(TOOLS_BIN_DIR) + "/tweak_tour.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA("TWEAK_SCREENSHOT_DIR", nullptr);
    SetEnvironmentVariableA("TWEAK_SKIN", nullptr);
    if (!started) return 1000;
    const base::win::UniqueKernelHandle processHandle(process.hProcess);
    const base::win::UniqueKernelHandle threadHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 100000) != WAIT_OBJECT_0) {  // a guard against a hang only
        TerminateProcess(process.hProcess, 99);
        return 99;
    }
    DWORD exitCode = 1001;
    GetExitCodeProcess(process.hProcess, &exitCode);
    return exitCode;
}

TEST(AppSkinnedRun, TourThroughEveryWindowEndsWithExitCodeZeroWithEachSkin) {
    EXPECT_EQ(RunUtilityTour(nullptr), 0u);  // the stored skin (graphite)
    EXPECT_EQ(RunUtilityTour(BUILT_SKINS_DIR "/meadow.skn"), 0u);
}

}  // namespace
