// Driving a test from inside a modal loop (a dialog box, a message box, a menu): a framework
// timer runs a step until it reports that it is done.
#pragma once

#include <functional>

#include "framework/win/timer.h"

namespace testing_support {

// Runs `step` from a framework timer (so it runs inside nested modal loops) until it returns true.
class TimerDriver {
public:
    explicit TimerDriver(std::function<bool()> step) : timer_(new TTimer(nullptr)) {
        timer_->SetInterval(20);
        timer_->OnTimer = [this, step](TObject*) {
            if (!done_ && step()) {
                done_ = true;
                timer_->SetEnabled(false);
            }
        };
    }
    TimerDriver(const TimerDriver&) = delete;
    TimerDriver& operator=(const TimerDriver&) = delete;
    ~TimerDriver() { timer_->Free(); }
    bool Done() const { return done_; }

private:
    TTimer* timer_;
    bool done_ = false;
};

}  // namespace testing_support
