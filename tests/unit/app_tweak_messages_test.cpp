// What the utility says after each outcome, and the state line each action
// node shows, read from the in-memory registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/memory_registry.h"
#include "app/setting_state.h"
#include "app/tweak_messages.h"
#include "app/tweaks.h"
#include "unit/policy_keys.h"

namespace {

using namespace policy_keys;

TEST(AppTweakMessages, OutcomesBecomeTheSuccessTextOrTheSettingsAndReasons) {
    const SettingFailure denied{HKLM, tweak_keys::kWinlogon, "LegalNoticeText", RegStatus::AccessDenied};
    const SettingFailure missing{HKCU, tweak_keys::kIeMain, "Window Title", RegStatus::NotFound};
    const SettingFailure refused{HKCU, kExplorer, "NoClose", RegStatus::Failed};
    struct Case {
        TweakOutcome outcome;
        std::string apply;    // ApplyMessage with the title dialog's success text
        std::string restore;  // RestoreMessage
    };
    const std::vector<Case> cases = {
        {{}, "Title promenjen!", "Podaci uspesno vraceni u normalu"},
        {{denied},
         "Podesavanje NIJE promenjeno!\n\"LegalNoticeText\": pristup je odbijen, potrebna su administratorska prava",
         "Sledeca podesavanja NISU vracena u normalu:\n"
         "\"LegalNoticeText\": pristup je odbijen, potrebna su administratorska prava"},
        {{missing},
         "Podesavanje NIJE promenjeno!\n\"Window Title\": kljuc HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet "
         "Explorer\\Main ne postoji u registru",
         "Sledeca podesavanja NISU vracena u normalu:\n\"Window Title\": kljuc "
         "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet Explorer\\Main ne postoji u registru"},
        {{missing, refused},
         "Podesavanje NIJE promenjeno!\n\"Window Title\": kljuc HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet "
         "Explorer\\Main ne postoji u registru\n\"NoClose\": Windows je odbio upis",
         "Sledeca podesavanja NISU vracena u normalu:\n\"Window Title\": kljuc "
         "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet Explorer\\Main ne postoji u registru\n\"NoClose\": "
         "Windows je odbio upis"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApplyMessage(c.outcome, tweak_text::kTitleChanged), c.apply);
        EXPECT_EQ(RestoreMessage(c.outcome), c.restore);
    }
    EXPECT_FALSE(WriteAccessNote({}));
    EXPECT_EQ(WriteAccessNote({denied}), std::string(tweak_text::kNeedsAdministrator) +
                                             "\n\"LegalNoticeText\": pristup je odbijen, potrebna su "
                                             "administratorska prava");
    EXPECT_EQ(WriteAccessNote({missing})->rfind(tweak_text::kCannotWrite, 0), 0u);
    EXPECT_EQ(WriteAccessPanelNote({}), "");
    EXPECT_EQ(WriteAccessPanelNote({denied, denied}), tweak_text::kNeedsAdministrator);
    EXPECT_EQ(WriteAccessPanelNote({missing}), tweak_text::kCannotWrite);
}

TEST(AppTweakMessages, RestartReportsEveryOutcomeButAcceptance) {
    EXPECT_FALSE(RestartMessage(RestartResult::Accepted));
    EXPECT_EQ(RestartMessage(RestartResult::PrivilegeNotHeld),
              "Racunar NIJE restartovan: program nema pravo da ugasi racunar (SeShutdownPrivilege)!");
    EXPECT_EQ(RestartMessage(RestartResult::Refused), "Racunar NIJE restartovan: Windows je odbio zahtev za restart!");
}

class AppSettingState : public ::testing::Test {
protected:
    void SetUp() override {
        // The keys a fresh Windows has, without any of the tweaks' values.
        reg.PutValue(HKCU, tweak_keys::kIeMain, "Search Page", {kRegSz, {'x', 0}});
        reg.PutValue(HKLM, tweak_keys::kWinlogon, "Shell", {kRegSz, {'e', 0}});
        reg.PutValue(HKCU, kExplorer, "Other", {kRegDword, {0, 0, 0, 0}});
    }
    std::vector<SettingState> States() {
        std::vector<SettingState> states;
        for (int node = 0; node < kCatalogueSize; ++node) states.push_back(ReadSettingState(reg, node));
        return states;
    }
    MemoryRegistry reg;
};

using enum SettingState;

TEST_F(AppSettingState, EveryNodeReadsDefaultThenOnAfterItsTweakThenOffOrDefaultAfterRestore) {
    //                                  0     1        2        3     4        5        6     7        8
    const std::vector<SettingState> fresh = {None, Default, Default, None, Default, Default, None, Default, Default,
                                             //  9   10      11       12       13       14    15
                                             None, Default, Default, Default, Default, None, None};
    EXPECT_EQ(States(), fresh);
    const std::size_t keys = reg.KeyCount();
    EXPECT_EQ(reg.KeyCount(), keys);  // reading created nothing
    EXPECT_FALSE(reg.KeyExists(HKCU, kSystem));

    ApplyWindowTitle(reg, "Moj");
    ApplyStartPage(reg, "http://a/");
    SetTaskManagerPolicy(reg, 0);
    SetNoDispCPL(reg, 1);
    SetNoControlPanel(reg, 1);
    ApplyHideDesktop(reg);
    SetNoDrives(reg, 1);
    ApplyHideShutdown(reg);
    ApplyLogonNotice(reg, "Paznja\r\n", "");
    const std::vector<SettingState> applied = {None, On,   On, None, On, On, None, On,
                                               On,   None, On, On,   On, On, None, None};
    EXPECT_EQ(States(), applied);

    RestoreDefaults(reg, [](const std::string&) {});
    // DWORD zeros are an explicit "off"; the title and the notice are back at Windows' own; the start page stays.
    const std::vector<SettingState> restored = {None, Default, On,  None, Off, Off,     None, Off,
                                                Off,  None,    Off, Off,  Off, Default, None, None};
    EXPECT_EQ(States(), restored);
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST_F(AppSettingState, TextAndDwordValuesAndUnreadableKeysMapToAState) {
    struct Case {
        RegValue value;
        SettingState state;
    };
    const std::vector<Case> cases = {
        {{kRegSz, {'1', 0}}, On},        {{kRegSz, {'0', 0}}, Off},       {{kRegSz, {0}}, Off},
        {{kRegSz, {'1'}}, On},  // unterminated, as older builds wrote
        {{kRegDword, {0, 1, 0, 0}}, On}, {{kRegDword, {0, 0, 0, 0}}, Off}};
    for (const Case& c : cases) {
        reg.PutValue(HKCU, kExplorer, "NoDesktop", c.value);
        EXPECT_EQ(ReadSettingState(reg, 10), c.state) << static_cast<int>(c.state);
    }
    reg.DenyOpen(HKCU, kExplorer);
    EXPECT_EQ(ReadSettingState(reg, 10), Default);
}

TEST_F(AppSettingState, TheDescriptionPanelTextIsTheDescriptionThenTheStateAndANote) {
    EXPECT_EQ(DescribeNode(reg, 0), CatalogueAt(0)->description);
    EXPECT_EQ(DescribeNode(reg, 15), CatalogueAt(15)->description);
    SetNoDrives(reg, 1);
    EXPECT_EQ(DescribeNode(reg, 11), std::string(CatalogueAt(11)->description) + "\r\nTrenutno stanje: ukljuceno");
    EXPECT_EQ(DescribeNode(reg, 13, "N"),
              std::string(CatalogueAt(13)->description) + "\r\nTrenutno stanje: podrazumevano (nije podeseno)\r\nN");
    EXPECT_EQ(DescribeNode(reg, 99), "");
}

}  // namespace
