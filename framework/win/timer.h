// TTimer: calls OnTimer every Interval milliseconds while Enabled.
#pragma once

#include "framework/component.h"
#include "framework/win/types.h"

class TTimer : public TComponent {
    T_CLASS_PUBLISHED(TTimer, TComponent)
public:
    // Enabled, 1000 ms.
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    // A different interval restarts the countdown; the same one leaves it running.
    void SetInterval(unsigned value);
    TNotifyEvent OnTimer;

    static TPropList Published();

protected:
    void BeforeDestruction() override;

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
    void UpdateTimer();
    void KillIt();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};
