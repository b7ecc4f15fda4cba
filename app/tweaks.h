#pragma once
// The registry actions behind the tweak dialogs and the main window's
// "Vrati na Default" button. DWORD writes raise ETweakError when they fail;
// keys that cannot be opened (or created) are skipped without a word.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/registry.h"

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
// REG_SZ of exactly its bytes, no terminating zero. A key that cannot be
// opened is skipped; the result of the write is ignored.
void WriteTextValue(RegistryBackend& registry, RegRoot root, std::string_view keyPath, std::string_view valueName,
                    std::string_view text);

// Policy routines: one REG_DWORD under HKCU, key created when missing.
// index 0 writes 0; index 1 writes the routine's "on" value.
void SetNoDispCPL(RegistryBackend& registry, int index);
void SetNoDrives(RegistryBackend& registry, int index);
void SetNoControlPanel(RegistryBackend& registry, int index);
void SetNoDesktop(RegistryBackend& registry, int index);
void SetNoClose(RegistryBackend& registry, int index);

// Mode 0 disables Task Manager and the Start menu's change/close/log-off
// entries, mode 1 enables them again, any other mode writes nothing.
void SetTaskManagerPolicy(RegistryBackend& registry, int mode);

// Undoes every tweak except the start page, then shows its message.
void RestoreDefaults(RegistryBackend& registry, const ShowMessageFn& showMessage);

// What the confirming dialogs write.
void ApplyWindowTitle(RegistryBackend& registry, std::string_view title);
void ApplyStartPage(RegistryBackend& registry, std::string_view address);
void ApplyHideDesktop(RegistryBackend& registry);
void ApplyHideShutdown(RegistryBackend& registry);
void ApplyLogonNotice(RegistryBackend& registry, std::string_view noticeText, std::string_view noticeCaption);

// The information dialog's readings, delivered one label at a time so that
// labels set before an error keep their new text.
enum class InfoLabel : std::uint8_t { ProcessorName, ProcessorVendor, Owner, Organization };
void ReadSystemInformation(RegistryBackend& registry,
                           const std::function<void(InfoLabel, const std::string&)>& setLabel);

// Restart: enabling the shut-down privilege and asking the system to restart
// go through this seam, so tests can watch them without restarting anything.
class PowerControl {
public:
    virtual ~PowerControl() = default;
    virtual bool SetPrivilege(std::string_view privilegeName, bool enable) = 0;
    virtual bool RequestShutdown(std::uint32_t flags) = 0;
};

inline constexpr std::uint32_t kEwxReboot = 2;
inline constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";

// Enables the shut-down privilege, requests the shut-down, disables the
// privilege again. False when the privilege could not be enabled (nothing is
// requested) or the system refused.
bool RestartWindows(PowerControl& power, std::uint32_t flags);
