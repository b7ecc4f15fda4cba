// The manager's one pending whole-application action and its one-shot timer, with time
// kept abstract: the Win32 side owns the real timer, applies the TimerSetting it is given
// and calls Fire when the timer goes off.
#pragma once

#include <cstdint>
#include <optional>

#include "skin/manager/manager_types.h"

namespace skin::manager {

// Numbers are those the components request; other numbers are carried and do nothing.
enum class SkinAction : std::int32_t {
    Activate = 1,
    Deactivate = 2,
    SkinChanged = 3,
    FreeClosedFormSkins = 6,
};

// Milliseconds on any monotonic clock the caller chooses.
using Millis = std::int64_t;

inline constexpr unsigned kDefaultActionInterval = 250;

// The state the timer must be put in: first its interval (a running timer restarts only
// when the value differs), then whether it runs. A zero interval never fires.
struct TimerSetting {
    unsigned interval = kDefaultActionInterval;
    bool running = false;
};

struct RequestOutcome {
    // Set when the request acted at once instead of being queued: before the first window
    // activation, activate and deactivate only switch the manager's Enabled flag.
    std::optional<bool> enabled;
    TimerSetting timer;
};

struct DueAction {
    SkinAction action;
    SkinDataId requester;
    bool operator==(const DueAction&) const = default;
};

class PendingActions {
public:
    // Requests coalesce: the last action and requester replace earlier ones, and with an
    // unchanged interval they run when the first request was due.
    RequestOutcome Request(SkinAction action, unsigned interval, SkinDataId requester, std::int32_t managerState,
                           Millis now);

    // The timer went off: it stops, and the pending action is handed out (once) unless its
    // requester was forgotten meanwhile. The requester is cleared before the caller runs the
    // action, so a request made while it runs stays pending.
    std::optional<DueAction> Fire();

    // The requester is going away: drop its pending action and stop the timer, so the
    // action never runs on a freed component. Other requesters are not affected.
    TimerSetting Forget(SkinDataId requester);

    TimerSetting Timer() const { return {interval_, running_}; }
    // When the running timer is due; none while it is stopped.
    std::optional<Millis> DueAt() const;
    std::optional<SkinDataId> Requester() const { return requester_; }
    SkinAction Action() const { return action_; }

private:
    void SetInterval(unsigned interval, Millis now);
    void Start(Millis now);

    SkinAction action_ = SkinAction::Activate;
    std::optional<SkinDataId> requester_;
    unsigned interval_ = kDefaultActionInterval;
    bool running_ = false;
    Millis dueAt_ = 0;
};

}  // namespace skin::manager
