// The non-client paint of an 800x600 window: the system's own frame (the baseline) now; the
// skinned frame is measured against it by form_skin benchmarks.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "win/support/message_pump.h"

namespace {

HWND CreateFramedWindow() {
    HWND window = CreateWindowExW(0, L"STATIC", L"Benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 800, 600,
                                  nullptr, nullptr, nullptr, nullptr);
    testing_support::PumpPendingMessages();
    return window;
}

void BM_frame_paint_800x600_baseline(benchmark::State& state) {
    HWND window = CreateFramedWindow();
    for (auto _ : state) SendMessageW(window, WM_NCPAINT, 1, 0);
    DestroyWindow(window);
}
BENCHMARK(BM_frame_paint_800x600_baseline);

}  // namespace
