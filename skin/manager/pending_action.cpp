#include "skin/manager/pending_action.h"

namespace skin::manager {

RequestOutcome PendingActions::Request(SkinAction action, unsigned interval, SkinDataId requester,
                                       std::int32_t managerState, Millis now) {
    action_ = action;
    requester_ = requester;
    SetInterval(interval, now);

    RequestOutcome outcome;
    if (managerState == kStateNoWindowActivated) {
        // Nothing is skinned yet, so there is nothing to sweep: the flag decides what the
        // first activation will do.
        if (action == SkinAction::Activate) outcome.enabled = true;
        if (action == SkinAction::Deactivate) outcome.enabled = false;
        requester_.reset();
    } else {
        Start(now);
    }
    outcome.timer = Timer();
    return outcome;
}

std::optional<DueAction> PendingActions::Fire() {
    running_ = false;
    if (!requester_) return std::nullopt;
    const DueAction due{action_, *requester_};
    requester_.reset();
    return due;
}

TimerSetting PendingActions::Forget(SkinDataId requester) {
    if (requester_ == requester) {
        requester_.reset();
        running_ = false;
    }
    return Timer();
}

std::optional<Millis> PendingActions::DueAt() const {
    if (!running_) return std::nullopt;
    return dueAt_;
}

void PendingActions::SetInterval(unsigned interval, Millis now) {
    if (interval == interval_) return;
    interval_ = interval;
    if (!running_) return;
    if (interval_ == 0) {
        running_ = false;
    } else {
        dueAt_ = now + interval_;
    }
}

void PendingActions::Start(Millis now) {
    if (running_ || interval_ == 0) return;
    running_ = true;
    dueAt_ = now + interval_;
}

}  // namespace skin::manager
