#pragma once
// The registry actions behind the tweak dialogs and the main window's
// "Vrati na Default" button. DWORD writes raise ETweakError when they fail;
// every other setting that could not be written (key missing, access denied,
// write refused) is returned in the operation's outcome.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/registry.h"
#include "app/tweak_outcome.h"

using ShowMessageFn = std::function<void(const std::string&)>;

namespace tweak_keys {
// Keys opened for text writes (must already exist).
inline constexpr const char* kIeMain = "SOFTWARE\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char* kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
inline constexpr const char* kExplorerPolicyText = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
// Keys opened by the policy routines (created when missing).
inline constexpr const char* kSystemPolicy = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\";
inline constexpr const char* kExplorerPolicy = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\";
// Keys read for the information dialog.
inline constexpr const char* kProcessor = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0\\";
inline constexpr const char* kWindowsNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
}  // namespace tweak_keys

// Text write: opens the existing key with full access and stores `text` as a
// REG_SZ: its bytes followed by the terminating zero that Windows expects in
// the size of a string value. A key that cannot be opened is never created;
// nothing is written and the setting is reported.
TweakOutcome WriteTextValue(RegistryBackend& registry, RegRoot root, std::string_view keyPath,
                            std::string_view valueName, std::string_view text);

// Policy routines: one REG_DWORD under HKCU, key created when missing.
// index 0 writes 0; index 1 writes the routine's "on" value.
TweakOutcome SetNoDispCPL(RegistryBackend& registry, int index);
TweakOutcome SetNoDrives(RegistryBackend& registry, int index);
TweakOutcome SetNoControlPanel(RegistryBackend& registry, int index);
TweakOutcome SetNoDesktop(RegistryBackend& registry, int index);
TweakOutcome SetNoClose(RegistryBackend& registry, int index);

// Mode 0 disables Task Manager and the Start menu's change/close/log-off
// entries, mode 1 enables them again, any other mode writes nothing.
TweakOutcome SetTaskManagerPolicy(RegistryBackend& registry, int mode);

// Undoes every tweak except the start page, then shows its message: the
// success text, or the settings it could not restore.
TweakOutcome RestoreDefaults(RegistryBackend& registry, const ShowMessageFn& showMessage);

// What the confirming dialogs write.
TweakOutcome ApplyWindowTitle(RegistryBackend& registry, std::string_view title);
TweakOutcome ApplyStartPage(RegistryBackend& registry, std::string_view address);
TweakOutcome ApplyHideDesktop(RegistryBackend& registry);
TweakOutcome ApplyHideShutdown(RegistryBackend& registry);
// Both values or neither: when the key cannot be opened for writing, nothing
// is written and both settings are reported.
TweakOutcome ApplyLogonNotice(RegistryBackend& registry, std::string_view noticeText, std::string_view noticeCaption);

// The settings of catalogue node `index` that need administrator rights
// (they live under HKLM) and that this process cannot write now, found by
// opening their key for writing; nothing is written. Empty for every other node.
TweakOutcome CheckWriteAccess(RegistryBackend& registry, int index);

// The information dialog's readings, delivered one label at a time so that
// labels set before an error keep their new text.
enum class InfoLabel : std::uint8_t { ProcessorName, ProcessorVendor, Owner, Organization };
void ReadSystemInformation(RegistryBackend& registry,
                           const std::function<void(InfoLabel, const std::string&)>& setLabel);

// Restart: enabling the shut-down privilege and asking the system to restart
// go through this seam, so tests can watch them without restarting anything.
enum class RestartResult : std::uint8_t {
    Accepted,          // the system took the restart request
    PrivilegeNotHeld,  // the shut-down privilege could not be enabled; nothing was requested
    Refused,           // the system refused the request
};

class PowerControl {
public:
    virtual ~PowerControl() = default;
    // True only when the privilege really is enabled (or disabled) afterwards.
    virtual bool SetPrivilege(std::string_view privilegeName, bool enable) = 0;
    virtual bool RequestShutdown(std::uint32_t flags) = 0;
};

inline constexpr std::uint32_t kEwxReboot = 2;
inline constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";

// Enables the shut-down privilege, requests the shut-down, disables the
// privilege again.
RestartResult RestartWindows(PowerControl& power, std::uint32_t flags);
