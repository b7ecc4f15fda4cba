#include "skin/manager/manager_core.h"

namespace skin::manager {

TimerSetting SkinManagerCore::RemoveSkinData(SkinDataId id) {
    skinData_.Remove(id);
    return pending_.Forget(id);
}

RequestOutcome SkinManagerCore::RequestAction(SkinAction action, unsigned interval, SkinDataId requester,
                                              std::int32_t managerState, Millis now) {
    if (!skinData_.Contains(requester)) return {std::nullopt, pending_.Timer()};
    return pending_.Request(action, interval, requester, managerState, now);
}

std::optional<DueAction> SkinManagerCore::TimerFired() {
    auto due = pending_.Fire();
    if (due && !skinData_.Contains(due->requester)) return std::nullopt;
    return due;
}

}  // namespace skin::manager
