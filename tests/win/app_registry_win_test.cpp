// The tweak operations against the real registry of the Wine prefix, read
// back with the registry's own functions; privilege and shut-down seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/tweaks.h"
#include "app/win/win_power.h"
#include "app/win/win_registry.h"
#include "unit/policy_keys.h"
#include "unit/test_files.h"
#include "win/driver/registry_guard.h"
#include "win/driver/shutdown_recorder.h"

using namespace ui_driver;

namespace {

using namespace policy_keys;
using test_files::BytesOf;

// The text of a REG_SZ: what comes before its terminating zero.
std::vector<std::uint8_t> TextBytesOf(const RegValue& value) {
    std::vector<std::uint8_t> data = value.data;
    if (!data.empty() && data.back() == 0) data.pop_back();
    return data;
}

class AppWinRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        CreateRegistryKey(HKEY_CURRENT_USER, tweak_keys::kIeMain);
        CreateRegistryKey(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon);
    }
    RegistryGuard guard;  // restores the values after each test
    WinRegistry registry;
};

TEST_F(AppWinRegistry, TextWritesStoreTheTextAndItsTerminatorAsRegSz) {
    ApplyWindowTitle(registry, "Naslov");
    auto value = ReadRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(TextBytesOf(*value), BytesOf("Naslov"));

    ApplyLogonNotice(registry, "a\r\nb\r\n", "");
    value = ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(TextBytesOf(*value), BytesOf("a\r\nb\r\n"));
    EXPECT_EQ(value->data, BytesOf(std::string_view("a\r\nb\r\n", 7)));  // stored with its terminating zero
    value = ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeCaption");
    ASSERT_TRUE(value);
    EXPECT_TRUE(TextBytesOf(*value).empty());
}

TEST_F(AppWinRegistry, TextWritesSkipAMissingKeyWithoutCreatingIt) {
    DeleteRegistryValue(HKEY_CURRENT_USER, kExplorer, "NoDesktop");
    RegDeleteKeyExA(HKEY_CURRENT_USER, kExplorer, KEY_WOW64_64KEY, 0);  // only succeeds when empty
    if (RegistryKeyExists(HKEY_CURRENT_USER, kExplorer)) GTEST_SKIP() << "the prefix keeps values in the key";
    ApplyHideDesktop(registry);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kExplorer));
}

TEST_F(AppWinRegistry, PolicyRoutinesWriteFourByteDwordsAndCreateTheirKeys) {
    SetNoDispCPL(registry, 1);
    SetNoDrives(registry, 1);
    SetNoControlPanel(registry, 1);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "NoDispCPL"), 0xFFFFu);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoDrives"), 0xFFFFu);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoControlPanel"), 1u);
    SetTaskManagerPolicy(registry, 0);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "DisableTaskMgr"), 1u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoLogOff"), 1u);
}

TEST_F(AppWinRegistry, RestoreTurnsTextPoliciesIntoDwordZerosAndRemovesTheNotice) {
    SetNoDrives(registry, 1);  // makes sure the Explorer key exists for the text writes
    ApplyHideDesktop(registry);
    ApplyHideShutdown(registry);
    ApplyLogonNotice(registry, "x\r\n", "y");
    ASSERT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kExplorer, "NoDesktop")->type, static_cast<std::uint32_t>(REG_SZ));

    std::vector<std::string> messages;
    RestoreDefaults(registry, [&](const std::string& text) { messages.push_back(text); });
    EXPECT_EQ(messages, std::vector<std::string>{"Podaci uspesno vraceni u normalu"});
    for (const char* name : {"NoDesktop", "NoClose", "NoDrives", "NoControlPanel", "NoChangeStartMenu", "NoLogOff"})
        EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, name), 0u) << name;
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "NoDispCPL"), 0u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "DisableTaskMgr"), 0u);
    EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText"));
    const auto caption = ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeCaption");
    ASSERT_TRUE(caption);
    EXPECT_TRUE(TextBytesOf(*caption).empty());
    const auto title = ReadRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title");
    ASSERT_TRUE(title);
    EXPECT_EQ(TextBytesOf(*title), BytesOf("Microsoft Internet Explorer"));
}

TEST_F(AppWinRegistry, ReadStringAppliesTheTypeRuleToRealValues) {
    WriteRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title", RegValue{REG_DWORD, {1, 0, 0, 0}});
    TRegistry reg(registry, RegRoot::CurrentUser, kKeyRead);
    ASSERT_TRUE(reg.OpenKey(tweak_keys::kIeMain, false));
    EXPECT_THROW(reg.ReadString("Window Title"), ETweakError);
    WriteRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title", RegValue{REG_SZ, BytesOf("ab\0cd")});
    EXPECT_EQ(reg.ReadString("Window Title"), "ab");
    EXPECT_EQ(reg.ReadString("No such value here"), "");
}

TEST_F(AppWinRegistry, SystemInformationMatchesTheRegistryAndCreatesNothing) {
    const char* processor = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
    std::map<InfoLabel, std::string> labels;
    ReadSystemInformation(registry, [&](InfoLabel label, const std::string& text) { labels[label] = text; });
    const auto vendor = ReadRegistryValue(HKEY_LOCAL_MACHINE, processor, "VendorIdentifier");
    ASSERT_TRUE(vendor) << "the prefix describes its processor";
    EXPECT_EQ(labels[InfoLabel::ProcessorVendor],
              std::string(vendor->data.begin(), std::find(vendor->data.begin(), vendor->data.end(), 0)));
    EXPECT_FALSE(labels[InfoLabel::ProcessorVendor].empty());
    EXPECT_TRUE(labels.contains(InfoLabel::Owner));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0\\0"));
}

TEST(AppWinPower, RestartGoesThroughTheSeamWithTheRebootFlag) {
    const ShutdownRecorder shutdowns;
    WinPowerControl power;
    const bool privilege = SetPrivilege(kShutdownPrivilege, true);
    SetPrivilege(kShutdownPrivilege, false);
    const RestartResult result = RestartWindows(power, kEwxReboot);
    if (privilege) {
        EXPECT_EQ(result, RestartResult::Accepted);
        EXPECT_EQ(shutdowns.Requests(), std::vector<std::uint32_t>{kEwxReboot});
    } else {
        EXPECT_EQ(result, RestartResult::PrivilegeNotHeld);
        EXPECT_TRUE(shutdowns.Requests().empty());
    }
}

// AdjustTokenPrivileges accepts a privilege the token does not hold and only
// says so through ERROR_NOT_ALL_ASSIGNED; that is not an enabled privilege.
TEST(AppWinPower, APrivilegeTheTokenDoesNotHoldIsNotReportedAsEnabled) {
    EXPECT_FALSE(SetPrivilege("SeCreateTokenPrivilege", true));
}

TEST(AppWinPower, AnUnknownPrivilegeCannotBeEnabled) { EXPECT_FALSE(SetPrivilege("SeNoSuchPrivilegeAnywhere", true)); }

}  // namespace
