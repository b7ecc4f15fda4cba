// Leak soaks reported as counters: live GDI objects and windows after minus before 10,000 skinned
// frame paints, 1,000 open/close cycles of a skinned dialog, and 1,000 of the gallery's control
// page with every control skinned (all want 0). A first paint and
// a first cycle run before counting: what they create once (caches, the manager's timer) stays.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <utility>

#include "gallery/win/controls_showcase.h"
#include "win/support/control_forms.h"
#include "win/support/gui_objects.h"
#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

void BM_soak_frame_paints_10000(benchmark::State& state) {
    auto data = testing_support::HeldSkinData("graphite");
    HWND window = testing_support::CreateFramedWindow(800, 600);
    auto formSkin = testing_support::AttachFormSkin(*data, window);
    testing_support::PaintFrames(window, 1);
    int gdiGrowth = 0;
    int windowGrowth = 0;
    for (auto _ : state) {
        const int gdiBefore = testing_support::CountGdiObjects();
        const int windowsBefore = testing_support::CountThreadWindows();
        testing_support::PaintFrames(window, 10000);
        gdiGrowth = testing_support::CountGdiObjects() - gdiBefore;
        windowGrowth = testing_support::CountThreadWindows() - windowsBefore;
    }
    state.counters["gdi_growth_frame_paints"] = gdiGrowth;
    state.counters["window_growth_frame_paints"] = windowGrowth;
    formSkin.reset();
    DestroyWindow(window);
    testing_support::PumpPendingMessages();
}
BENCHMARK(BM_soak_frame_paints_10000)->Unit(benchmark::kMillisecond);

void BM_soak_dialog_cycles_1000(benchmark::State& state) {
    auto data = testing_support::ActiveMainSkinData("graphite");
    testing_support::CycleSkinnedDialogs(1);
    int gdiGrowth = 0;
    int windowGrowth = 0;
    int skinned = 0;
    for (auto _ : state) {
        const int gdiBefore = testing_support::CountGdiObjects();
        const int windowsBefore = testing_support::CountThreadWindows();
        skinned = testing_support::CycleSkinnedDialogs(1000);
        gdiGrowth = testing_support::CountGdiObjects() - gdiBefore;
        windowGrowth = testing_support::CountThreadWindows() - windowsBefore;
    }
    if (skinned != 1000) state.SkipWithError("a dialog was not skinned");
    state.counters["gdi_growth_dialog_cycles"] = gdiGrowth;
    state.counters["window_growth_dialog_cycles"] = windowGrowth;
    testing_support::ReleaseMainSkinData(std::move(data));
}
BENCHMARK(BM_soak_dialog_cycles_1000)->Unit(benchmark::kMillisecond);

void BM_soak_control_page_cycles_1000(benchmark::State& state) {
    auto data = testing_support::HeldSkinData("graphite");
    auto make = []() -> TForm* { return new TControlsForm(nullptr); };
    testing_support::CycleSkinnedControlForms(*data, 2, make);
    int gdiGrowth = 0;
    int windowGrowth = 0;
    int skinned = 0;
    for (auto _ : state) {
        const int gdiBefore = testing_support::CountGdiObjects();
        const int windowsBefore = testing_support::CountThreadWindows();
        skinned = testing_support::CycleSkinnedControlForms(*data, 1000, make);
        gdiGrowth = testing_support::CountGdiObjects() - gdiBefore;
        windowGrowth = testing_support::CountThreadWindows() - windowsBefore;
    }
    if (skinned != 1000) state.SkipWithError("a control page was not skinned");
    state.counters["gdi_growth_control_page_cycles"] = gdiGrowth;
    state.counters["window_growth_control_page_cycles"] = windowGrowth;
}
BENCHMARK(BM_soak_control_page_cycles_1000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
