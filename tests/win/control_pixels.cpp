#include "control_pixels.h"

#include <atomic>

#include "base/win/dib_section.h"
#include "form_skin_fixture.h"
#include "support/message_pump.h"

namespace testing_support {

base::Bitmap ScreenOfWindow(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    base::win::DibSection dib(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(dib.Dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    base::Bitmap pixels = dib.Pixels();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) pixels.At(x, y) &= 0x00FFFFFFu;
    return pixels;
}

int CountMismatches(const base::Bitmap& screen, const base::Bitmap& expected, const RECT& skip) {
    int mismatches = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x) {
            const base::Pixel want = expected.At(x, y) & 0x00FFFFFFu;
            if (want == kUnpainted || (x >= skip.left && x < skip.right && y >= skip.top && y < skip.bottom)) continue;
            if (screen.Get(x, y, 0xFF000000u) != want) ++mismatches;
        }
    return mismatches;
}

void RunInput(const std::function<void()>& script) {
    std::atomic<bool> done{false};
    form_test::InputThread input([&] {
        script();
        done = true;
    });
    PumpMessagesUntil([&] { return done.load(); }, 15000);
    input.Join();
    PumpMessagesFor(100);
}

void ClickAt(POINT screen) {
    form_test::MoveMouseTo(screen);
    Sleep(30);
    form_test::MouseButton(true);
    Sleep(40);
    form_test::MouseButton(false);
    Sleep(80);
}

}  // namespace testing_support
