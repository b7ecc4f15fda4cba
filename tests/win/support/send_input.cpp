#include "tests/win/support/send_input.h"

namespace testing_support {

INPUT MouseInput(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    return input;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void MoveMouseTo(POINT screen) {
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    SendInput(1, &input, sizeof(input));
}

void MouseButton(bool down) {
    INPUT input = MouseInput(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendInput(1, &input, sizeof(input));
}

void Key(WORD virtualKey, bool down) {
    INPUT input = KeyInput(virtualKey, !down);
    SendInput(1, &input, sizeof(input));
}

void TapKey(WORD virtualKey) {
    Key(virtualKey, true);
    Key(virtualKey, false);
}

}  // namespace testing_support
