#include "app/win/win_power.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "base/win/handles.h"

namespace {

bool RealExitWindows(std::uint32_t flags) { return ExitWindowsEx(flags, 0) != FALSE; }

ExitWindowsHandler g_exitWindows = RealExitWindows;

// The process token, opened for adjusting privileges; null when it could not be opened.
base::win::UniqueKernelHandle OpenProcessTokenForPrivileges() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) token = nullptr;
    return base::win::UniqueKernelHandle(token);
}

}  // namespace

bool SetPrivilege(std::string_view privilegeName, bool enable) {
    const base::win::UniqueKernelHandle token = OpenProcessTokenForPrivileges();
    if (!token) return false;
    const std::string name(privilegeName);
    LUID luid{};
    if (!LookupPrivilegeValueA(nullptr, name.c_str(), &luid)) return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = luid;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    TOKEN_PRIVILEGES previous{};
    DWORD previousSize = sizeof(previous);
    // The call succeeds even when the token does not hold the privilege; only
    // ERROR_NOT_ALL_ASSIGNED afterwards tells that nothing was changed.
    SetLastError(ERROR_SUCCESS);
    if (!AdjustTokenPrivileges(token.Get(), FALSE, &privileges, sizeof(previous), &previous, &previousSize))
        return false;
    return GetLastError() != ERROR_NOT_ALL_ASSIGNED;
}

ExitWindowsHandler SetExitWindowsHandler(ExitWindowsHandler handler) {
    const ExitWindowsHandler previous = g_exitWindows;
    g_exitWindows = handler ? handler : RealExitWindows;
    return previous;
}

bool WinPowerControl::SetPrivilege(std::string_view privilegeName, bool enable) {
    return ::SetPrivilege(privilegeName, enable);
}

bool WinPowerControl::RequestShutdown(std::uint32_t flags) { return g_exitWindows(flags); }
