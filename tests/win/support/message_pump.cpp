#include "tests/win/support/message_pump.h"

#include "framework/win/application.h"

namespace testing_support {

namespace {

void DispatchQueued() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit request for whoever runs the real loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

void PumpPendingMessages() { DispatchQueued(); }

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        DispatchQueued();
        if (done && done()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return done ? done() : true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10, QS_ALLINPUT);
    }
}

void PumpMessagesFor(DWORD milliseconds) { PumpMessagesUntil(nullptr, milliseconds); }

bool PumpApplicationUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    bool finished = done();
    while (!finished && GetTickCount() - start < timeoutMs) {
        Application->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        finished = done();
    }
    return finished;
}

}  // namespace testing_support
