#include "framework/win/timer.h"

#include "framework/win/framework_context.h"
#include "framework/win/internal.h"

#include <map>

namespace {

std::map<UINT_PTR, TTimer*>& Timers() { return framework_internal::FrameworkContext::Current().timers; }

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() { KillIt(); }

void TTimer::BeforeDestruction() {
    KillIt();
    TComponent::BeforeDestruction();
}

void TTimer::KillIt() {
    if (id_ == 0) return;
    KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
}

void TTimer::UpdateTimer() {
    KillIt();
    if (!enabled_ || interval_ == 0 || Destroying()) return;
    id_ = SetTimer(nullptr, 0, interval_, &TTimer::TimerProc);
    if (id_ == 0) throw std::runtime_error("Not enough timers available");
    Timers()[id_] = this;
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == interval_) return;
    interval_ = value;
    UpdateTimer();
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    TTimer* timer = it->second;
    if (timer->OnTimer) framework_internal::Guarded(timer, [timer] { timer->OnTimer(timer); });
}

TPropList TTimer::Published() {
    return {
        propdef::Boolean<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
        propdef::Integer<TTimer>("Interval", &TTimer::Interval, &TTimer::SetInterval),
    };
}
