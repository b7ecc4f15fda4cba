// The non-client paint of an 800x600 window: the system's own frame is the baseline, ours is a
// bare window of the same class and size with a form skin of the default skin attached.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

void BM_frame_paint_800x600_baseline(benchmark::State& state) {
    HWND window = testing_support::CreateFramedWindow(800, 600);
    for (auto _ : state) SendMessageW(window, WM_NCPAINT, 1, 0);
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_frame_paint_800x600_baseline);

void BM_frame_paint_800x600(benchmark::State& state) {
    auto data = testing_support::HeldSkinData("graphite");
    HWND window = testing_support::CreateFramedWindow(800, 600);
    auto formSkin = testing_support::AttachFormSkin(*data, window);
    if (skin::win::TSkinForm::FromWindow(window) == nullptr) state.SkipWithError("the form skin did not attach");
    for (auto _ : state) SendMessageW(window, WM_NCPAINT, 1, 0);
    formSkin.reset();
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_frame_paint_800x600);

}  // namespace
