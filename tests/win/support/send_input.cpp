#include "tests/win/support/send_input.h"

#include <thread>

#include "framework/win/application.h"
#include "tests/win/support/message_pump.h"

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

bool SendInputAndPump(std::vector<INPUT> inputs, const std::function<bool()>& done, bool throughApplication) {
    std::thread sender([inputs]() mutable {
        for (INPUT& input : inputs) {
            SendInput(1, &input, sizeof(INPUT));
            Sleep(15);
        }
    });
    bool result = false;
    if (throughApplication) {
        const DWORD start = GetTickCount();
        while (!(result = done()) && GetTickCount() - start < 3000) {
            Application->ProcessMessages();
            Sleep(5);
        }
    } else {
        result = PumpMessagesUntil(done, 3000);
    }
    sender.join();
    PumpMessagesFor(30);
    return result || done();
}

bool ClickAndPump(POINT screen, const std::function<bool()>& done) {
    return SendInputAndPump({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
                             MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)},
                            done);
}

}  // namespace testing_support
