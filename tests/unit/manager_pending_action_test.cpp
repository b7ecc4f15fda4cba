// The pending whole-application action: coalescing on the one-shot timer, requests before
// the first activation, and requesters that go away while their action waits.
#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <vector>

#include "skin/manager/manager_core.h"

namespace {

using skin::TSkinFormType;
using skin::manager::kStateNoWindowActivated;
using skin::manager::kStateRunning;
using skin::manager::Millis;
using skin::manager::SkinAction;
using skin::manager::SkinDataId;
using skin::manager::SkinManagerCore;

struct ActionRun {
    Millis at;
    SkinAction action;
    SkinDataId requester;
    bool operator==(const ActionRun&) const = default;
};

// Drives the core the way the Win32 side does, with a simulated clock standing in for the
// message loop's timer.
struct Driver {
    SkinManagerCore core;
    std::int32_t state = kStateRunning;
    Millis now = 0;
    std::optional<bool> enabled;
    std::vector<ActionRun> runs;

    void Request(Millis at, SkinAction action, unsigned interval, SkinDataId who) {
        AdvanceTo(at);
        const auto outcome = core.RequestAction(action, interval, who, state, now);
        if (outcome.enabled) enabled = outcome.enabled;
    }

    void AdvanceTo(Millis t) {
        while (const auto due = core.Pending().DueAt()) {
            if (*due > t) break;
            now = *due;
            if (const auto action = core.TimerFired()) runs.push_back({now, action->action, action->requester});
        }
        now = t;
    }
};

struct Step {
    Millis at;
    SkinAction action;
    unsigned interval;
};

struct CoalesceCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::pair<Millis, SkinAction>> expected;
    friend void PrintTo(const CoalesceCase& c, std::ostream* os) { *os << c.name; }
};

class ManagerPendingActionCoalescing : public testing::TestWithParam<CoalesceCase> {};

TEST_P(ManagerPendingActionCoalescing, RunsOnlyTheLastRequestAtTheRightTime) {
    Driver d;
    const auto who = d.core.AddSkinData(TSkinFormType::sfMainform);
    for (const Step& s : GetParam().steps) d.Request(s.at, s.action, s.interval, who);
    d.AdvanceTo(10'000);

    std::vector<std::pair<Millis, SkinAction>> got;
    for (const ActionRun& r : d.runs) got.emplace_back(r.at, r.action);
    EXPECT_EQ(got, GetParam().expected);
}

constexpr auto kActivate = SkinAction::Activate;
constexpr auto kDeactivate = SkinAction::Deactivate;
constexpr auto kChanged = SkinAction::SkinChanged;

INSTANTIATE_TEST_SUITE_P(
    Sequences, ManagerPendingActionCoalescing,
    testing::Values(
        CoalesceCase{"SingleRequest", {{0, kActivate, 250}}, {{250, kActivate}}},
        CoalesceCase{"SameIntervalKeepsFirstDueTime",
                     {{0, kActivate, 250}, {100, kDeactivate, 250}, {200, kChanged, 250}},
                     {{250, kChanged}}},
        CoalesceCase{"OtherIntervalRestartsCountdown", {{0, kActivate, 250}, {100, kChanged, 500}}, {{600, kChanged}}},
        CoalesceCase{"IntervalChangedOnceThenKept",
                     {{0, kActivate, 250}, {100, kChanged, 500}, {200, kDeactivate, 500}},
                     {{600, kDeactivate}}},
        CoalesceCase{"RequestAfterFiringStartsAfresh",
                     {{0, kActivate, 250}, {300, kDeactivate, 250}},
                     {{250, kActivate}, {550, kDeactivate}}},
        CoalesceCase{"RequestAtTheDueMomentRunsTheEarlierFirst",
                     {{0, kActivate, 250}, {250, kChanged, 250}},
                     {{250, kActivate}, {500, kChanged}}},
        CoalesceCase{"ZeroIntervalHoldsTheActionUntilTheNextRequest",
                     {{0, kActivate, 250}, {100, kDeactivate, 0}, {1000, kChanged, 250}},
                     {{1250, kChanged}}},
        CoalesceCase{"UnknownActionIsCarried", {{0, SkinAction{7}, 250}}, {{250, SkinAction{7}}}}),
    [](const testing::TestParamInfo<CoalesceCase>& info) { return info.param.name; });

TEST(ManagerPendingActionCoalescing, LastRequesterWins) {
    Driver d;
    const auto a = d.core.AddSkinData(TSkinFormType::sfMainform);
    const auto b = d.core.AddSkinData(TSkinFormType::sfOnlyThisForm);
    d.Request(0, kActivate, 250, a);
    d.Request(50, kDeactivate, 250, b);
    d.AdvanceTo(1000);
    EXPECT_EQ(d.runs, (std::vector<ActionRun>{{250, kDeactivate, b}}));
}

struct EarlyCase {
    SkinAction action;
    std::optional<bool> enabled;
    friend void PrintTo(const EarlyCase& c, std::ostream* os) { *os << "action " << static_cast<int>(c.action); }
};

class ManagerPendingActionBeforeActivation : public testing::TestWithParam<EarlyCase> {};

TEST_P(ManagerPendingActionBeforeActivation, OnlySwitchesEnabledAndStartsNoTimer) {
    Driver d;
    d.state = kStateNoWindowActivated;
    const auto who = d.core.AddSkinData(TSkinFormType::sfMainform);
    const auto outcome = d.core.RequestAction(GetParam().action, 250, who, d.state, 0);
    EXPECT_EQ(outcome.enabled, GetParam().enabled);
    EXPECT_FALSE(outcome.timer.running);
    EXPECT_EQ(d.core.Pending().DueAt(), std::nullopt);

    // nothing left behind runs once windows are being activated
    d.state = kStateRunning;
    d.AdvanceTo(5000);
    EXPECT_TRUE(d.runs.empty());
}

INSTANTIATE_TEST_SUITE_P(Actions, ManagerPendingActionBeforeActivation,
                         testing::Values(EarlyCase{kActivate, true}, EarlyCase{kDeactivate, false},
                                         EarlyCase{kChanged, std::nullopt},
                                         EarlyCase{SkinAction::FreeClosedFormSkins, std::nullopt}));

TEST(ManagerPendingActionRequesterGone, UnregisteringDropsItsPendingActionAndStopsTheTimer) {
    Driver d;
    const auto who = d.core.AddSkinData(TSkinFormType::sfMainform);
    d.Request(0, kActivate, 250, who);
    d.AdvanceTo(100);
    const auto timer = d.core.RemoveSkinData(who);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(d.core.Pending().Requester(), std::nullopt);
    // a timer message already queued by Windows must not run anything either
    EXPECT_EQ(d.core.TimerFired(), std::nullopt);
    d.AdvanceTo(10'000);
    EXPECT_TRUE(d.runs.empty());
}

TEST(ManagerPendingActionRequesterGone, OtherComponentsActionSurvives) {
    Driver d;
    const auto a = d.core.AddSkinData(TSkinFormType::sfMainform);
    const auto b = d.core.AddSkinData(TSkinFormType::sfMainform);
    d.Request(0, kChanged, 250, b);
    d.AdvanceTo(100);
    EXPECT_TRUE(d.core.RemoveSkinData(a).running);
    d.AdvanceTo(1000);
    EXPECT_EQ(d.runs, (std::vector<ActionRun>{{250, kChanged, b}}));
}

TEST(ManagerPendingActionRequesterGone, RequestFromUnregisteredComponentIsIgnored) {
    Driver d;
    const auto live = d.core.AddSkinData(TSkinFormType::sfMainform);
    const auto gone = d.core.AddSkinData(TSkinFormType::sfMainform);
    d.core.RemoveSkinData(gone);
    d.Request(0, kActivate, 250, live);
    d.Request(100, kDeactivate, 500, gone);
    d.AdvanceTo(1000);
    EXPECT_EQ(d.runs, (std::vector<ActionRun>{{250, kActivate, live}}));
}

TEST(ManagerPendingActionReentry, RequestMadeWhileAnActionRunsStaysPending) {
    Driver d;
    const auto who = d.core.AddSkinData(TSkinFormType::sfMainform);
    d.Request(0, kActivate, 250, who);
    const auto due = d.core.TimerFired();
    ASSERT_TRUE(due.has_value());
    // the skin-changed notification of the action just taken asks for another one
    d.core.RequestAction(kDeactivate, 250, who, kStateRunning, 250);
    EXPECT_EQ(d.core.Pending().Requester(), who);
    EXPECT_EQ(d.core.Pending().DueAt(), 500);
    EXPECT_EQ(d.core.TimerFired()->action, kDeactivate);
    EXPECT_EQ(d.core.TimerFired(), std::nullopt);
}

}  // namespace
