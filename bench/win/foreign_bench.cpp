// Programs nobody here wrote, skinned through skinrun: Wine's notepad started until its main
// window is painted, and its Find dialog opened until it is painted. The baselines are the same
// program started plain and the same dialog of the plain program.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>

#include "open_messages.h"
#include "skinengine.h"
#include "win/support/foreign_program.h"
#include "win/support/message_pump.h"
#include <commdlg.h>

namespace {

using foreign_program::Program;

constexpr wchar_t kProgram[] = L"notepad.exe";
constexpr wchar_t kTitle[] = L"Notepad";

Program Start(bool skinned) { return skinned ? Program::Skinned(L"graphite", kProgram) : Program::Plain(kProgram); }

// Painted: shown, skinned when it should be, nothing left to paint, and its thread idle again.
bool Painted(HWND window, bool skinned) {
    if (window == nullptr || !IsWindowVisible(window)) return false;
    if (skinned && !foreign_program::AnswersSkinned(window)) return false;
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored)) return false;
    return !GetUpdateRect(window, nullptr, FALSE);
}

bool WaitPainted(HWND window, bool skinned) {
    const DWORD start = GetTickCount();
    while (!Painted(window, skinned)) {
        if (GetTickCount() - start > 20000) return false;
        Sleep(1);
    }
    return true;
}

void Close(Program& program, HWND main) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit();
}

void SkinrunStart(benchmark::State& state, bool skinned) {
    for (auto _ : state) {
        Program program = Start(skinned);
        const HWND main = program.WaitForWindow(kTitle);
        if (!WaitPainted(main, skinned)) {
            state.SkipWithError("the main window was not painted");
            break;
        }
        state.PauseTiming();
        Close(program, main);
        state.ResumeTiming();
    }
}

void ForeignDialogOpen(benchmark::State& state, bool skinned) {
    static const UINT find = foreign_program::MenuCommandOf(kProgram, L"Search...");
    Program program = Start(skinned);
    const HWND main = program.WaitForWindow(kTitle);
    if (find == 0 || !WaitPainted(main, skinned)) {
        state.SkipWithError("no notepad, or no Find command in its menu");
        return;
    }
    for (auto _ : state) {
        PostMessageW(main, WM_COMMAND, find, 0);
        HWND dialog = nullptr;
        const DWORD start = GetTickCount();
        while ((dialog = foreign_program::FindProcessWindow(main, L"#32770")) == nullptr &&
               GetTickCount() - start < 10000)
            Sleep(1);
        if (!WaitPainted(dialog, skinned)) {
            state.SkipWithError("the Find dialog was not painted");
            break;
        }
        state.PauseTiming();
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        while (IsWindow(dialog) && IsWindowVisible(dialog)) Sleep(1);
        state.ResumeTiming();
    }
    Close(program, main);
}

// The same Find dialog of the common dialogs opened in this process, skinned through the plain
// entry: the messages its windows receive show where the time goes.
void CommonFindDialogOpen(benchmark::State& state, bool skinned) {
    if (skinned && SkinStartFile(L"" BUILT_SKINS_DIR "/graphite.skn") != SKIN_OK) {
        state.SkipWithError("the skin did not load");
        return;
    }
    HWND owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400, 300, nullptr,
                                 nullptr, nullptr, nullptr);
    FINDREPLACEW find = foreign_program::FindDialogRequest(owner);
    testing_support::PumpPendingMessages();
    bench_support::OpenMessageCounter counter;
    for (auto _ : state) {
        const HWND dialog = FindTextW(&find);
        testing_support::PumpPendingMessages();
        UpdateWindow(dialog);
        state.PauseTiming();
        const bench_support::OpenMessages counted = bench_support::OpenMessageCounter::Counted;
        DestroyWindow(dialog);
        testing_support::PumpPendingMessages();
        bench_support::OpenMessageCounter::Counted = counted;
        state.ResumeTiming();
    }
    bench_support::OpenMessageCounter::Report(state);
    DestroyWindow(owner);
    if (skinned) SkinStop();
}

void BM_common_find_dialog_open_baseline(benchmark::State& state) { CommonFindDialogOpen(state, false); }
BENCHMARK(BM_common_find_dialog_open_baseline)->Unit(benchmark::kMillisecond);

void BM_common_find_dialog_open(benchmark::State& state) { CommonFindDialogOpen(state, true); }
BENCHMARK(BM_common_find_dialog_open)->Unit(benchmark::kMillisecond);

void BM_skinrun_start_baseline(benchmark::State& state) { SkinrunStart(state, false); }
BENCHMARK(BM_skinrun_start_baseline)->Unit(benchmark::kMillisecond);

void BM_skinrun_start(benchmark::State& state) { SkinrunStart(state, true); }
BENCHMARK(BM_skinrun_start)->Unit(benchmark::kMillisecond);

void BM_foreign_dialog_open_baseline(benchmark::State& state) { ForeignDialogOpen(state, false); }
BENCHMARK(BM_foreign_dialog_open_baseline)->Unit(benchmark::kMillisecond);

void BM_foreign_dialog_open(benchmark::State& state) { ForeignDialogOpen(state, true); }
BENCHMARK(BM_foreign_dialog_open)->Unit(benchmark::kMillisecond);

}  // namespace
