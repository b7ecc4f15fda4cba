#pragma once
// A queue of steps run one per tick of a thread timer. Thread timers are
// dispatched by every message loop of the thread, modal ones included, so a
// step may open a modal window and the following steps act inside it while
// that step is still waiting for the window to close.

#include <functional>
#include <string>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class TimerSteps {
public:
    explicit TimerSteps(unsigned intervalMs = 15);
    ~TimerSteps();
    TimerSteps(const TimerSteps&) = delete;
    TimerSteps& operator=(const TimerSteps&) = delete;

    // Runs `action` once. The queue moves on before the action starts, so an
    // action that blocks in a modal loop lets the next steps run inside it.
    TimerSteps& Then(std::string name, std::function<void()> action);
    // Polls `condition` every tick until it holds; fails after `timeoutMs`.
    TimerSteps& WaitUntil(std::string name, std::function<bool()> condition, unsigned timeoutMs = 5000);

    // Starts ticking; after `deadlineMs` every unfinished run fails, also one
    // stuck in a modal loop that no step closes.
    void Start(unsigned deadlineMs = 60000);
    // Stops the timer; the remaining steps are not run.
    void Stop();
    bool Finished() const { return finished_; }
    bool Failed() const { return !failure_.empty(); }
    // What went wrong ("" when nothing): the step's name and the reason.
    const std::string& Failure() const { return failure_; }
    // Number of steps that have been started.
    std::size_t StepsStarted() const { return next_; }

    // Pumps this thread's messages until the steps finish (or fail) or
    // `timeoutMs` passes; returns whether they finished without failure.
    bool RunUntilFinished(unsigned timeoutMs = 20000);
    // True once that pump has taken a WM_QUIT off the queue (the program was
    // asked to end, e.g. by closing its main window).
    bool QuitReceived() const { return quitReceived_; }

    // Called once when the run fails, e.g. to end the modal loops a failed run
    // leaves open so that the caller regains control.
    std::function<void(const std::string& failure)> OnFailure;

private:
    struct Step {
        std::string name;
        std::function<void()> action;
        std::function<bool()> condition;
        unsigned timeoutMs = 0;
    };
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR id, DWORD);
    void Tick();
    void Fail(const std::string& reason);

    unsigned intervalMs_;
    UINT_PTR timer_ = 0;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    DWORD waitStarted_ = 0;
    DWORD started_ = 0;
    unsigned deadlineMs_ = 0;
    int runningActions_ = 0;
    bool waiting_ = false;
    bool finished_ = false;
    bool quitReceived_ = false;
    std::string failure_;
};
