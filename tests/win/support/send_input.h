// Input as the system delivers a person's: mouse moves and buttons and keys through SendInput,
// sent from any thread.
#pragma once

#include <windows.h>

namespace testing_support {

// One input record: a mouse event (`screen` for MOUSEEVENTF_ABSOLUTE moves) or a key going down
// or up, for callers that send a whole sequence with one SendInput.
INPUT MouseInput(DWORD flags, POINT screen = POINT{0, 0});
INPUT KeyInput(WORD key, bool up);

void MoveMouseTo(POINT screen);
void MouseButton(bool down);
void Key(WORD virtualKey, bool down);
void TapKey(WORD virtualKey);

}  // namespace testing_support
