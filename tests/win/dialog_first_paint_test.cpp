// A dialog opened while the skin manager runs is skinned before it is first shown: each of its
// windows gets one frame paint, the form's drawn by its form skin; and a control that shows its
// parent through takes what the parent shows now, not a picture kept from before.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "framework/win/framework.h"
#include "skin/form/win/skin_form.h"
#include "win/support/control_forms.h"
#include "win/support/message_pump.h"
#include "win/support/skin_soak.h"
#include "win/support/window_probe.h"

namespace {

// Every WM_NCPAINT the thread's windows are sent while it lives, per window, and whether the
// first one the watched form got went through its form skin.
class FramePaintLog {
public:
    FramePaintLog() : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &FramePaintLog::Hook, nullptr, GetCurrentThreadId())) {
        Current = this;
    }
    ~FramePaintLog() {
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
        Current = nullptr;
    }
    FramePaintLog(const FramePaintLog&) = delete;
    FramePaintLog& operator=(const FramePaintLog&) = delete;

    std::map<HWND, int> FramePaints;
    bool FormsFirstFramePaintSkinned = false;
    bool FormFramePainted = false;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent != nullptr && sent->message == WM_NCPAINT && Current != nullptr) {
            ++Current->FramePaints[sent->hwnd];
            if (!Current->FormFramePainted && testing_support::ClassOf(sent->hwnd) == L"TForm") {
                Current->FormFramePainted = true;
                Current->FormsFirstFramePaintSkinned = skin::win::TSkinForm::FromWindow(sent->hwnd) != nullptr;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline FramePaintLog* Current = nullptr;
    HHOOK hook_;
};

TEST(DialogFirstPaint, EachWindowOfASkinnedDialogGetsOneFramePaintTheFormsBySkin) {
    auto data = testing_support::ActiveMainSkinData("graphite");
    {
        FramePaintLog log;
        TForm* form = testing_support::CreateTwentyControlForm();
        form->Show();
        testing_support::PumpPendingMessages();
        const HWND window = form->Handle();
        ASSERT_NE(skin::win::TSkinForm::FromWindow(window), nullptr);
        EXPECT_TRUE(log.FormsFirstFramePaintSkinned) << "the system painted the frame before the skin was there";
        int windows = 0;
        for (const auto& [painted, count] : log.FramePaints) {
            if (painted != window && !IsChild(window, painted) && GetParent(painted) != window) continue;
            ++windows;
            EXPECT_EQ(count, 1) << testing_support::ClassOf(painted);
        }
        EXPECT_GE(windows, 21);  // the form and its twenty controls (and the scroll-bar overlays)
        delete form;
        testing_support::PumpPendingMessages();
    }
    testing_support::ReleaseMainSkinData(std::move(data));
}

// The check box shows the form through: after the form's colour changes and the form is painted
// again, the check box's background is the new colour.
TEST(DialogFirstPaint, AControlShowingItsParentThroughFollowsTheParentsChanges) {
    auto data = testing_support::ActiveMainSkinData("graphite");
    {
        auto* form = new TForm(nullptr);
        form->SetBounds(80, 80, 300, 200);
        auto* check = new TCheckBox(form);
        check->SetParent(form);
        check->SetBounds(20, 20, 220, 24);
        check->SetCaption("Shown through");
        form->Show();
        testing_support::PumpPendingMessages();
        ASSERT_NE(skin::win::TSkinForm::FromWindow(form->Handle()), nullptr);
        testing_support::Redraw(form->Handle());
        // Far right of the check box: no glyph, no text, only what the form shows there.
        const COLORREF before = testing_support::ClientPixel(check->Handle(), 215, 12);
        EXPECT_EQ(before, testing_support::ClientPixel(form->Handle(), 262, 32));
        for (const COLORREF colour : {RGB(200, 30, 40), RGB(20, 160, 60)}) {
            form->SetColor(TColor(colour));
            testing_support::Redraw(form->Handle());
            EXPECT_EQ(testing_support::ClientPixel(form->Handle(), 262, 32), colour);
            EXPECT_EQ(testing_support::ClientPixel(check->Handle(), 215, 12), colour)
                << "the check box kept an old picture of its parent";
        }
        delete form;
        testing_support::PumpPendingMessages();
    }
    testing_support::ReleaseMainSkinData(std::move(data));
}

}  // namespace
