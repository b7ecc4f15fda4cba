// The utility driven as a user drives it: clicking tree nodes and buttons,
// typing into the dialogs, confirming, cancelling and dismissing messages,
// with the effects read back from the windows and the real registry.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/memory_registry.h"
#include "app/setting_state.h"
#include "app/tweaks.h"
#include "app/win/drives_dialog.h"
#include "app/win/logon_notice_dialog.h"
#include "app/win/main_window.h"
#include "app/win/start_page_dialog.h"
#include "app/win/system_info_dialog.h"
#include "app/win/win_power.h"
#include "app/win/win_registry.h"
#include "app/win/window_title_dialog.h"
#include "tour/win/timer_steps.h"
#include "unit/policy_keys.h"
#include "win/driver/app_session.h"
#include "win/driver/registry_guard.h"
#include "win/driver/shutdown_recorder.h"
#include "win/driver/ui_driver.h"

using namespace ui_driver;

namespace {

using namespace policy_keys;

std::string StoredText(HKEY root, const char* key, const char* name) {
    const auto value = ReadRegistryValue(root, key, name);
    if (!value) return "<missing>";
    if (value->type != REG_SZ) return "<type " + std::to_string(value->type) + ">";
    std::string text(value->data.begin(), value->data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

class AppUi : public ::testing::Test {
protected:
    void SetUp() override {
        StartApplicationOnce();
        guard = std::make_unique<RegistryGuard>();
        // The keys a Windows installation has, so text writes find them.
        CreateRegistryKey(HKEY_CURRENT_USER, tweak_keys::kIeMain);
        CreateRegistryKey(HKEY_CURRENT_USER, kExplorer);
        CreateRegistryKey(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon);
        steps.OnFailure = [](const std::string&) { EndAllModalLoops(); };
    }
    void TearDown() override {
        SetAppRegistry(nullptr);
        guard.reset();
    }

    TTreeNode* Node(int index) { return Form1->TreeView1->Items()->Item(index); }

    // Clicks node `index`, first its category when that is collapsed.
    void ClickNode(int index) {
        TTreeNode* node = Node(index);
        if (TTreeNode* parent = node->Parent()) {
            steps
                .Then("expand category",
                      [this, parent] {
                          if (!parent->Expanded()) ClickTreeNode(Form1->TreeView1, parent);
                      })
                .WaitUntil("category expanded", [parent] { return parent->Expanded(); });
        }
        steps.Then("click node " + std::to_string(index), [this, node] { ClickTreeNode(Form1->TreeView1, node); })
            .WaitUntil("node selected", [node] { return node->Selected(); })
            .WaitUntil("click handled", QueueDrained);
    }

    void PressTweakAndWaitFor(TCustomForm* dialog) {
        steps.Then("press Tweak", [] { Click(Form1->SpeedButton1); })
            .WaitUntil(std::string(dialog->ClassName()) + " shown", [dialog] { return TopModalForm() == dialog; });
    }

    void ExpectMessageAndPressOk(const std::string& text) {
        steps.WaitUntil("message \"" + text + "\"", [] { return MessageForm() != nullptr; })
            .Then("check message", [text] { EXPECT_EQ(MessageText(), text); })
            .Then("press OK", [] { ASSERT_TRUE(PressMessageOk()); })
            .WaitUntil("message closed", [] { return MessageForm() == nullptr; });
    }

    void WaitClosed(TCustomForm* dialog) {
        steps.WaitUntil(std::string(dialog->ClassName()) + " closed", [dialog] { return !IsShown(dialog); });
    }

    void Run() { ASSERT_TRUE(steps.RunUntilFinished(30000)) << steps.Failure(); }

    std::unique_ptr<RegistryGuard> guard;
    TimerSteps steps;
};

TEST_F(AppUi, ClickingNodesShowsTheirCaptionAndDescriptionVerbatim) {
    ClickNode(0);
    ClickNode(13);
    steps.Then("check node 13", [] {
        EXPECT_EQ(Form1->GroupBox1->Caption(), "  LogOn obavestenje   ");
        EXPECT_EQ(Form1->Memo1->Text(), DescribeNode(AppRegistry(), 13));
    });
    // Empty space below the nodes: nothing changes.
    steps.Then("click empty space", [] { ClickTreeBackground(Form1->TreeView1); })
        .WaitUntil("handled", QueueDrained)
        .Then("check unchanged", [] { EXPECT_EQ(Form1->GroupBox1->Caption(), "  LogOn obavestenje   "); });
    ClickNode(2);
    steps.Then("check node 2", [] {
        EXPECT_EQ(Form1->GroupBox1->Caption(), "  Promena pocetne strane u IE-u    ");
        EXPECT_EQ(Form1->Memo1->Text(), DescribeNode(AppRegistry(), 2));
    });
    Run();
}

TEST_F(AppUi, ArrowKeysMoveTheSelectionButNotTheDescriptionWhileTweakFollowsTheSelection) {
    ClickNode(1);  // "Promeni Window Title"
    steps.Then("arrow down", [] { PressKey(Form1->TreeView1->Handle(), VK_DOWN); })
        .WaitUntil("node 2 selected", [this] { return Node(2)->Selected(); })
        .WaitUntil("handled", QueueDrained)
        .Then("description unchanged", [] { EXPECT_EQ(Form1->GroupBox1->Caption(), CatalogueAt(1)->groupCaption); });
    PressTweakAndWaitFor(Form2);
    steps.Then("cancel", [] { Click(Form2->SpeedButton2); });
    WaitClosed(Form2);
    Run();
}

TEST_F(AppUi, TweakOnACategoryOrWithoutSelectionOpensNothing) {
    steps.Then("press Tweak without selection", [] { Click(Form1->SpeedButton1); })
        .WaitUntil("handled", QueueDrained)
        .Then("nothing opened", [] { EXPECT_EQ(TopModalForm(), nullptr); });
    for (int category : {0, 3, 6, 9, 14}) {
        ClickNode(category);
        steps.Then("press Tweak", [] { Click(Form1->SpeedButton1); })
            .WaitUntil("handled", QueueDrained)
            .Then("nothing opened at " + std::to_string(category), [] { EXPECT_EQ(TopModalForm(), nullptr); });
    }
    Run();
}

struct Confirm {
    int node;
    std::string edit;  // typed into Edit1 when the dialog has one
    std::string memo;  // typed into Memo1 (logon notice)
    const char* message;
    std::function<void()> check;
};

TEST_F(AppUi, EveryConfirmingDialogWritesItsValuesShowsItsMessageAndCloses) {
    const std::vector<Confirm> cases = {
        {1, "Moj pregledac", "", tweak_text::kTitleChanged,
         [] { EXPECT_EQ(StoredText(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title"), "Moj pregledac"); }},
        {2, "http://example.org/", "", tweak_text::kStartPageChanged,
         [] { EXPECT_EQ(StoredText(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Start page"), "http://example.org/"); }},
        {4, "", "", tweak_text::kTaskManagerDisabled,
         [] {
             EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "DisableTaskMgr"), 1u);
             EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoChangeStartMenu"), 1u);
         }},
        {5, "", "", tweak_text::kDisplayRestricted,
         [] { EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "NoDispCPL"), 0xFFFFu); }},
        {7, "", "", tweak_text::kControlPanelDisabled,
         [] { EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoControlPanel"), 1u); }},
        {8, "", "", tweak_text::kControlPanelHidden,
         [] { EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoControlPanel"), 1u); }},
        {10, "", "", tweak_text::kDesktopHidden,
         [] { EXPECT_EQ(StoredText(HKEY_CURRENT_USER, kExplorer, "NoDesktop"), "1"); }},
        {11, "", "", tweak_text::kDrivesHidden,
         [] { EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoDrives"), 0xFFFFu); }},
        {12, "", "", tweak_text::kShutdownDisabled,
         [] { EXPECT_EQ(StoredText(HKEY_CURRENT_USER, kExplorer, "NoClose"), "1"); }},
        {13, "Paznja", "a\r\nb\r\n", tweak_text::kLogonNoticeSet,
         [] {
             const auto text = ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText");
             ASSERT_TRUE(text);
             EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText"), "a\r\nb\r\n");
             EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeCaption"), "Paznja");
         }},
    };
    for (const Confirm& c : cases) {
        TForm* dialog = TweakDialogForm(DialogForNode(c.node));
        ASSERT_NE(dialog, nullptr);
        ClickNode(c.node);
        PressTweakAndWaitFor(dialog);
        if (auto* edit = dynamic_cast<TEdit*>(dialog->FindComponent("Edit1")))
            steps.Then("type", [edit, text = c.edit] { TypeText(edit, text); })
                .WaitUntil("typed", [edit, text = c.edit] { return edit->Text() == text; });
        if (auto* memo = dynamic_cast<TMemo*>(dialog->FindComponent("Memo1")))
            steps.Then("type memo", [memo, text = c.memo] { TypeText(memo, text); })
                .WaitUntil("memo typed", [memo, text = c.memo] { return memo->Lines()->Text() == text; });
        steps.Then("confirm", [dialog] { Click(dynamic_cast<TControl*>(dialog->FindComponent("SpeedButton1"))); });
        ExpectMessageAndPressOk(c.message);
        WaitClosed(dialog);
        steps.Then("check registry for node " + std::to_string(c.node), c.check);
    }
    Run();
}

TEST_F(AppUi, CancellingOrClosingADialogWritesNothingAndShowsNoMessage) {
    const auto before = ReadRegistryValue(HKEY_CURRENT_USER, kExplorer, "NoDrives");
    const auto titleBefore = ReadRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title");
    ClickNode(11);
    PressTweakAndWaitFor(Form4);
    steps.Then("cancel", [] { Click(Form4->SpeedButton2); });
    WaitClosed(Form4);
    ClickNode(1);
    PressTweakAndWaitFor(Form5);
    steps.Then("type", [] { TypeText(Form5->Edit1, "ne"); })
        .WaitUntil("typed", [] { return Form5->Edit1->Text() == "ne"; })
        .Then("close by system menu", [] { CloseBySystemMenu(Form5->Handle()); });
    WaitClosed(Form5);
    steps.WaitUntil("handled", QueueDrained).Then("no message", [] { EXPECT_EQ(MessageForm(), nullptr); });
    Run();
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, kExplorer, "NoDrives").has_value(), before.has_value());
    const auto titleAfter = ReadRegistryValue(HKEY_CURRENT_USER, tweak_keys::kIeMain, "Window Title");
    ASSERT_EQ(titleAfter.has_value(), titleBefore.has_value());
    if (titleAfter) {
        EXPECT_EQ(titleAfter->data, titleBefore->data);
    }
}

TEST_F(AppUi, DialogsKeepWhatWasTypedBetweenOpenings) {
    ClickNode(2);
    PressTweakAndWaitFor(Form2);
    steps.Then("first opening shows about:blank", [] { EXPECT_EQ(Form2->Edit1->Text(), "about:blank"); })
        .Then("type", [] { TypeText(Form2->Edit1, "http://novi.rs/"); })
        .WaitUntil("typed", [] { return Form2->Edit1->Text() == "http://novi.rs/"; })
        .Then("confirm", [] { Click(Form2->SpeedButton1); });
    ExpectMessageAndPressOk(tweak_text::kStartPageChanged);
    WaitClosed(Form2);
    PressTweakAndWaitFor(Form2);
    steps.Then("reopened with the address", [] { EXPECT_EQ(Form2->Edit1->Text(), "http://novi.rs/"); })
        .Then("cancel", [] { Click(Form2->SpeedButton2); });
    WaitClosed(Form2);
    // The logon notice keeps its memo too.
    ClickNode(13);
    PressTweakAndWaitFor(Form8);
    steps.Then("type memo", [] { TypeText(Form8->Memo1, "red\r\n"); })
        .WaitUntil("typed", [] { return Form8->Memo1->Lines()->Count() >= 1; })
        .Then("cancel", [] { Click(Form8->SpeedButton2); });
    WaitClosed(Form8);
    PressTweakAndWaitFor(Form8);
    steps.Then("memo kept", [] { EXPECT_EQ(Form8->Memo1->Lines()->Get(0), "red"); }).Then("cancel", [] {
        Click(Form8->SpeedButton2);
    });
    WaitClosed(Form8);
    Run();
}

TEST_F(AppUi, AnEmptyLogonNoticeWritesTwoZeroLengthTexts) {
    ClickNode(13);
    PressTweakAndWaitFor(Form8);
    steps
        .Then("clear",
              [] {
                  TypeText(Form8->Edit1, "");
                  TypeText(Form8->Memo1, "");
              })
        .WaitUntil("cleared", [] { return Form8->Edit1->Text().empty() && Form8->Memo1->Text().empty(); })
        .Then("confirm", [] { Click(Form8->SpeedButton1); });
    ExpectMessageAndPressOk(tweak_text::kLogonNoticeSet);
    WaitClosed(Form8);
    Run();
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText"), "");
    EXPECT_EQ(StoredText(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeCaption"), "");
}

TEST_F(AppUi, RestoreButtonRestoresAndReports) {
    WriteRegistryValue(HKEY_CURRENT_USER, kExplorer, "NoDesktop", RegValue{REG_SZ, {'1'}});
    steps.Then("press Vrati na Default", [] { Click(Form1->SpeedButton2); });
    ExpectMessageAndPressOk(tweak_text::kRestored);
    Run();
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kExplorer, "NoDesktop"), 0u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kSystem, "DisableTaskMgr"), 0u);
    EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, "LegalNoticeText"));
}

TEST_F(AppUi, RestartShowsItsNoticeAndRequestsARebootAfterOk) {
    const ShutdownRecorder shutdowns;
    steps.Then("press Restartuj", [] { Click(Form1->SpeedButton3); })
        .WaitUntil("notice shown", [] { return MessageForm() != nullptr; })
        .Then("not yet requested", [&] { EXPECT_TRUE(shutdowns.Requests().empty()); });
    ExpectMessageAndPressOk(tweak_text::kRestartNotice);
    steps.WaitUntil("reboot requested", [&] { return !shutdowns.Requests().empty(); });
    Run();
    EXPECT_EQ(shutdowns.Requests(), std::vector<std::uint32_t>{kEwxReboot});
}

TEST_F(AppUi, AFailedDwordWriteShowsTheErrorAndKeepsTheDialogOpen) {
    MemoryRegistry registry;
    registry.FailWrites(RegRoot::CurrentUser, kExplorer, "NoDrives");
    SetAppRegistry(&registry);
    ClickNode(11);
    PressTweakAndWaitFor(Form4);
    steps.Then("confirm", [] { Click(Form4->SpeedButton1); })
        .WaitUntil("error box", [] { return SystemDialog() != nullptr; })
        .Then("check error",
              [] {
                  EXPECT_NE(DialogText(SystemDialog()).find("Failed to set data for 'NoDrives'"), std::string::npos)
                      << DialogText(SystemDialog());
                  EXPECT_EQ(MessageForm(), nullptr);
              })
        .Then("press OK", [] { ASSERT_TRUE(PressDialogOk(SystemDialog())); })
        .WaitUntil("error closed", [] { return SystemDialog() == nullptr; })
        .WaitUntil("handled", QueueDrained)
        .Then("dialog still open", [] { EXPECT_EQ(TopModalForm(), Form4); })
        .Then("cancel", [] { Click(Form4->SpeedButton2); });
    WaitClosed(Form4);
    Run();
}

TEST_F(AppUi, InformationDialogOpensFromItsNodeAndGoesBack) {
    const std::string vendor = Form13->Label4->Caption();
    ClickNode(15);
    PressTweakAndWaitFor(Form13);
    steps.Then("readings unchanged", [vendor] { EXPECT_EQ(Form13->Label4->Caption(), vendor); }).Then("Nazad", [] {
        Click(Form13->SpeedButton1);
    });
    WaitClosed(Form13);
    Run();
}

TEST_F(AppUi, MenuShowsTheAboutMessageAndExitEndsTheProgram) {
    steps.Then("Informacije o programu", [] { ChooseMenuItem(Form1, Form1->Informacijeoprogramu1); });
    ExpectMessageAndPressOk(tweak_text::kAbout);
    steps.Then("Izlaz", [] { ChooseMenuItem(Form1, Form1->Izlaz1); }).WaitUntil("program asked to end", [this] {
        return steps.QuitReceived();
    });
    Run();
}

TEST_F(AppUi, ZatvoriEndsTheProgram) {
    steps.Then("Zatvori", [] { Click(Form1->SpeedButton4); }).WaitUntil("program asked to end", [this] {
        return steps.QuitReceived();
    });
    Run();
}

}  // namespace
