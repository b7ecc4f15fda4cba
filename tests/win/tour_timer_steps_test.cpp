// The step runner the UI tests and the screenshot tour use: order, waiting,
// acting inside modal loops, and getting out of them when a run fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tour/win/timer_steps.h"
#include "framework/win/framework.h"

namespace {

TEST(TourTimerSteps, RunsActionsInOrderAndWaitsForConditions) {
    std::vector<std::string> log;
    int polls = 0;
    TimerSteps steps(1);
    steps.Then("a", [&] { log.push_back("a"); }).WaitUntil("third poll", [&] { return ++polls >= 3; }).Then("b", [&] {
        log.push_back("b");
    });
    EXPECT_TRUE(steps.RunUntilFinished());
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(polls, 3);
    EXPECT_EQ(steps.StepsStarted(), 3u);
    EXPECT_FALSE(steps.Failed());
}

TEST(TourTimerSteps, LaterStepsRunInsideTheModalLoopOfAnEarlierOne) {
    Application->Initialize();
    TForm* dialog = new TForm(Application);
    std::vector<std::string> log;
    TimerSteps steps(1);
    steps
        .Then("show modal",
              [&] {
                  log.push_back("open");
                  dialog->ShowModal();
                  log.push_back("returned");
              })
        .WaitUntil("shown", [&] { return dialog->HandleAllocated() && IsWindowVisible(dialog->Handle()); })
        .Then("inside", [&] {
            log.push_back("inside");
            dialog->SetModalResult(mrOk);
        });
    EXPECT_TRUE(steps.RunUntilFinished()) << steps.Failure();
    EXPECT_EQ(log, (std::vector<std::string>{"open", "inside", "returned"}));
    delete dialog;
}

TEST(TourTimerSteps, AFailedWaitReportsTheStepAndLetsTheCallerEndModalLoops) {
    Application->Initialize();
    TForm* dialog = new TForm(Application);
    bool returned = false;
    TimerSteps steps(1);
    steps.OnFailure = [&](const std::string&) { dialog->SetModalResult(mrCancel); };
    steps
        .Then("show modal",
              [&] {
                  dialog->ShowModal();
                  returned = true;
              })
        .WaitUntil(
            "never", [] { return false; }, 50);
    EXPECT_FALSE(steps.RunUntilFinished());
    EXPECT_TRUE(returned);
    EXPECT_EQ(steps.Failure(), "never: timed out");
    delete dialog;
}

TEST(TourTimerSteps, AnExceptionInAStepFailsTheRunInsteadOfEscapingTheTimer) {
    bool after = false;
    TimerSteps steps(1);
    steps.Then("throws", [] { throw std::runtime_error("boom"); }).Then("after", [&] { after = true; });
    EXPECT_FALSE(steps.RunUntilFinished());
    EXPECT_EQ(steps.Failure(), "throws: exception: boom");
    EXPECT_FALSE(after);
}

}  // namespace
