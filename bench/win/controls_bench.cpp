// Control skins against the system's own drawing: showing a dialog of twenty controls until every
// one of them has painted, and moving a memo's scroll-bar thumb.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"
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

namespace {

// One thumb move over a 1,000-line memo: the memo scrolls to the thumb's line and repaints, and
// the bar follows (the system's own bar, or the skin's overlay).
void ScrollDragFrame(benchmark::State& state, bool skinned) {
    Application->Initialize();
    auto data = testing_support::HeldSkinData("graphite");
    auto* form = new TForm(nullptr);
    form->SetBounds(60, 60, 400, 400);
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(8, 8, 360, 340);
    memo->SetScrollBars(ssVertical);
    std::string text;
    for (int line = 0; line < 1000; ++line) text += "Line " + std::to_string(line) + " of the memo\r\n";
    memo->SetText(text);
    form->Show();
    if (skinned) testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    const HWND window = memo->Handle();
    int line = 0;
    for (auto _ : state) {
        line = (line + 37) % 960;
        SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, line), 0);
        UpdateWindow(window);
        testing_support::PumpPendingMessages();
    }
    SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    delete form;
    testing_support::PumpPendingMessages();
}

void BM_scroll_drag_frame_baseline(benchmark::State& state) { ScrollDragFrame(state, false); }
BENCHMARK(BM_scroll_drag_frame_baseline)->Unit(benchmark::kMicrosecond);

void BM_scroll_drag_frame(benchmark::State& state) { ScrollDragFrame(state, true); }
BENCHMARK(BM_scroll_drag_frame)->Unit(benchmark::kMicrosecond);

}  // namespace
