// Input as the system delivers a person's: mouse moves and buttons and keys through SendInput,
// sent from any thread.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace testing_support {

// One input record: a mouse event (`screen` for MOUSEEVENTF_ABSOLUTE moves) or a key going down
// or up, for callers that send a whole sequence with one SendInput.
INPUT MouseInput(DWORD flags, POINT screen = POINT{0, 0});
INPUT KeyInput(WORD key, bool up);

void MoveMouseTo(POINT screen);
void MouseButton(bool down);
void Key(WORD virtualKey, bool down);
void TapKey(WORD virtualKey);

// Sends `inputs` from a second thread, 15 ms apart, while this thread pumps its messages (through
// the framework application's ProcessMessages when `throughApplication`) until `done` holds, for
// at most 3 s; then dispatches for 30 ms more. Whether `done` held by then.
bool SendInputAndPump(std::vector<INPUT> inputs, const std::function<bool()>& done, bool throughApplication = false);
// A left click at a screen point sent that way.
bool ClickAndPump(POINT screen, const std::function<bool()>& done);

}  // namespace testing_support
