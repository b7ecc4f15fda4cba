// Resizing a window whose skin has shaped corners: every size change rebuilds the window region
// from the edge images. Two sizes alternate, so no cached region can stand in for the work. The
// baseline is the same resize of the unskinned window.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;

void ResizeBackAndForth(benchmark::State& state, HWND window) {
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        SetWindowPos(window, nullptr, 0, 0, wide ? 820 : 800, wide ? 610 : 600, kResizeOnly);
    }
    testing_support::PumpPendingMessages();
}

void BM_region_rebuild_800x600_baseline(benchmark::State& state) {
    HWND window = testing_support::CreateFramedWindow(800, 600);
    ResizeBackAndForth(state, window);
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_region_rebuild_800x600_baseline)->Unit(benchmark::kMicrosecond);

void BM_region_rebuild_800x600(benchmark::State& state) {
    auto data = testing_support::HeldSkinData("graphite");
    HWND window = testing_support::CreateFramedWindow(800, 600);
    auto formSkin = testing_support::AttachFormSkin(*data, window);
    if (!formSkin->HasRegion()) state.SkipWithError("the skin gave the window no region");
    ResizeBackAndForth(state, window);
    formSkin.reset();
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_region_rebuild_800x600)->Unit(benchmark::kMicrosecond);

}  // namespace
