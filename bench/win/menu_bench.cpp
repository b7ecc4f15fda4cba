// Opening a popup menu of ten items until its window has painted, then closing it: the skinned
// menu (popup skin and skinned items) against the same menu drawn by the system.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "framework/win/application.h"
#include "win/support/menu_cycles.h"
#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

void BM_menu_open_baseline(benchmark::State& state) {
    testing_support::MenuForm menu;
    menu.OpenAndClose(2);
    for (auto _ : state) {
        if (menu.OpenAndClose(1) != 1) state.SkipWithError("the menu did not paint");
    }
}
BENCHMARK(BM_menu_open_baseline)->Unit(benchmark::kMillisecond);

void BM_menu_open(benchmark::State& state) {
    auto data = testing_support::ActiveMainSkinData("graphite");
    {
        testing_support::MenuForm menu;
        menu.OpenAndClose(2);
        for (auto _ : state) {
            if (menu.OpenAndClose(1) != 1 || menu.SkinnedWindows() != 1)
                state.SkipWithError("the menu was not skinned");
        }
    }
    testing_support::ReleaseMainSkinData(std::move(data));
}
BENCHMARK(BM_menu_open)->Unit(benchmark::kMillisecond);

}  // namespace
