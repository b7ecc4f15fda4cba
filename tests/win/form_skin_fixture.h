// Shared set-up of the form skin tests: a loaded skin, a real top-level window with its own
// message log, the form skin attached and applied, input sent from a second thread, and the
// window's pixels read back.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/win/dib_section.h"
#include "skin/data/win/skin_data.h"
#include "support/send_input.h"
#include "skin/form/win/skin_form.h"

namespace form_test {

// The skin packages built by the native tree.
std::unique_ptr<skin::win::TSkinData> LoadSkin(const std::string& name);

// A top-level window of our own class whose procedure records the messages it receives (after
// the form skin passed them on).
class TestWindow {
public:
    TestWindow(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, HWND owner = nullptr,
               HMENU menu = nullptr);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    bool Received(UINT message) const;
    int Count(UINT message) const;
    std::vector<MSG> Messages() const;
    void ClearLog();

private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<MSG> log_;
};

// The form skin attached to `window` and applied as the skin manager does it.
std::unique_ptr<skin::win::TSkinForm> AttachSkin(skin::win::TSkinData& skin, HWND window);

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
// Client area's top-left corner relative to the window's top-left corner.
POINT ClientOffset(HWND window);

// The whole window printed with its frame (WM_PRINT with PRF_NONCLIENT) into a 32-bit DIB.
base::win::DibSection PrintWindowPixels(HWND window);
// What is on the screen in the window's rectangle.
base::win::DibSection ScreenPixels(HWND window);
// Whether the screen shows frame `frame` of the caption button's picture where the button is:
// every opaque pixel of the frame (there is at least one) is there.
bool ScreenShowsButton(HWND window, const skin::form::CaptionButton& button, int frame = 1);

// Pixel of a skin image strip with the unused byte cleared.
std::uint32_t RgbOf(std::uint32_t pixel);

// Input sent from a second thread while the test thread pumps messages.
class InputThread {
public:
    explicit InputThread(std::function<void()> script);
    ~InputThread();
    void Join();

private:
    std::thread thread_;
};

using testing_support::Key;
using testing_support::MouseButton;
using testing_support::MoveMouseTo;
using testing_support::TapKey;
// Polls `condition` every `pollMs` (from the input thread, or any thread that need not pump);
// true when it held before the time ran out.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000, DWORD pollMs = 5);

}  // namespace form_test
