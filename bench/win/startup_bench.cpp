// From creating the main form, whose skin data component reads the stored skin, to the first
// paint of its frame: with skinning on, the first paint the form skin made; the baseline is the
// same form and component with skinning off, and the system's first frame paint.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"
#include "skin/manager/win/skin_manager.h"
#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"

namespace {

// Sees every message sent to the thread's windows once it was handled: the first WM_NCPAINT of
// the watched window that ran through a form skin (or any, when skinning is off) ends the wait.
class FirstFramePaint {
public:
    FirstFramePaint(HWND window, bool skinned) {
        watched_ = window;
        skinned_ = skinned;
        seen_ = false;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, &FirstFramePaint::Hook, nullptr, GetCurrentThreadId());
    }
    ~FirstFramePaint() {
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    }
    FirstFramePaint(const FirstFramePaint&) = delete;
    FirstFramePaint& operator=(const FirstFramePaint&) = delete;
    bool Seen() const { return seen_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && sent != nullptr && sent->hwnd == watched_ && sent->message == WM_NCPAINT &&
            (!skinned_ || skin::win::TSkinForm::FromWindow(watched_) != nullptr))
            seen_ = true;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND watched_ = nullptr;
    static inline bool skinned_ = false;
    static inline bool seen_ = false;
    HHOOK hook_ = nullptr;
};

TForm* CreateMainForm() {
    auto* form = new TForm(nullptr);
    form->SetCaption("Registry tweaks");
    form->SetBounds(40, 40, 800, 600);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Choose a tweak");
    label->SetBounds(16, 16, 300, 20);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("Apply");
    button->SetBounds(16, 520, 90, 26);
    return form;
}

void StartupToFirstFramePaint(benchmark::State& state, bool skinning) {
    Application->Initialize();
    const std::vector<std::uint8_t> stored = testing_support::StoredSkinStream("graphite");
    for (auto _ : state) {
        TForm* form = CreateMainForm();
        auto* data = new skin::win::TSkinData(form);
        data->SetLoading(true);
        data->SetSkinFormtype(skin::TSkinFormType::sfMainform);
        data->SetActive(skinning);
        data->ReadSkinStream(stored);
        data->Loaded();
        FirstFramePaint watch(form->Handle(), skinning);
        form->Show();
        if (!testing_support::PumpMessagesUntil([&] { return watch.Seen(); }))
            state.SkipWithError("the form's frame was not painted");

        state.PauseTiming();
        delete form;
        skin::win::FreeSkinManager();
        testing_support::PumpPendingMessages();
        state.ResumeTiming();
    }
}

void BM_startup_to_first_skinned_paint_baseline(benchmark::State& state) { StartupToFirstFramePaint(state, false); }
BENCHMARK(BM_startup_to_first_skinned_paint_baseline)->Unit(benchmark::kMillisecond);

void BM_startup_to_first_skinned_paint(benchmark::State& state) { StartupToFirstFramePaint(state, true); }
BENCHMARK(BM_startup_to_first_skinned_paint)->Unit(benchmark::kMillisecond);

}  // namespace
