// Resizing a window whose skin has shaped corners: every size change rebuilds the window region
// from the edge images. Two sizes alternate, so no cached region can stand in for the work. The
// baseline is the same resize of the unskinned window that gives itself a rounded region of the
// new size: most of either is the system reshaping the window, ours adds cutting the edges.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;

void ResizeBackAndForth(benchmark::State& state, HWND window, bool roundCorners) {
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        const int width = wide ? 820 : 800;
        const int height = wide ? 610 : 600;
        SetWindowPos(window, nullptr, 0, 0, width, height, kResizeOnly);
        // The system owns a region once it is set.
        if (roundCorners) SetWindowRgn(window, CreateRoundRectRgn(0, 0, width + 1, height + 1, 12, 12), TRUE);
    }
    testing_support::PumpPendingMessages();
}

void BM_region_rebuild_800x600_baseline(benchmark::State& state) {
    HWND window = testing_support::CreateFramedWindow(800, 600);
    ResizeBackAndForth(state, window, true);
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_region_rebuild_800x600_baseline)->Unit(benchmark::kMicrosecond);

void BM_region_rebuild_800x600(benchmark::State& state) {
    auto data = testing_support::HeldSkinData("graphite");
    HWND window = testing_support::CreateFramedWindow(800, 600);
    auto formSkin = testing_support::AttachFormSkin(*data, window);
    if (!formSkin->HasRegion()) state.SkipWithError("the skin gave the window no region");
    ResizeBackAndForth(state, window, false);
    formSkin.reset();
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_region_rebuild_800x600)->Unit(benchmark::kMicrosecond);

}  // namespace
