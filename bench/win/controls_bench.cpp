// Control skins against the system's own drawing: showing a dialog of twenty controls until every
// one of them has painted, moving a memo's scroll-bar thumb, opening a combo box's list and
// switching a page control's page.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>

#include "framework/win/application.h"
#include "framework/win/combo_box.h"
#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"
#include "framework/win/tab_ctrls.h"
#include "open_messages.h"
#include "skin/data/win/skin_data.h"
#include "win/support/control_forms.h"
#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

// The dialog opens as the utility opens one: the skin manager (when running) skins it inside
// Show, before it is first shown; the figure ends when every window of it has painted.
void DialogOpen(benchmark::State& state, bool skinned) {
    Application->Initialize();
    auto data = skinned ? testing_support::ActiveMainSkinData("graphite") : nullptr;
    {
        bench_support::OpenMessageCounter counter;
        for (auto _ : state) {
            TForm* form = testing_support::CreateTwentyControlForm();
            form->Show();
            testing_support::PumpPendingMessages();
            state.PauseTiming();
            const bench_support::OpenMessages counted = bench_support::OpenMessageCounter::Counted;
            if (skinned && skin::win::TSkinForm::FromWindow(form->Handle()) == nullptr)
                state.SkipWithError("the dialog was not skinned");
            delete form;
            testing_support::PumpPendingMessages();
            bench_support::OpenMessageCounter::Counted = counted;  // the closing is not counted
            state.ResumeTiming();
        }
        bench_support::OpenMessageCounter::Report(state);
    }
    if (data) testing_support::ReleaseMainSkinData(std::move(data));
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

namespace {

// Opening a combo box's list until it has painted, and switching a page control's page until the
// new page has painted: skinned against the same controls unskinned.
struct ComboAndPages {
    explicit ComboAndPages(skin::win::TSkinData* data) {
        form = new TForm(nullptr);
        form->SetBounds(60, 60, 420, 320);
        combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 180, 24);
        combo->SetStyle(csDropDownList);
        for (int i = 0; i < 20; ++i) combo->Items()->Add("Item " + std::to_string(i));
        combo->SetItemIndex(0);
        pages = new TPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(10, 50, 380, 220);
        for (int i = 0; i < 3; ++i) {
            auto* sheet = new TTabSheet(form);
            sheet->SetPageControl(pages);
            sheet->SetCaption("Page " + std::to_string(i));
            auto* button = new TButton(form);
            button->SetParent(sheet);
            button->SetBounds(10, 10, 90, 25);
            button->SetCaption("Button");
        }
        form->Show();
        if (data != nullptr) testing_support::SkinFrameworkForm(*data, form);
        testing_support::PumpPendingMessages();
    }
    ~ComboAndPages() {
        delete form;
        testing_support::PumpPendingMessages();
    }
    TForm* form;
    TComboBox* combo;
    TPageControl* pages;
};

void ComboDropDown(benchmark::State& state, bool skinned) {
    Application->Initialize();
    auto data = testing_support::HeldSkinData("graphite");
    ComboAndPages controls(skinned ? data.get() : nullptr);
    const HWND combo = controls.combo->Handle();
    for (auto _ : state) {
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        GetComboBoxInfo(combo, &info);
        UpdateWindow(info.hwndList);
        UpdateWindow(combo);
        state.PauseTiming();
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        testing_support::PumpPendingMessages();
        state.ResumeTiming();
    }
}

void BM_combo_dropdown_baseline(benchmark::State& state) { ComboDropDown(state, false); }
BENCHMARK(BM_combo_dropdown_baseline)->Unit(benchmark::kMicrosecond);

void BM_combo_dropdown(benchmark::State& state) { ComboDropDown(state, true); }
BENCHMARK(BM_combo_dropdown)->Unit(benchmark::kMicrosecond);

void TabSwitch(benchmark::State& state, bool skinned) {
    Application->Initialize();
    auto data = testing_support::HeldSkinData("graphite");
    ComboAndPages controls(skinned ? data.get() : nullptr);
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % 3;
        controls.pages->SetActivePageIndex(page);
        RedrawWindow(controls.pages->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void BM_tab_switch_baseline(benchmark::State& state) { TabSwitch(state, false); }
BENCHMARK(BM_tab_switch_baseline)->Unit(benchmark::kMicrosecond);

void BM_tab_switch(benchmark::State& state) { TabSwitch(state, true); }
BENCHMARK(BM_tab_switch)->Unit(benchmark::kMicrosecond);

}  // namespace
