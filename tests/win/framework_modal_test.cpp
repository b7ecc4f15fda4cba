// Modal forms, the information message dialog, the application's loop and error handler, timers.
#include "framework/win/framework.h"
#include "support/message_pump.h"
#include "support/timer_driver.h"
#include "support/window_probe.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using testing_support::PumpMessagesUntil;
using testing_support::PumpPendingMessages;
using testing_support::TimerDriver;

namespace {

using testing_support::ClassOf;
using testing_support::TextOf;

struct ChildSearch {
    std::wstring className;
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (ClassOf(hwnd) == search->className && (search->text.empty() || TextOf(hwnd) == search->text)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindChildWindow(HWND parent, const std::wstring& className, const std::wstring& text = L"") {
    ChildSearch search{className, text};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class TMainProbe : public TForm {
    T_CLASS(TMainProbe, TForm)
public:
    explicit TMainProbe(TComponent* owner) : TForm(owner) {
        OnCreate = [](TObject*) { throw std::runtime_error("create failed"); };
    }
};

class FrameworkModal : public ::testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
    void TearDown() override { PumpPendingMessages(); }
};

TEST_F(FrameworkModal, ShowModalDisablesOtherWindowsUntilModalResultIsSet) {
    TForm* owner = new TForm(nullptr);
    owner->SetCaption("Owner");
    owner->Show();
    TForm* dialog = new TForm(nullptr);
    dialog->SetCaption("Dialog");
    dialog->SetPosition(poScreenCenter);
    dialog->SetClientSize(200, 100);

    bool ownerDisabledDuringModal = false;
    bool dialogVisibleDuringModal = false;
    RECT during{};
    TimerDriver driver([&] {
        if (!dialog->Modal()) return false;
        ownerDisabledDuringModal = !IsWindowEnabled(owner->Handle());
        dialogVisibleDuringModal = IsWindowVisible(dialog->Handle()) != FALSE;
        GetWindowRect(dialog->Handle(), &during);
        dialog->SetModalResult(42);
        return true;
    });
    const TModalResult result = dialog->ShowModal();

    EXPECT_EQ(result, 42);
    EXPECT_TRUE(driver.Done());
    EXPECT_TRUE(ownerDisabledDuringModal);
    EXPECT_TRUE(dialogVisibleDuringModal);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_FALSE(dialog->Modal());
    // Centred on the work area with the requested client size.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((during.left + during.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((during.top + during.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_EQ(dialog->ClientWidth(), 200);
    EXPECT_EQ(dialog->ClientHeight(), 100);

    // Shown modally again: the same form works a second time; closing it cancels.
    TimerDriver closer([&] {
        if (!dialog->Modal()) return false;
        PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_THROW({ owner->ShowModal(); }, std::logic_error);  // already visible

    dialog->Free();
    owner->Free();
}

TEST_F(FrameworkModal, ShowMessageIsATMessageFormDismissedByItsOkButton) {
    std::wstring caption;
    std::wstring label;
    bool foundOk = false;
    bool okIsDefault = false;
    TimerDriver driver([&] {
        HWND dialog = FindWindowW(L"TMessageForm", nullptr);
        if (dialog == nullptr || !IsWindowVisible(dialog)) return false;
        caption = TextOf(dialog);
        auto* form = dynamic_cast<TMessageForm*>(FindControl(dialog));
        if (form != nullptr) label = WidenText(form->Message());
        HWND ok = FindChildWindow(dialog, L"TButton", L"OK");
        foundOk = ok != nullptr;
        if (ok == nullptr) return false;
        okIsDefault = (GetWindowLongPtrW(ok, GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
        SendMessageW(ok, BM_CLICK, 0, 0);
        return true;
    });
    ShowMessage("Pocetna strana promenjena!");
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(caption, L"Information");
    EXPECT_EQ(label, L"Pocetna strana promenjena!");
    EXPECT_TRUE(foundOk);
    EXPECT_TRUE(okIsDefault);
    EXPECT_EQ(FindWindowW(L"TMessageForm", nullptr), nullptr);  // freed after closing
}

TEST_F(FrameworkModal, EscapeAndEnterPressTheMessageDialogButton) {
    TimerDriver driver([&] {
        HWND dialog = FindWindowW(L"TMessageForm", nullptr);
        if (dialog == nullptr || !IsWindowVisible(dialog)) return false;
        HWND ok = FindChildWindow(dialog, L"TButton", L"OK");
        if (ok == nullptr || GetFocus() != ok) return false;
        PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 0);
        return true;
    });
    ShowMessage("Enter");
    EXPECT_TRUE(driver.Done());
}

TEST_F(FrameworkModal, ExceptionsInHandlersReachTheErrorHandlerAndTheProgramGoesOn) {
    TForm* form = new TForm(nullptr);
    auto* button = new TButton(form);
    button->SetParent(form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw std::runtime_error("Failed to set data for 'NoDrives'");
    };
    std::vector<std::string> errors;
    std::vector<TObject*> senders;
    Application->OnException = [&](TObject* sender, const std::exception& error) {
        senders.push_back(sender);
        errors.push_back(error.what());
    };
    form->Show();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    Application->OnException = nullptr;

    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "Failed to set data for 'NoDrives'");
    EXPECT_TRUE(IsWindow(button->Handle()));
    form->Free();
}

TEST_F(FrameworkModal, DefaultErrorHandlerShowsTheTextInAMessageBox) {
    std::wstring text;
    TimerDriver driver([&] {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (box == nullptr || !IsWindowVisible(box)) return false;
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::wstring t = TextOf(child);
            if (t.find(L"Invalid data type") != std::wstring::npos) text = t;
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    try {
        throw std::runtime_error("Invalid data type for 'RegisteredOwner'");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(text, L"Invalid data type for 'RegisteredOwner'");
}

TEST_F(FrameworkModal, RunEndsWhenTheMainFormClosesAndOnCreateErrorsAreHandled) {
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::exception& error) { errors.push_back(error.what()); };
    TMainProbe* mainForm = nullptr;
    Application->CreateForm(mainForm);
    TForm* second = nullptr;
    Application->CreateForm(second);
    ASSERT_NE(mainForm, nullptr);
    EXPECT_EQ(Application->MainForm(), mainForm);
    EXPECT_EQ(errors, std::vector<std::string>{"create failed"});
    EXPECT_TRUE(mainForm->HandleAllocated());
    EXPECT_TRUE(second->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    // Secondary forms are owned by the main form's window.
    EXPECT_EQ(GetWindow(second->Handle(), GW_OWNER), mainForm->Handle());

    bool mainVisible = false;
    TimerDriver driver([&] {
        mainVisible = IsWindowVisible(mainForm->Handle()) != FALSE;
        PostMessageW(mainForm->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    Application->Run();  // returns once the main form is closed
    Application->OnException = nullptr;
    EXPECT_TRUE(driver.Done());
    EXPECT_TRUE(mainVisible);
    EXPECT_TRUE(Application->Terminated());
    second->Free();
    mainForm->Free();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FrameworkModal, TimerFiresUntilDisabled) {
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        if (++ticks == 3) timer->SetEnabled(false);
    };
    EXPECT_TRUE(PumpMessagesUntil([&] { return ticks >= 3; }, 3000));
    testing_support::PumpMessagesFor(60);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(GetEnumProp(timer, "Enabled"), "False");
    EXPECT_EQ(GetIntProp(timer, "Interval"), 10);
    timer->Free();
}

TEST_F(FrameworkModal, ReleaseFreesTheFormAfterItsOwnHandlerReturns) {
    std::vector<std::string> log;
    TForm* form = new TForm(nullptr);
    form->OnDestroy = [&](TObject*) { log.push_back("destroyed"); };
    form->OnClose = [&](TObject*, TCloseAction& action) {
        log.push_back("closing");
        action = caFree;
    };
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [&](TObject*) {
        form->Close();  // frees later: this handler still runs inside the form
        log.push_back("handler done");
    };
    form->Show();
    HWND hwnd = form->Handle();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"closing", "handler done"}));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindow(hwnd); }, 2000));
    EXPECT_EQ(log, (std::vector<std::string>{"closing", "handler done", "destroyed"}));
    EXPECT_EQ(FindControl(hwnd), nullptr);
}

}  // namespace
