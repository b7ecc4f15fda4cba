#include "menu_cycles.h"

#include <string>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "message_pump.h"

namespace testing_support {

namespace {

struct CycleState {
    HHOOK Filter = nullptr;
    bool Painted = false;
    int Skinned = 0;
};
CycleState g_cycle;

// Inside the menu's own loop: once its window is shown, paint it now and end the menu.
LRESULT CALLBACK EndMenuOncePainted(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && !g_cycle.Painted) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu != nullptr && IsWindowVisible(menu)) {
            UpdateWindow(menu);
            g_cycle.Painted = true;
            if (SendMessageW(menu, 0x3504 /* SM_ISSKINNED */, 0, 0) == 1) ++g_cycle.Skinned;
            EndMenu();
        } else {
            PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
        }
    }
    return CallNextHookEx(g_cycle.Filter, code, wParam, lParam);
}

}  // namespace

MenuForm::MenuForm() {
    Application->Initialize();
    form_ = new TForm(nullptr);
    form_->SetBounds(100, 100, 300, 200);
    popup_ = new TPopupMenu(form_);
    const char* captions[] = {"Open", "Save", "Save as", "-", "Wrap lines", "Print", "-", "Export", "Close", "More"};
    for (const char* caption : captions) {
        auto* item = new TMenuItem(popup_);
        item->SetCaption(caption);
        popup_->Items()->Add(item);
    }
    popup_->Items()->Items(4)->SetChecked(true);
    popup_->Items()->Items(5)->SetEnabled(false);
    auto* deeper = new TMenuItem(popup_);
    deeper->SetCaption("Deeper");
    popup_->Items()->Items(9)->Add(deeper);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    PumpMessagesFor(300);  // a running skin manager skins the form on its activation
}

MenuForm::~MenuForm() {
    delete form_;
    PumpPendingMessages();
}

int MenuForm::OpenAndClose(int count) {
    int painted = 0;
    g_cycle.Skinned = 0;
    for (int i = 0; i < count; ++i) {
        g_cycle.Painted = false;
        g_cycle.Filter = SetWindowsHookExW(WH_MSGFILTER, EndMenuOncePainted, nullptr, GetCurrentThreadId());
        PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
        TrackPopupMenu(popup_->Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, 140, 140, 0, form_->Handle(), nullptr);
        UnhookWindowsHookEx(g_cycle.Filter);
        g_cycle.Filter = nullptr;
        PumpPendingMessages();
        painted += g_cycle.Painted ? 1 : 0;
    }
    skinnedWindows_ = g_cycle.Skinned;
    return painted;
}

}  // namespace testing_support
