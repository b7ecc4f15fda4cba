// What the utility tells the user when the real registry refuses a tweak: a key
// whose security denies writing, a key that is missing, and the current state
// the description panel shows before and after tweaks and restoring.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/setting_state.h"
#include "app/tweak_messages.h"
#include "app/tweaks.h"
#include "app/win/logon_notice_dialog.h"
#include "app/win/main_window.h"
#include "app/win/win_power.h"
#include "app/win/win_registry.h"
#include "tour/win/timer_steps.h"
#include "tour/win/window_capture.h"
#include "unit/policy_keys.h"
#include "win/app_key_guards.h"
#include "win/driver/app_session.h"
#include "win/driver/registry_guard.h"
#include "win/driver/ui_driver.h"

using namespace ui_driver;
using app_test::ScopedDeniedWrites;
using app_test::ScopedKeyAway;

namespace {

using namespace policy_keys;

constexpr UINT kIsSkinned = 0x3504;

// Every value the utility writes, as the registry holds it now.
std::vector<std::optional<RegValue>> Snapshot() {
    std::vector<std::optional<RegValue>> values;
    for (const char* name : {"Window Title", "Start page"})
        values.push_back(ReadRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, name));
    for (const char* name : {"NoDesktop", "NoClose", "NoDrives", "NoControlPanel", "NoChangeStartMenu", "NoLogOff"})
        values.push_back(ReadRegistryValue(HKEY_CURRENT_USER, kExplorer, name));
    for (const char* name : {"NoDispCPL", "DisableTaskMgr"})
        values.push_back(ReadRegistryValue(HKEY_CURRENT_USER, kSystem, name));
    for (const char* name : {"LegalNoticeText", "LegalNoticeCaption"})
        values.push_back(ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, name));
    return values;
}

bool SameValues(const std::vector<std::optional<RegValue>>& a, const std::vector<std::optional<RegValue>>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].has_value() != b[i].has_value()) return false;
        if (a[i] && (a[i]->type != b[i]->type || a[i]->data != b[i]->data)) return false;
    }
    return true;
}

// The text the message dialog's label shows.
std::string ShownMessage() {
    TCustomForm* form = MessageForm();
    if (!form) return {};
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Message"));
    return label ? label->Caption() : std::string("<no label>");
}

// Whether opening the key for full access is refused as a standard user's would be.
LONG OpenForWriting(HKEY root, const char* path) {
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &key);
    const base::win::UniqueHKey owned(key);
    return result;
}

class AppFailureReport : public ::testing::Test {
protected:
    void SetUp() override {
        StartApplicationOnce();
        guard = std::make_unique<RegistryGuard>();
        CreateRegistryKey(HKEY_CURRENT_USER, tweak_keys::kIeMain);
        CreateRegistryKey(HKEY_CURRENT_USER, kExplorer);
        CreateRegistryKey(HKEY_CURRENT_USER, kSystem);
        CreateRegistryKey(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon);
        steps.OnFailure = [](const std::string&) { EndAllModalLoops(); };
    }
    void TearDown() override { guard.reset(); }

    void ClickNode(int index) {
        TTreeNode* node = Form1->TreeView1->Items()->Item(index);
        if (TTreeNode* parent = node->Parent()) {
            steps
                .Then("expand category",
                      [parent] {
                          if (!parent->Expanded()) ClickTreeNode(Form1->TreeView1, parent);
                      })
                .WaitUntil("category expanded", [parent] { return parent->Expanded(); });
        }
        steps.Then("click node " + std::to_string(index), [node] { ClickTreeNode(Form1->TreeView1, node); })
            .WaitUntil("node selected", [node] { return node->Selected(); })
            .WaitUntil("click handled", QueueDrained);
    }

    void OpenDialogOf(int index) {
        TForm* dialog = TweakDialogForm(DialogForNode(index));
        ClickNode(index);
        steps.Then("press Tweak", [] { Click(Form1->SpeedButton1); })
            .WaitUntil(std::string(dialog->ClassName()) + " shown", [dialog] { return TopModalForm() == dialog; });
    }

    void ConfirmAndExpect(int index, const std::string& message, bool closes) {
        TForm* dialog = TweakDialogForm(DialogForNode(index));
        steps.Then("confirm", [dialog] { Click(dynamic_cast<TControl*>(dialog->FindComponent("SpeedButton1"))); })
            .WaitUntil("message", [] { return MessageForm() != nullptr; })
            .Then("check message for node " + std::to_string(index),
                  [message, index] { EXPECT_EQ(ShownMessage(), message) << "node " << index; })
            .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
            .WaitUntil("message closed", [] { return MessageForm() == nullptr; })
            .WaitUntil("handled", QueueDrained);
        if (closes) {
            steps.WaitUntil("dialog closed", [dialog] { return !IsShown(dialog); });
        } else {
            steps.Then("dialog still open", [dialog] { EXPECT_EQ(TopModalForm(), dialog); })
                .Then("cancel", [dialog] { Click(dynamic_cast<TControl*>(dialog->FindComponent("SpeedButton2"))); })
                .WaitUntil("dialog closed", [dialog] { return !IsShown(dialog); });
        }
    }

    void Run() { ASSERT_TRUE(steps.RunUntilFinished(60000)) << steps.Failure(); }

    std::unique_ptr<RegistryGuard> guard;
    TimerSteps steps;
};

// The keys each tweak writes to, and the settings it reports when they refuse.
struct TweakKeys {
    int node;
    std::vector<std::pair<HKEY, const char*>> keys;
    TweakOutcome failures;  // with the reason filled in per case
    std::string success;
};

std::vector<TweakKeys> AllTweaks() {
    using namespace tweak_keys;
    const auto f = [](RegRoot root, const char* key, const char* value) {
        return SettingFailure{root, std::string(TrimKeyPath(key)), value, RegStatus::Ok};
    };
    return {
        {1, {{HKEY_CURRENT_USER, kIeMain}}, {f(HKCU, kIeMain, "Window Title")}, tweak_text::kTitleChanged},
        {2, {{HKEY_CURRENT_USER, kIeMain}}, {f(HKCU, kIeMain, "Start page")}, tweak_text::kStartPageChanged},
        {4,
         {{HKEY_CURRENT_USER, kSystem}, {HKEY_CURRENT_USER, kExplorer}},
         {f(HKCU, kSystemPolicy, "DisableTaskMgr"), f(HKCU, kExplorerPolicy, "NoChangeStartMenu"),
          f(HKCU, kExplorerPolicy, "NoClose"), f(HKCU, kExplorerPolicy, "NoLogOff")},
         tweak_text::kTaskManagerDisabled},
        {5, {{HKEY_CURRENT_USER, kSystem}}, {f(HKCU, kSystemPolicy, "NoDispCPL")}, tweak_text::kDisplayRestricted},
        {7,
         {{HKEY_CURRENT_USER, kExplorer}},
         {f(HKCU, kExplorerPolicy, "NoControlPanel")},
         tweak_text::kControlPanelDisabled},
        {8,
         {{HKEY_CURRENT_USER, kExplorer}},
         {f(HKCU, kExplorerPolicy, "NoControlPanel")},
         tweak_text::kControlPanelHidden},
        {10, {{HKEY_CURRENT_USER, kExplorer}}, {f(HKCU, kExplorerPolicyText, "NoDesktop")}, tweak_text::kDesktopHidden},
        {11, {{HKEY_CURRENT_USER, kExplorer}}, {f(HKCU, kExplorerPolicy, "NoDrives")}, tweak_text::kDrivesHidden},
        {12,
         {{HKEY_CURRENT_USER, kExplorer}},
         {f(HKCU, kExplorerPolicyText, "NoClose")},
         tweak_text::kShutdownDisabled},
        {13,
         {{HKEY_LOCAL_MACHINE, kWinlogon}},
         {f(HKLM, kWinlogon, "LegalNoticeText"), f(HKLM, kWinlogon, "LegalNoticeCaption")},
         tweak_text::kLogonNoticeSet},
    };
}

TweakOutcome WithReason(TweakOutcome failures, RegStatus reason) {
    for (SettingFailure& failure : failures) failure.reason = reason;
    return failures;
}

TEST_F(AppFailureReport, EveryTweakOnAKeyThatDeniesWritingSaysWhyWritesNothingAndStaysOpen) {
    std::vector<std::unique_ptr<ScopedDeniedWrites>> denials;
    std::vector<std::optional<RegValue>> before;
    for (const TweakKeys& tweak : AllTweaks()) {
        OpenDialogOf(tweak.node);
        steps.Then("deny writing", [&denials, &before, tweak] {
            before = Snapshot();
            for (const auto& [root, path] : tweak.keys) {
                denials.push_back(std::make_unique<ScopedDeniedWrites>(root, path));
                ASSERT_TRUE(denials.back()->Applied()) << path;
                // Wine honours the key's security like Windows does.
                ASSERT_EQ(OpenForWriting(root, path), ERROR_ACCESS_DENIED) << path;
            }
        });
        const TweakOutcome denied = WithReason(tweak.failures, RegStatus::AccessDenied);
        // The logon notice checks its rights before writing; the others report the refused open.
        const std::string message = tweak.node == 13 ? *WriteAccessNote(denied) : ApplyMessage(denied, tweak.success);
        ConfirmAndExpect(tweak.node, message, false);
        steps.Then("nothing written for node " + std::to_string(tweak.node), [&denials, &before, tweak] {
            denials.clear();
            EXPECT_TRUE(SameValues(Snapshot(), before)) << "node " << tweak.node;
        });
    }
    Run();
}

// The utility's windows drawn by the skin engine with our default skin, as tweak.exe draws them.
class AppFailureReportSkinned : public AppFailureReport {
protected:
    void SetUp() override {
        SetEnvironmentVariableW(L"TWEAK_SKIN", WidenText(BUILT_SKINS_DIR "/graphite.skn").c_str());
        AppFailureReport::SetUp();
        SetEnvironmentVariableW(L"TWEAK_SKIN", nullptr);
    }
};

TEST_F(AppFailureReportSkinned, TheDeniedLogonNoticeMessageIsASkinnedDialogNamingTheRightsNeeded) {
    std::unique_ptr<ScopedDeniedWrites> denial;
    const auto before = Snapshot();
    steps.Then("deny writing to Winlogon", [&denial] {
        denial = std::make_unique<ScopedDeniedWrites>(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon);
        ASSERT_TRUE(denial->Applied());
    });
    ClickNode(13);
    // Before anything is written, the description panel already says what the setting needs.
    steps.Then("panel names the rights", [] {
        const std::string text = Form1->Memo1->Text();
        EXPECT_NE(text.find(tweak_text::kNeedsAdministrator), std::string::npos) << text;
    });
    OpenDialogOf(13);
    steps.Then("type", [] { TypeText(Form8->Edit1, "Paznja"); })
        .WaitUntil("typed", [] { return Form8->Edit1->Text() == "Paznja"; })
        .Then("confirm", [] { Click(Form8->SpeedButton1); })
        .WaitUntil("message", [] { return MessageForm() != nullptr && IsShown(MessageForm()); })
        .WaitUntil("message skinned", [] { return SendMessageW(MessageForm()->Handle(), kIsSkinned, 0, 0) == 1; })
        .WaitUntil("painted", QueueDrained)
        .Then(
            "capture",
            [] {
                EXPECT_NE(ShownMessage().find("administratorska prava"), std::string::npos);
                EXPECT_TRUE(CaptureWindowToBmp(MessageForm()->Handle(), WidenText(TOOLS_BIN_DIR "/denied-write.bmp")));
            })
        .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
        .WaitUntil("message closed", [] { return MessageForm() == nullptr; })
        .Then("cancel", [] { Click(Form8->SpeedButton2); })
        .WaitUntil("closed", [] { return !IsShown(Form8); });
    Run();
    denial.reset();
    EXPECT_TRUE(SameValues(Snapshot(), before));
}

TEST_F(AppFailureReport, TextTweaksOnAMissingKeyNameTheKeyAndCreateNothingWhilePoliciesCreateTheirKey) {
    std::unique_ptr<ScopedKeyAway> away;
    for (const TweakKeys& tweak : AllTweaks()) {
        const HKEY root = tweak.keys.front().first;
        const char* path = tweak.keys.front().second;
        const bool policy =
            tweak.node == 4 || tweak.node == 5 || tweak.node == 7 || tweak.node == 8 || tweak.node == 11;
        OpenDialogOf(tweak.node);
        steps.Then("move the key away", [&away, root, path] {
            away = std::make_unique<ScopedKeyAway>(root, path);
            ASSERT_TRUE(away->Applied()) << path;
            ASSERT_FALSE(RegistryKeyExists(root, path));
        });
        const TweakOutcome missing = WithReason(tweak.failures, RegStatus::NotFound);
        const std::string message = policy             ? tweak.success
                                    : tweak.node == 13 ? *WriteAccessNote(missing)
                                                       : ApplyMessage(missing, tweak.success);
        ConfirmAndExpect(tweak.node, message, policy);
        steps.Then("key state for node " + std::to_string(tweak.node), [&away, root, path, policy, tweak] {
            EXPECT_EQ(RegistryKeyExists(root, path), policy) << "node " << tweak.node;
            away.reset();
            EXPECT_TRUE(RegistryKeyExists(root, path));
        });
    }
    Run();
}

TEST_F(AppFailureReport, EachActionNodeShowsItsStateAfterApplyingAndAfterRestoring) {
    const int actions[] = {1, 2, 4, 5, 7, 8, 10, 11, 12, 13};
    steps.Then("restore first", [] { Click(Form1->SpeedButton2); })
        .WaitUntil("restored", [] { return MessageForm() != nullptr; })
        .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
        .WaitUntil("closed", [] { return MessageForm() == nullptr; })
        .Then("apply every tweak", [] {
            WinRegistry registry;
            ApplyWindowTitle(registry, "Moj");
            ApplyStartPage(registry, "http://a/");
            SetTaskManagerPolicy(registry, 0);
            SetNoDispCPL(registry, 1);
            SetNoControlPanel(registry, 1);
            ApplyHideDesktop(registry);
            SetNoDrives(registry, 1);
            ApplyHideShutdown(registry);
            ApplyLogonNotice(registry, "Paznja\r\n", "Naslov");
        });
    const auto expectState = [this](int node, SettingState state) {
        ClickNode(node);
        steps.Then("state of node " + std::to_string(node), [node, state] {
            const std::string text = Form1->Memo1->Text();
            const std::string line = StateLine(state);
            EXPECT_EQ(text.substr(text.size() - std::min(text.size(), line.size())), line) << "node " << node;
        });
    };
    for (int node : actions) expectState(node, SettingState::On);
    steps.Then("Vrati na Default", [] { Click(Form1->SpeedButton2); })
        .WaitUntil("message", [] { return MessageForm() != nullptr; })
        .Then("restored", [] { EXPECT_EQ(ShownMessage(), tweak_text::kRestored); })
        .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
        .WaitUntil("closed", [] { return MessageForm() == nullptr; })
        .WaitUntil("handled", QueueDrained)
        // The panel follows the restore at once for the node it shows.
        .Then("shown node refreshed", [] {
            const std::string text = Form1->Memo1->Text();
            EXPECT_NE(text.find(StateLine(SettingState::Default)), std::string::npos) << text;
        });
    for (int node : actions) {
        const SettingState after = node == 1 || node == 13 ? SettingState::Default
                                   : node == 2             ? SettingState::On  // the start page is not restored
                                                           : SettingState::Off;
        expectState(node, after);
    }
    Run();
}

TEST_F(AppFailureReport, RestoreWithHklmDeniedRestoresHkcuAndListsTheNotice) {
    WriteRegistryValue(HKEY_CURRENT_USER, kExplorer, "NoDesktop", RegValue{REG_SZ, {'1', 0}});
    WriteRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText", RegValue{REG_SZ, {'x', 0}});
    ScopedDeniedWrites denial(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon);
    ASSERT_TRUE(denial.Applied());
    const TweakOutcome expected = {
        {HKLM, TrimKeyPath(tweak_keys::kWinlogon).data(), "LegalNoticeText", RegStatus::AccessDenied},
        {HKLM, TrimKeyPath(tweak_keys::kWinlogon).data(), "LegalNoticeCaption", RegStatus::AccessDenied}};
    steps.Then("Vrati na Default", [] { Click(Form1->SpeedButton2); })
        .WaitUntil("message", [] { return MessageForm() != nullptr; })
        .Then("lists the notice", [expected] { EXPECT_EQ(ShownMessage(), RestoreMessage(expected)); })
        .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
        .WaitUntil("closed", [] { return MessageForm() == nullptr; });
    Run();
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoDesktop"), 0u);
    const auto notice = ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->data, (std::vector<std::uint8_t>{'x', 0}));
}

bool RefuseShutdown(std::uint32_t) { return false; }

TEST_F(AppFailureReport, ARefusedRestartIsReported) {
    const ExitWindowsHandler previous = SetExitWindowsHandler(RefuseShutdown);
    steps.Then("press Restartuj", [] { Click(Form1->SpeedButton3); })
        .WaitUntil("notice", [] { return MessageForm() != nullptr; })
        .Then("notice text", [] { EXPECT_EQ(ShownMessage(), tweak_text::kRestartNotice); })
        .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
        .WaitUntil("second message",
                   [] { return MessageForm() != nullptr && ShownMessage() != tweak_text::kRestartNotice; })
        .Then("refusal", [] { EXPECT_EQ(ShownMessage(), tweak_text::kRestartRefused); })
        .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
        .WaitUntil("closed", [] { return MessageForm() == nullptr; });
    Run();
    SetExitWindowsHandler(previous);
}

}  // namespace
