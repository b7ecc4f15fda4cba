// The registry actions of the tweaks, the restore procedure and the restart
// sequence, against the in-memory registry.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/memory_registry.h"
#include "app/tweak_messages.h"
#include "app/tweaks.h"
#include "unit/policy_keys.h"
#include "unit/test_files.h"

namespace {

using namespace policy_keys;
using test_files::BytesOf;

// A REG_SZ as the utility writes it: the text and its terminating zero.
std::vector<std::uint8_t> Sz(std::string_view text) {
    std::vector<std::uint8_t> bytes = BytesOf(text);
    bytes.push_back(0);
    return bytes;
}

class AppTweaks : public ::testing::Test {
protected:
    // A machine with the keys a fresh Windows has: the text-write keys exist,
    // the policy keys do not.
    void SetUp() override {
        reg.PutValue(HKCU, tweak_keys::kIeMain, "Start page", {kRegSz, BytesOf("http://home/")});
        reg.PutValue(HKLM, tweak_keys::kWinlogon, "Shell", {kRegSz, BytesOf("explorer.exe")});
    }
    void TearDown() override { EXPECT_EQ(reg.OpenHandles(), 0) << "a key was left open"; }

    std::optional<std::uint32_t> Dword(RegRoot root, const char* key, const char* name) {
        const auto value = reg.Value(root, key, name);
        if (!value || value->type != kRegDword || value->data.size() != 4) return std::nullopt;
        return std::uint32_t(value->data[0]) | std::uint32_t(value->data[1]) << 8 |
               std::uint32_t(value->data[2]) << 16 | std::uint32_t(value->data[3]) << 24;
    }

    ShowMessageFn Recorder() {
        return [this](const std::string& text) { messages.push_back(text); };
    }

    MemoryRegistry reg;
    std::vector<std::string> messages;
};

TEST_F(AppTweaks, PolicyRoutinesCreateTheirKeyAndWriteTheirDword) {
    struct Case {
        TweakOutcome (*routine)(RegistryBackend&, int);
        const char* key;
        const char* name;
        std::uint32_t on;
    };
    const Case cases[] = {{SetNoDispCPL, kSystem, "NoDispCPL", 0xFFFF},
                          {SetNoDrives, kExplorer, "NoDrives", 0xFFFF},
                          {SetNoControlPanel, kExplorer, "NoControlPanel", 1},
                          {SetNoDesktop, kExplorer, "NoDesktop", 1},
                          {SetNoClose, kExplorer, "NoClose", 1}};
    for (const Case& c : cases) {
        c.routine(reg, 1);
        EXPECT_EQ(Dword(HKCU, c.key, c.name), c.on) << c.name;
        c.routine(reg, 0);
        EXPECT_EQ(Dword(HKCU, c.key, c.name), 0u) << c.name;
    }
    EXPECT_TRUE(reg.ValueNames(HKLM, kExplorer).empty());
}

TEST_F(AppTweaks, PolicyWritesReportKeysThatCannotBeOpenedOrCreated) {
    reg.DenyCreate(HKCU, kExplorer);
    EXPECT_EQ(SetNoDrives(reg, 1), (TweakOutcome{{HKCU, kExplorer, "NoDrives", RegStatus::AccessDenied}}));
    EXPECT_FALSE(reg.KeyExists(HKCU, kExplorer));
    reg.DenyOpen(HKCU, kSystem);
    EXPECT_EQ(SetNoDispCPL(reg, 1), (TweakOutcome{{HKCU, kSystem, "NoDispCPL", RegStatus::AccessDenied}}));
    EXPECT_FALSE(reg.KeyExists(HKCU, kSystem));
    const TweakOutcome taskManager = SetTaskManagerPolicy(reg, 0);
    ASSERT_EQ(taskManager.size(), 4u);  // DisableTaskMgr and the three Explorer values
    EXPECT_EQ(taskManager[0].value, "DisableTaskMgr");
    EXPECT_EQ(taskManager[3].value, "NoLogOff");
    EXPECT_TRUE(SetTaskManagerPolicy(reg, 2).empty());  // writes nothing, so nothing failed
}

TEST_F(AppTweaks, AFailingDwordWriteRaisesWithTheValueName) {
    reg.FailWrites(HKCU, kExplorer, "NoControlPanel");
    try {
        SetNoControlPanel(reg, 1);
        FAIL() << "no error raised";
    } catch (const ETweakError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'NoControlPanel'");
    }
}

TEST_F(AppTweaks, TaskManagerPolicyModesApplyClearOrOnlyOpen) {
    SetTaskManagerPolicy(reg, 0);
    EXPECT_EQ(Dword(HKCU, kSystem, "DisableTaskMgr"), 1u);
    for (const char* name : {"NoChangeStartMenu", "NoClose", "NoLogOff"}) EXPECT_EQ(Dword(HKCU, kExplorer, name), 1u);
    SetTaskManagerPolicy(reg, 1);
    EXPECT_EQ(Dword(HKCU, kSystem, "DisableTaskMgr"), 0u);
    for (const char* name : {"NoChangeStartMenu", "NoClose", "NoLogOff"}) EXPECT_EQ(Dword(HKCU, kExplorer, name), 0u);

    MemoryRegistry fresh;
    SetTaskManagerPolicy(fresh, 2);
    EXPECT_TRUE(fresh.KeyExists(HKCU, kSystem));
    EXPECT_TRUE(fresh.KeyExists(HKCU, kExplorer));
    EXPECT_TRUE(fresh.ValueNames(HKCU, kSystem).empty());
    EXPECT_TRUE(fresh.ValueNames(HKCU, kExplorer).empty());
}

TEST_F(AppTweaks, TaskManagerPolicyStopsAtTheFirstFailedWrite) {
    reg.FailWrites(HKCU, kExplorer, "NoClose");
    EXPECT_THROW(SetTaskManagerPolicy(reg, 0), ETweakError);
    EXPECT_EQ(Dword(HKCU, kSystem, "DisableTaskMgr"), 1u);
    EXPECT_EQ(Dword(HKCU, kExplorer, "NoChangeStartMenu"), 1u);
    EXPECT_FALSE(reg.Value(HKCU, kExplorer, "NoLogOff"));
}

TEST_F(AppTweaks, TextWritesStoreTheTextWithItsTerminatorAndNeverCreateKeys) {
    EXPECT_TRUE(ApplyWindowTitle(reg, "Moj IE").empty());
    EXPECT_EQ(reg.Value(HKCU, tweak_keys::kIeMain, "Window Title")->data, Sz("Moj IE"));
    EXPECT_EQ(reg.Value(HKCU, tweak_keys::kIeMain, "Window Title")->type, kRegSz);
    ApplyStartPage(reg, "");
    const auto empty = reg.Value(HKCU, tweak_keys::kIeMain, "Start page");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->type, kRegSz);
    EXPECT_EQ(empty->data, Sz(""));  // an empty text is the terminator alone

    // The Explorer policy key does not exist yet: the text tweaks write nothing and say so.
    EXPECT_EQ(ApplyHideDesktop(reg),
              (TweakOutcome{{HKCU, tweak_keys::kExplorerPolicyText, "NoDesktop", RegStatus::NotFound}}));
    EXPECT_EQ(ApplyHideShutdown(reg),
              (TweakOutcome{{HKCU, tweak_keys::kExplorerPolicyText, "NoClose", RegStatus::NotFound}}));
    EXPECT_FALSE(reg.KeyExists(HKCU, kExplorer));
    SetNoDrives(reg, 0);  // now it exists
    ApplyHideDesktop(reg);
    ApplyHideShutdown(reg);
    EXPECT_EQ(reg.Value(HKCU, kExplorer, "NoDesktop")->data, Sz("1"));
    EXPECT_EQ(reg.Value(HKCU, kExplorer, "NoClose")->type, kRegSz);
}

TEST_F(AppTweaks, LogonNoticeStoresTheMemoTextWithItsLineEndsAndTheCaption) {
    ApplyLogonNotice(reg, "a\r\nb\r\n", "Naslov");
    const auto text = reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->data.size(), 7u);  // a, CR, LF, b, CR, LF and the terminator
    EXPECT_EQ(text->data, Sz("a\r\nb\r\n"));
    EXPECT_EQ(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption")->data, Sz("Naslov"));

    ApplyLogonNotice(reg, "", "");
    EXPECT_EQ(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText")->data.size(), 1u);
    EXPECT_EQ(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption")->type, kRegSz);
}

TEST_F(AppTweaks, TextWritesWithoutWriteAccessOrRefusedWriteNothingAndReportWhy) {
    EXPECT_TRUE(CheckWriteAccess(reg, 13).empty());
    reg.DenyWriteAccess(HKLM, "");
    const TweakOutcome denied = {{HKLM, tweak_keys::kWinlogon, "LegalNoticeText", RegStatus::AccessDenied},
                                 {HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption", RegStatus::AccessDenied}};
    EXPECT_EQ(CheckWriteAccess(reg, 13), denied);  // known before anything is written
    EXPECT_EQ(ApplyLogonNotice(reg, "x", "y"), denied);
    EXPECT_FALSE(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText"));
    EXPECT_FALSE(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption"));
    for (int node = 0; node < kCatalogueSize; ++node) {
        if (node != 13) {
            EXPECT_TRUE(CheckWriteAccess(reg, node).empty()) << node;  // only the notice lives in HKLM
        }
    }
    reg.FailWrites(HKCU, tweak_keys::kIeMain);
    EXPECT_EQ(ApplyWindowTitle(reg, "t"),
              (TweakOutcome{{HKCU, tweak_keys::kIeMain, "Window Title", RegStatus::Failed}}));
    EXPECT_FALSE(reg.Value(HKCU, tweak_keys::kIeMain, "Window Title"));
}

TEST_F(AppTweaks, RestoreOnACleanMachineLeavesEightDwordZerosAndShowsItsMessage) {
    RestoreDefaults(reg, Recorder());
    EXPECT_EQ(messages, std::vector<std::string>{tweak_text::kRestored});
    EXPECT_EQ(Dword(HKCU, kSystem, "NoDispCPL"), 0u);
    EXPECT_EQ(Dword(HKCU, kSystem, "DisableTaskMgr"), 0u);
    for (const char* name : {"NoDrives", "NoControlPanel", "NoDesktop", "NoClose", "NoChangeStartMenu", "NoLogOff"})
        EXPECT_EQ(Dword(HKCU, kExplorer, name), 0u) << name;
    EXPECT_EQ(reg.ValueNames(HKCU, kSystem).size() + reg.ValueNames(HKCU, kExplorer).size(), 8u);
    const auto title = reg.Value(HKCU, tweak_keys::kIeMain, "Window Title");
    EXPECT_EQ(title->data, Sz("Microsoft Internet Explorer"));
    EXPECT_EQ(title->data.size(), 28u);
    EXPECT_EQ(reg.Value(HKCU, tweak_keys::kIeMain, "Start page")->data, BytesOf("http://home/"));  // not restored
    EXPECT_FALSE(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText"));
    const auto caption = reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->data, Sz(""));
}

TEST_F(AppTweaks, RestoreUndoesEveryTweakAndTurnsTextPoliciesIntoDwords) {
    SetNoDrives(reg, 1);
    ApplyHideDesktop(reg);
    ApplyHideShutdown(reg);
    ApplyLogonNotice(reg, "Hello\r\n", "Hi");
    SetTaskManagerPolicy(reg, 0);  // overwrites NoClose with a DWORD 1
    ApplyHideShutdown(reg);        // and back to text "1"
    SetNoDispCPL(reg, 1);
    SetNoControlPanel(reg, 1);
    ASSERT_EQ(reg.Value(HKCU, kExplorer, "NoClose")->type, kRegSz);
    ASSERT_EQ(reg.Value(HKCU, kExplorer, "NoDesktop")->type, kRegSz);

    RestoreDefaults(reg, Recorder());
    for (const char* name : {"NoDesktop", "NoClose", "NoDrives", "NoControlPanel", "NoLogOff"})
        EXPECT_EQ(Dword(HKCU, kExplorer, name), 0u) << name;
    EXPECT_EQ(Dword(HKCU, kSystem, "NoDispCPL"), 0u);
    EXPECT_EQ(Dword(HKCU, kSystem, "DisableTaskMgr"), 0u);
    EXPECT_FALSE(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText"));
    EXPECT_EQ(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption")->data, Sz(""));
    EXPECT_EQ(messages, std::vector<std::string>{tweak_text::kRestored});
}

TEST_F(AppTweaks, RestoreStopsAtAFailedDwordWriteBeforeItsMessage) {
    reg.FailWrites(HKCU, kExplorer, "NoControlPanel");
    ApplyLogonNotice(reg, "keep", "c");  // would be removed at the very end
    try {
        RestoreDefaults(reg, Recorder());
        FAIL() << "no error raised";
    } catch (const ETweakError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'NoControlPanel'");
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dword(HKCU, kExplorer, "NoDrives"), 0u);      // before the failure
    EXPECT_FALSE(reg.Value(HKCU, kExplorer, "NoDesktop"));  // after it
    EXPECT_FALSE(reg.Value(HKCU, kSystem, "DisableTaskMgr"));
    EXPECT_EQ(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText")->data, Sz(""));  // emptied, not removed
}

TEST_F(AppTweaks, RestoreWithoutAccessToHklmRestoresHkcuAndNamesTheNoticeItCouldNotRestore) {
    ApplyLogonNotice(reg, "notice", "caption");
    reg.DenyWriteAccess(HKLM, "");
    const TweakOutcome outcome = RestoreDefaults(reg, Recorder());
    const TweakOutcome denied = {{HKLM, tweak_keys::kWinlogon, "LegalNoticeText", RegStatus::AccessDenied},
                                 {HKLM, tweak_keys::kWinlogon, "LegalNoticeCaption", RegStatus::AccessDenied}};
    EXPECT_EQ(outcome, denied);
    EXPECT_EQ(messages, std::vector<std::string>{RestoreMessage(denied)});
    EXPECT_EQ(reg.Value(HKLM, tweak_keys::kWinlogon, "LegalNoticeText")->data, Sz("notice"));
    EXPECT_EQ(Dword(HKCU, kSystem, "DisableTaskMgr"), 0u);
    EXPECT_EQ(reg.Value(HKCU, tweak_keys::kIeMain, "Window Title")->data, Sz("Microsoft Internet Explorer"));
}

TEST_F(AppTweaks, NodesSevenAndEightShareOneValueSoRestoringUndoesBoth) {
    SetNoControlPanel(reg, 1);  // node 7 and node 8 alike
    EXPECT_EQ(Dword(HKCU, kExplorer, "NoControlPanel"), 1u);
    EXPECT_EQ(reg.ValueNames(HKCU, kExplorer).size(), 1u);
    SetNoControlPanel(reg, 0);
    EXPECT_EQ(Dword(HKCU, kExplorer, "NoControlPanel"), 0u);
}

class AppSystemInformation : public AppTweaks {
protected:
    std::map<InfoLabel, std::string> Read() {
        std::map<InfoLabel, std::string> labels;
        ReadSystemInformation(reg, [&](InfoLabel label, const std::string& text) { labels[label] = text; });
        return labels;
    }
};

TEST_F(AppSystemInformation, ReadsTheFourValuesWithoutWriteAccess) {
    reg.PutValue(HKLM, tweak_keys::kProcessor, "ProcessorNameString", {kRegSz, BytesOf("Cpu X\0pad")});
    reg.PutValue(HKLM, tweak_keys::kProcessor, "VendorIdentifier", {kRegSz, BytesOf("GenuineTest")});
    reg.PutValue(HKLM, tweak_keys::kWindowsNt, "RegisteredOwner", {kRegSz, BytesOf("Pera")});
    reg.PutValue(HKLM, tweak_keys::kWindowsNt, "RegisteredOrganization", {kRegExpandSz, BytesOf("Firma")});
    reg.DenyWriteAccess(HKLM, "");  // a standard user
    const auto labels = Read();
    EXPECT_EQ(labels.at(InfoLabel::ProcessorName), "Cpu X");
    EXPECT_EQ(labels.at(InfoLabel::ProcessorVendor), "GenuineTest");
    EXPECT_EQ(labels.at(InfoLabel::Owner), "Pera");
    EXPECT_EQ(labels.at(InfoLabel::Organization), "Firma");
}

TEST_F(AppSystemInformation, AMissingKeyLeavesTheFirstLabelUntouchedEmptiesTheSecondAndCreatesNothing) {
    // The processor key is missing; the Windows NT key exists (above Winlogon) without the values.
    const std::size_t keysBefore = reg.KeyCount();
    auto labels = Read();
    EXPECT_FALSE(labels.contains(InfoLabel::ProcessorName));
    EXPECT_EQ(labels.at(InfoLabel::ProcessorVendor), "");
    EXPECT_EQ(labels.at(InfoLabel::Owner), "");
    EXPECT_EQ(labels.at(InfoLabel::Organization), "");
    EXPECT_EQ(reg.KeyCount(), keysBefore);

    reg.PutValue(HKLM, tweak_keys::kWindowsNt, "RegisteredOrganization", {kRegSz, BytesOf("Firma")});
    reg.DenyOpen(HKLM, tweak_keys::kWindowsNt);
    labels = Read();
    EXPECT_FALSE(labels.contains(InfoLabel::Owner));
    EXPECT_EQ(labels.at(InfoLabel::Organization), "");
}

TEST_F(AppSystemInformation, AValueOfTheWrongTypeRaisesAfterTheEarlierLabelsWereSet) {
    reg.PutValue(HKLM, tweak_keys::kProcessor, "ProcessorNameString", {kRegSz, BytesOf("Cpu")});
    reg.PutValue(HKLM, tweak_keys::kProcessor, "VendorIdentifier", {kRegDword, {1, 0, 0, 0}});
    std::map<InfoLabel, std::string> labels;
    try {
        ReadSystemInformation(reg, [&](InfoLabel label, const std::string& text) { labels[label] = text; });
        FAIL() << "no error raised";
    } catch (const ETweakError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'VendorIdentifier'");
    }
    EXPECT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels.at(InfoLabel::ProcessorName), "Cpu");
}

class RecordingPower final : public PowerControl {
public:
    bool SetPrivilege(std::string_view name, bool enable) override {
        calls.push_back(std::string(enable ? "enable " : "disable ") + std::string(name));
        return enable ? grant : true;
    }
    bool RequestShutdown(std::uint32_t flags) override {
        calls.push_back("exit " + std::to_string(flags));
        return accept;
    }
    bool grant = true;
    bool accept = true;
    std::vector<std::string> calls;
};

TEST(AppRestart, EnablesThePrivilegeAroundTheShutdownRequest) {
    RecordingPower power;
    EXPECT_EQ(RestartWindows(power, kEwxReboot), RestartResult::Accepted);
    EXPECT_EQ(power.calls,
              (std::vector<std::string>{"enable SeShutdownPrivilege", "exit 2", "disable SeShutdownPrivilege"}));
    power.calls.clear();
    power.accept = false;
    EXPECT_EQ(RestartWindows(power, kEwxReboot), RestartResult::Refused);
    EXPECT_EQ(power.calls.size(), 3u);  // the privilege is dropped again after a refusal
}

TEST(AppRestart, WithoutThePrivilegeNothingIsRequested) {
    RecordingPower power;
    power.grant = false;
    EXPECT_EQ(RestartWindows(power, kEwxReboot), RestartResult::PrivilegeNotHeld);
    EXPECT_EQ(power.calls, std::vector<std::string>{"enable SeShutdownPrivilege"});
}

}  // namespace
