#include "open_messages.h"

namespace bench_support {

OpenMessages OpenMessageCounter::Counted;

namespace {

LRESULT CALLBACK CountOpenMessages(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam != 0) {
        OpenMessages& counted = OpenMessageCounter::Counted;
        switch (reinterpret_cast<const CWPSTRUCT*>(lParam)->message) {
            case WM_PAINT: ++counted.Paints; break;
            case WM_NCPAINT: ++counted.FramePaints; break;
            case WM_ERASEBKGND: ++counted.Erases; break;
            case WM_WINDOWPOSCHANGED: ++counted.Moves; break;
            case WM_NCCALCSIZE: ++counted.FrameCalcs; break;
            default: break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// WM_PAINT is posted, not sent: counted as the thread takes it from its queue.
LRESULT CALLBACK CountOpenPaints(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0 &&
        reinterpret_cast<const MSG*>(lParam)->message == WM_PAINT)
        ++OpenMessageCounter::Counted.Paints;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

OpenMessageCounter::OpenMessageCounter()
    : sent_(SetWindowsHookExW(WH_CALLWNDPROC, CountOpenMessages, nullptr, GetCurrentThreadId())),
      posted_(SetWindowsHookExW(WH_GETMESSAGE, CountOpenPaints, nullptr, GetCurrentThreadId())) {
    Counted = {};
}

OpenMessageCounter::~OpenMessageCounter() {
    if (sent_ != nullptr) UnhookWindowsHookEx(sent_);
    if (posted_ != nullptr) UnhookWindowsHookEx(posted_);
}

void OpenMessageCounter::Report(benchmark::State& state) {
    const auto perOpen = [](double count) { return benchmark::Counter(count, benchmark::Counter::kAvgIterations); };
    state.counters["paints"] = perOpen(Counted.Paints);
    state.counters["frame_paints"] = perOpen(Counted.FramePaints);
    state.counters["erases"] = perOpen(Counted.Erases);
    state.counters["moves"] = perOpen(Counted.Moves);
    state.counters["frame_calcs"] = perOpen(Counted.FrameCalcs);
}

}  // namespace bench_support
