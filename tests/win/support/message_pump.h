// Pumping the thread's messages in Windows tests.
#pragma once

#include <windows.h>

#include <functional>

namespace testing_support {

// Dispatches messages for `milliseconds`, sleeping in MsgWaitForMultipleObjects between them.
void PumpMessagesFor(DWORD milliseconds);

// Dispatches messages until `done` returns true or `timeoutMs` has passed; returns the last
// value of `done`. `done` is checked before the first wait and after every batch.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// As PumpMessagesUntil, through the framework application's own ProcessMessages (its dialog
// keys, hints and idle work), for tests of framework forms.
bool PumpApplicationUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Dispatches everything already queued (sent, posted, paint) without waiting.
void PumpPendingMessages();

}  // namespace testing_support
