// Showing a dialog of twenty controls until every one of them has painted: skinned (form skin
// and control skins attached, as the skin manager does it) against the same dialog unskinned.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "win/support/control_forms.h"
#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

void DialogOpen(benchmark::State& state, bool skinned) {
    Application->Initialize();
    auto data = testing_support::HeldSkinData("graphite");
    for (auto _ : state) {
        TForm* form = testing_support::CreateTwentyControlForm();
        form->Show();
        if (skinned) testing_support::SkinFrameworkForm(*data, form);
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testing_support::PumpPendingMessages();
        state.PauseTiming();
        delete form;
        testing_support::PumpPendingMessages();
        state.ResumeTiming();
    }
}

void BM_dialog_open_baseline(benchmark::State& state) { DialogOpen(state, false); }
BENCHMARK(BM_dialog_open_baseline)->Unit(benchmark::kMillisecond);

void BM_dialog_open(benchmark::State& state) { DialogOpen(state, true); }
BENCHMARK(BM_dialog_open)->Unit(benchmark::kMillisecond);

}  // namespace
