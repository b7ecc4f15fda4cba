#include "app/tweaks.h"

#include <span>

#include "app/catalogue.h"

namespace {

void PolicyWrite(RegistryBackend& registry, const char* keyPath, std::string_view valueName, std::uint32_t value) {
    TRegistry reg(registry, RegRoot::CurrentUser, kKeyAllAccess);
    if (reg.OpenKey(keyPath, true)) reg.WriteInteger(valueName, value);
}

std::uint32_t Choose(int index, std::uint32_t onValue) { return index == 0 ? 0 : onValue; }

}  // namespace

void WriteTextValue(RegistryBackend& registry, RegRoot root, std::string_view keyPath, std::string_view valueName,
                    std::string_view text) {
    const auto key = registry.OpenKey(root, TrimKeyPath(keyPath), kKeyAllAccess);
    if (!key) return;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    key->SetValue(valueName, kRegSz, std::span<const std::uint8_t>(bytes, text.size()));
}

void SetNoDispCPL(RegistryBackend& registry, int index) {
    PolicyWrite(registry, tweak_keys::kSystemPolicy, "NoDispCPL", Choose(index, 0xFFFF));
}
void SetNoDrives(RegistryBackend& registry, int index) {
    PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoDrives", Choose(index, 0xFFFF));
}
void SetNoControlPanel(RegistryBackend& registry, int index) {
    PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoControlPanel", Choose(index, 1));
}
void SetNoDesktop(RegistryBackend& registry, int index) {
    PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoDesktop", Choose(index, 1));
}
void SetNoClose(RegistryBackend& registry, int index) {
    PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoClose", Choose(index, 1));
}

void SetTaskManagerPolicy(RegistryBackend& registry, int mode) {
    const bool known = mode == 0 || mode == 1;
    const std::uint32_t value = mode == 0 ? 1 : 0;
    TRegistry reg(registry, RegRoot::CurrentUser, kKeyAllAccess);
    if (reg.OpenKey(tweak_keys::kSystemPolicy, true) && known) reg.WriteInteger("DisableTaskMgr", value);
    reg.CloseKey();
    if (reg.OpenKey(tweak_keys::kExplorerPolicy, true) && known) {
        reg.WriteInteger("NoChangeStartMenu", value);
        reg.WriteInteger("NoClose", value);
        reg.WriteInteger("NoLogOff", value);
    }
}

void RestoreDefaults(RegistryBackend& registry, const ShowMessageFn& showMessage) {
    WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kIeMain, "Window Title", "Microsoft Internet Explorer");
    WriteTextValue(registry, RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeText", "");
    WriteTextValue(registry, RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeCaption", "");
    SetNoDispCPL(registry, 0);
    SetNoDrives(registry, 0);
    SetNoControlPanel(registry, 0);
    SetNoDesktop(registry, 0);
    SetNoClose(registry, 0);
    SetTaskManagerPolicy(registry, 1);
    if (const auto key = registry.OpenKey(RegRoot::LocalMachine, tweak_keys::kWinlogon, kKeyAllAccess))
        key->DeleteValue("LegalNoticeText");
    showMessage(tweak_text::kRestored);
}

void ApplyWindowTitle(RegistryBackend& registry, std::string_view title) {
    WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kIeMain, "Window Title", title);
}
void ApplyStartPage(RegistryBackend& registry, std::string_view address) {
    WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kIeMain, "Start page", address);
}
void ApplyHideDesktop(RegistryBackend& registry) {
    WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kExplorerPolicyText, "NoDesktop", "1");
}
void ApplyHideShutdown(RegistryBackend& registry) {
    WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kExplorerPolicyText, "NoClose", "1");
}
void ApplyLogonNotice(RegistryBackend& registry, std::string_view noticeText, std::string_view noticeCaption) {
    WriteTextValue(registry, RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeText", noticeText);
    WriteTextValue(registry, RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeCaption", noticeCaption);
}

void ReadSystemInformation(RegistryBackend& registry,
                           const std::function<void(InfoLabel, const std::string&)>& setLabel) {
    // Read-only and open-only: reading must work for a standard user and must
    // never create keys under HKLM.
    TRegistry reg(registry, RegRoot::LocalMachine, kKeyRead);
    if (reg.OpenKey(tweak_keys::kProcessor, false))
        setLabel(InfoLabel::ProcessorName, reg.ReadString("ProcessorNameString"));
    setLabel(InfoLabel::ProcessorVendor, reg.ReadString("VendorIdentifier"));
    reg.CloseKey();
    if (reg.OpenKey(tweak_keys::kWindowsNt, false)) setLabel(InfoLabel::Owner, reg.ReadString("RegisteredOwner"));
    setLabel(InfoLabel::Organization, reg.ReadString("RegisteredOrganization"));
}

bool RestartWindows(PowerControl& power, std::uint32_t flags) {
    if (!power.SetPrivilege(kShutdownPrivilege, true)) return false;
    const bool accepted = power.RequestShutdown(flags);
    power.SetPrivilege(kShutdownPrivilege, false);
    return accepted;
}
