#include "app/tweaks.h"

#include <span>
#include <vector>

#include "app/catalogue.h"
#include "app/tweak_messages.h"

namespace {

SettingFailure Failure(RegRoot root, std::string_view keyPath, std::string_view valueName, RegStatus reason) {
    return SettingFailure{root, std::string(TrimKeyPath(keyPath)), std::string(valueName), reason};
}

TweakOutcome PolicyWrite(RegistryBackend& registry, const char* keyPath, std::string_view valueName,
                         std::uint32_t value) {
    TRegistry reg(registry, RegRoot::CurrentUser, kKeyAllAccess);
    if (!reg.OpenKey(keyPath, true)) return {Failure(RegRoot::CurrentUser, keyPath, valueName, reg.OpenStatus())};
    reg.WriteInteger(valueName, value);
    return {};
}

std::uint32_t Choose(int index, std::uint32_t onValue) { return index == 0 ? 0 : onValue; }

// The bytes of a REG_SZ value: the text and its terminating zero.
std::vector<std::uint8_t> StringBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

TweakOutcome WriteText(RegistryKey& key, RegRoot root, std::string_view keyPath, std::string_view valueName,
                       std::string_view text) {
    const RegStatus status = key.SetValue(valueName, kRegSz, StringBytes(text));
    if (status == RegStatus::Ok) return {};
    return {Failure(root, keyPath, valueName, status)};
}

}  // namespace

TweakOutcome WriteTextValue(RegistryBackend& registry, RegRoot root, std::string_view keyPath,
                            std::string_view valueName, std::string_view text) {
    RegStatus status{};
    const auto key = registry.OpenKey(root, TrimKeyPath(keyPath), kKeyAllAccess, status);
    if (!key) return {Failure(root, keyPath, valueName, status)};
    return WriteText(*key, root, keyPath, valueName, text);
}

TweakOutcome SetNoDispCPL(RegistryBackend& registry, int index) {
    return PolicyWrite(registry, tweak_keys::kSystemPolicy, "NoDispCPL", Choose(index, 0xFFFF));
}
TweakOutcome SetNoDrives(RegistryBackend& registry, int index) {
    return PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoDrives", Choose(index, 0xFFFF));
}
TweakOutcome SetNoControlPanel(RegistryBackend& registry, int index) {
    return PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoControlPanel", Choose(index, 1));
}
TweakOutcome SetNoDesktop(RegistryBackend& registry, int index) {
    return PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoDesktop", Choose(index, 1));
}
TweakOutcome SetNoClose(RegistryBackend& registry, int index) {
    return PolicyWrite(registry, tweak_keys::kExplorerPolicy, "NoClose", Choose(index, 1));
}

TweakOutcome SetTaskManagerPolicy(RegistryBackend& registry, int mode) {
    const bool known = mode == 0 || mode == 1;
    const std::uint32_t value = mode == 0 ? 1 : 0;
    TweakOutcome outcome;
    TRegistry reg(registry, RegRoot::CurrentUser, kKeyAllAccess);
    if (reg.OpenKey(tweak_keys::kSystemPolicy, true)) {
        if (known) reg.WriteInteger("DisableTaskMgr", value);
    } else if (known) {
        outcome.push_back(Failure(RegRoot::CurrentUser, tweak_keys::kSystemPolicy, "DisableTaskMgr", reg.OpenStatus()));
    }
    reg.CloseKey();
    const char* explorerValues[] = {"NoChangeStartMenu", "NoClose", "NoLogOff"};
    if (reg.OpenKey(tweak_keys::kExplorerPolicy, true)) {
        if (known)
            for (const char* name : explorerValues) reg.WriteInteger(name, value);
    } else if (known) {
        for (const char* name : explorerValues)
            outcome.push_back(Failure(RegRoot::CurrentUser, tweak_keys::kExplorerPolicy, name, reg.OpenStatus()));
    }
    return outcome;
}

TweakOutcome RestoreDefaults(RegistryBackend& registry, const ShowMessageFn& showMessage) {
    TweakOutcome outcome;
    Append(outcome, WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kIeMain, "Window Title",
                                   "Microsoft Internet Explorer"));
    Append(outcome, WriteTextValue(registry, RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeText", ""));
    Append(outcome, WriteTextValue(registry, RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeCaption", ""));
    Append(outcome, SetNoDispCPL(registry, 0));
    Append(outcome, SetNoDrives(registry, 0));
    Append(outcome, SetNoControlPanel(registry, 0));
    Append(outcome, SetNoDesktop(registry, 0));
    Append(outcome, SetNoClose(registry, 0));
    Append(outcome, SetTaskManagerPolicy(registry, 1));
    // The notice text was emptied above; removing the value is tidying only, and a
    // value that is already gone is not a failure.
    if (const auto key = registry.OpenKey(RegRoot::LocalMachine, tweak_keys::kWinlogon, kKeyAllAccess))
        key->DeleteValue("LegalNoticeText");
    showMessage(RestoreMessage(outcome));
    return outcome;
}

TweakOutcome ApplyWindowTitle(RegistryBackend& registry, std::string_view title) {
    return WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kIeMain, "Window Title", title);
}
TweakOutcome ApplyStartPage(RegistryBackend& registry, std::string_view address) {
    return WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kIeMain, "Start page", address);
}
TweakOutcome ApplyHideDesktop(RegistryBackend& registry) {
    return WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kExplorerPolicyText, "NoDesktop", "1");
}
TweakOutcome ApplyHideShutdown(RegistryBackend& registry) {
    return WriteTextValue(registry, RegRoot::CurrentUser, tweak_keys::kExplorerPolicyText, "NoClose", "1");
}
TweakOutcome ApplyLogonNotice(RegistryBackend& registry, std::string_view noticeText, std::string_view noticeCaption) {
    constexpr RegRoot root = RegRoot::LocalMachine;
    RegStatus status{};
    const auto key = registry.OpenKey(root, TrimKeyPath(tweak_keys::kWinlogon), kKeyAllAccess, status);
    if (!key)
        return {Failure(root, tweak_keys::kWinlogon, "LegalNoticeText", status),
                Failure(root, tweak_keys::kWinlogon, "LegalNoticeCaption", status)};
    TweakOutcome outcome = WriteText(*key, root, tweak_keys::kWinlogon, "LegalNoticeText", noticeText);
    Append(outcome, WriteText(*key, root, tweak_keys::kWinlogon, "LegalNoticeCaption", noticeCaption));
    return outcome;
}

TweakOutcome CheckWriteAccess(RegistryBackend& registry, int index) {
    if (DialogForNode(index) != TweakDialog::Form8) return {};
    RegStatus status{};
    if (registry.OpenKey(RegRoot::LocalMachine, TrimKeyPath(tweak_keys::kWinlogon), kKeySetValue, status)) return {};
    return {Failure(RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeText", status),
            Failure(RegRoot::LocalMachine, tweak_keys::kWinlogon, "LegalNoticeCaption", status)};
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

RestartResult RestartWindows(PowerControl& power, std::uint32_t flags) {
    if (!power.SetPrivilege(kShutdownPrivilege, true)) return RestartResult::PrivilegeNotHeld;
    const bool accepted = power.RequestShutdown(flags);
    power.SetPrivilege(kShutdownPrivilege, false);
    return accepted ? RestartResult::Accepted : RestartResult::Refused;
}
