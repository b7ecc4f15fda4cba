#pragma once
// Enabling a privilege of this process and asking Windows to shut down. The
// shut-down request itself can be redirected, so tests can see it happen
// without ending their session.

#include <cstdint>
#include <string_view>

#include "app/tweaks.h"

// Enables or disables a privilege of the current process's token; true only
// when the token holds the privilege and it was adjusted.
bool SetPrivilege(std::string_view privilegeName, bool enable);

// Receives the shut-down request; the default calls ExitWindowsEx(flags, 0).
using ExitWindowsHandler = bool (*)(std::uint32_t flags);
// Installs `handler` (nullptr restores the default) and returns the previous one.
ExitWindowsHandler SetExitWindowsHandler(ExitWindowsHandler handler);

class WinPowerControl final : public PowerControl {
public:
    bool SetPrivilege(std::string_view privilegeName, bool enable) override;
    bool RequestShutdown(std::uint32_t flags) override;
};
