#include "tour/win/timer_steps.h"

#include <exception>
#include <map>

namespace {

// Never destroyed: a runner that lives in a static may stop after this
// translation unit's statics are gone.
std::map<UINT_PTR, TimerSteps*>& Runners() {
    static auto* runners = new std::map<UINT_PTR, TimerSteps*>;
    return *runners;
}

}  // namespace

TimerSteps::TimerSteps(unsigned intervalMs) : intervalMs_(intervalMs) {}

TimerSteps::~TimerSteps() { Stop(); }

TimerSteps& TimerSteps::Then(std::string name, std::function<void()> action) {
    steps_.push_back(Step{std::move(name), std::move(action), {}, 0});
    return *this;
}

TimerSteps& TimerSteps::WaitUntil(std::string name, std::function<bool()> condition, unsigned timeoutMs) {
    steps_.push_back(Step{std::move(name), {}, std::move(condition), timeoutMs});
    return *this;
}

void TimerSteps::Start(unsigned deadlineMs) {
    if (timer_ || finished_) return;
    started_ = GetTickCount();
    deadlineMs_ = deadlineMs;
    finished_ = steps_.empty();
    if (finished_) return;
    timer_ = SetTimer(nullptr, 0, intervalMs_, OnTick);
    if (!timer_) {
        Fail("SetTimer failed");
        return;
    }
    Runners()[timer_] = this;
}

void TimerSteps::Stop() {
    if (!timer_) return;
    KillTimer(nullptr, timer_);
    Runners().erase(timer_);
    timer_ = 0;
}

void TimerSteps::Fail(const std::string& reason) {
    const std::string where = next_ > 0 && next_ <= steps_.size() ? steps_[next_ - 1].name : std::string("start");
    const bool first = failure_.empty();
    if (first) failure_ = where + ": " + reason;
    finished_ = true;
    Stop();
    if (first && OnFailure) OnFailure(failure_);
}

void CALLBACK TimerSteps::OnTick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = Runners().find(id);
    if (it != Runners().end()) it->second->Tick();
}

void TimerSteps::Tick() {
    if (finished_) return;
    if (GetTickCount() - started_ > deadlineMs_) {
        Fail("the run passed its deadline");
        return;
    }
    if (waiting_) {
        // A condition is being polled: step `next_ - 1`.
        const Step& step = steps_[next_ - 1];
        bool holds = false;
        try {
            holds = step.condition();
        } catch (const std::exception& e) {
            Fail(std::string("exception: ") + e.what());
            return;
        }
        if (!holds) {
            if (GetTickCount() - waitStarted_ > step.timeoutMs) Fail("timed out");
            return;
        }
        waiting_ = false;
    }
    if (next_ >= steps_.size()) {
        // Done once no action is still blocked in a loop further up the stack.
        if (runningActions_ == 0) {
            finished_ = true;
            Stop();
        }
        return;
    }
    const std::size_t index = next_++;
    if (steps_[index].condition) {
        waiting_ = true;
        waitStarted_ = GetTickCount();
        return;  // first poll on the next tick
    }
    // Copy: the action may run nested ticks that touch the queue.
    const std::function<void()> action = steps_[index].action;
    ++runningActions_;
    try {
        action();
    } catch (const std::exception& e) {
        Fail(std::string("exception: ") + e.what());
    }
    --runningActions_;
}

bool TimerSteps::RunUntilFinished(unsigned timeoutMs) {
    Start(timeoutMs);
    const DWORD started = GetTickCount();
    while (!finished_) {
        if (GetTickCount() - started > timeoutMs) {
            Fail("the steps did not finish in time");
            break;
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quitReceived_ = true;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!finished_) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return finished_ && failure_.empty();
}
