// The part of the skin manager that needs no window: the registered components and the
// pending action, kept together so that unregistering a component always drops an action
// it has pending.
#pragma once

#include <cstdint>
#include <optional>

#include "skin/data/skin_data_settings.h"
#include "skin/manager/pending_action.h"
#include "skin/manager/skin_data_list.h"

namespace skin::manager {

class SkinManagerCore {
public:
    SkinDataId AddSkinData(skin::TSkinFormType formType) { return skinData_.Add(formType); }

    // The caller applies the returned timer setting: the timer stops when the component's
    // action was pending.
    TimerSetting RemoveSkinData(SkinDataId id);

    // A request from a component that is not registered is ignored (the timer is left as
    // it is), so that no action can be queued for a component already gone.
    RequestOutcome RequestAction(SkinAction action, unsigned interval, SkinDataId requester, std::int32_t managerState,
                                 Millis now);

    // The timer went off: the action to run and for whom, or nothing.
    std::optional<DueAction> TimerFired();

    const SkinDataList& SkinData() const { return skinData_; }
    const PendingActions& Pending() const { return pending_; }

private:
    SkinDataList skinData_;
    PendingActions pending_;
};

}  // namespace skin::manager
