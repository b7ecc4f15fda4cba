// The control walk and its list under Wine: skins whose windows went are freed once each (a list
// view's header skin with it), two walks never give a control a second skin (Skin3rd containers
// and embedded scroll bars, a bare extended combo), and failures of the skins' own work (a window
// that cannot be made, a skin that fails on a message or in painting) are skipped while the
// program's own failures still reach its error handling.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "gallery/win/ranges_showcase.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_range.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "support/control_forms.h"
#include "support/control_skins.h"
#include "support/message_pump.h"
#include "support/window_probe.h"

namespace {

using skin::win::TSkinControl;
using skin::win::TSkinForm;
using testing_support::SkinOf;

int SkinsOf(const TSkinForm& formSkin, const TControl* control) {
    int count = 0;
    for (const TSkinControl* skin : formSkin.ControlSkins())
        if (skin->SkinnedControl() == control) ++count;
    return count;
}

// Counts how often each watched component is freed.
class FreeWatcher : public TComponent {
public:
    FreeWatcher() : TComponent(nullptr) {}
    std::map<const TComponent*, int> Freed;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove) ++Freed[component];
    }
};

// The program's error handling, recording instead of showing a message box.
class ErrorLog {
public:
    ErrorLog() {
        Application->OnException = [this](TObject*, const std::exception& error) { Errors.push_back(error.what()); };
    }
    ~ErrorLog() { Application->OnException = nullptr; }
    ErrorLog(const ErrorLog&) = delete;
    ErrorLog& operator=(const ErrorLog&) = delete;
    std::vector<std::string> Errors;
};

template <class T>
T* Put(TWinControl* parent, TComponent* owner, int left, int top, int width, int height) {
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TEST(ControlsWalk, PurgeFreesAListViewSkinAndItsHeaderSkinOnceEach) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    auto* form = new TRangesForm(nullptr);
    form->Show();
    TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    auto* list = dynamic_cast<TWinControl*>(form->FindComponent("ListView"));
    ASSERT_NE(list, nullptr);
    auto* listSkin = dynamic_cast<skin::win::TSkinListView*>(SkinOf(*formSkin, list));
    ASSERT_NE(listSkin, nullptr);
    TSkinControl* headerSkin = listSkin->Header();
    ASSERT_NE(headerSkin, nullptr);
    FreeWatcher watcher;
    listSkin->FreeNotification(&watcher);
    headerSkin->FreeNotification(&watcher);

    list->SetParent(nullptr);  // the window goes, the control stays
    EXPECT_EQ(listSkin->LifeState(), TSkinControl::kWindowGone);
    EXPECT_EQ(headerSkin->LifeState(), TSkinControl::kWindowGone);
    formSkin->PurgeControlSkins();
    EXPECT_EQ(watcher.Freed[listSkin], 1);
    EXPECT_EQ(watcher.Freed[headerSkin], 1);
    for (const TSkinControl* skin : formSkin->ControlSkins()) EXPECT_NE(skin->LifeState(), TSkinControl::kWindowGone);

    // Put back, the list view is skinned again with a header skin on its new header.
    list->SetParent(form);
    formSkin->SkinControls();
    auto* again = dynamic_cast<skin::win::TSkinListView*>(SkinOf(*formSkin, list));
    ASSERT_NE(again, nullptr);
    ASSERT_NE(again->Header(), nullptr);
    EXPECT_EQ(again->Header()->Handle(), reinterpret_cast<HWND>(SendMessageW(list->Handle(), LVM_GETHEADER, 0, 0)));
    delete form;
    testing_support::PumpPendingMessages();
}

TEST(ControlsWalk, TwoWalksLeaveEveryControlOneSkin) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    data->SetSkin3rd({"TPanel=container", "TButton=Button", "TGroupBox=EmbedScrollbar"});
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 420, 300);
    auto* panel = Put<TPanel>(form, form, 10, 10, 180, 100);
    auto* button = Put<TButton>(panel, form, 10, 10, 90, 26);
    auto* group = Put<TGroupBox>(form, form, 200, 10, 200, 200);
    auto* memo = Put<TMemo>(group, form, 10, 20, 150, 80);
    auto* bar = Put<TScrollBar>(group, form, 10, 120, 150, 18);
    form->Show();
    TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    formSkin->SkinControls();
    formSkin->SkinControls();
    for (const TControl* control : std::vector<const TControl*>{button, memo, bar})
        EXPECT_EQ(SkinsOf(*formSkin, control), 1) << control->ClassName();
    delete form;
    testing_support::PumpPendingMessages();

    // A bare extended combo: its skin sits on the combo box inside it, once.
    data->SetSkin3rd({});
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_USEREX_CLASSES};
    InitCommonControlsEx(&init);
    form_test::TestWindow parent(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 300, 200);
    const HWND extended = CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 150,
                                          120, parent.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(extended, nullptr);
    const HWND inner = GetWindow(extended, GW_CHILD);
    ASSERT_NE(inner, nullptr);
    auto bare = form_test::AttachSkin(*data, parent.Handle());
    bare->SkinControls();
    bare->SkinControls();
    testing_support::PumpPendingMessages();
    int onInner = 0;
    for (const TSkinControl* skin : bare->ControlSkins())
        if (skin->Handle() == inner) ++onInner;
    EXPECT_EQ(onInner, 1);
    bare.reset();
}

// A control whose window can never be made.
class TUncreatable : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void CreateHandle() override { throw std::runtime_error("no window for this control"); }
};

// A control skin (as a program's OnSkinControl may supply) that fails on text changes and in
// every paint.
class TFailingSkin : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    int Paints = 0;

protected:
    bool BeforeProc(TMessage& message) override {
        if (message.Msg == WM_SETTEXT) throw std::runtime_error("skin fault on a message");
        return TSkinControl::BeforeProc(message);
    }
    void DrawControl(HDC, const RECT&) override {
        ++Paints;
        throw std::runtime_error("skin fault in painting");
    }
};

TEST(ControlsWalk, TheSkinsOwnFailuresAreSkippedAndTheProgramsGoOn) {
    Application->Initialize();
    ErrorLog log;
    auto data = form_test::LoadSkin("graphite");
    std::vector<TFailingSkin*> failing;
    data->OnSkinControl = [&](TComponent*, skin::win::TSkinData*, TComponent*, TComponent* control,
                              const std::string& controlClass, TComponent*& supplied) {
        if (controlClass != "TEDIT") return;
        failing.push_back(new TFailingSkin(control));
        supplied = failing.back();
    };
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 360, 200);
    form->Show();
    // Added to the shown form, its window fails at once and again whenever it is asked for.
    auto* uncreatable = new TUncreatable(form);
    EXPECT_THROW(uncreatable->SetParent(form), std::runtime_error);
    auto* edit = Put<TEdit>(form, form, 10, 10, 150, 22);
    auto* button = Put<TButton>(form, form, 10, 50, 90, 26);
    button->OnClick = [](TObject*) { throw std::runtime_error("Failed to set data for 'Start page'"); };
    TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(SkinsOf(*formSkin, uncreatable), 0);
    EXPECT_EQ(SkinsOf(*formSkin, button), 1);
    ASSERT_EQ(failing.size(), 1u);
    EXPECT_EQ(SkinOf(*formSkin, edit), failing.front());
    EXPECT_TRUE(log.Errors.empty());

    // The failing skin's paints are skipped, and the edit still takes its text.
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    testing_support::PumpPendingMessages();
    EXPECT_GT(failing.front()->Paints, 0);
    SetWindowTextW(edit->Handle(), L"www.example.rs");
    EXPECT_EQ(testing_support::TextOf(edit->Handle()), L"www.example.rs");
    EXPECT_EQ(SendMessageW(edit->Handle(), skin::win::SM_ISSKINNED, 0, 0), 1);
    EXPECT_TRUE(log.Errors.empty());

    // The same skin on a bare window of the system's class.
    const HWND bareEdit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 90, 150, 22,
                                          form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    auto* bareSkin = new TFailingSkin(formSkin);
    bareSkin->InitSkinHandle(bareEdit, data.get(), formSkin);
    RedrawWindow(bareEdit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SetWindowTextW(bareEdit, L"Pocetna");
    EXPECT_EQ(testing_support::TextOf(bareEdit), L"Pocetna");
    EXPECT_GT(bareSkin->Paints, 0);

    // The program's own failure, raised by the click the skin drives, reaches its handler.
    const LPARAM inside = MAKELPARAM(10, 10);
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, inside);
    testing_support::PumpPendingMessages();
    ASSERT_EQ(log.Errors.size(), 1u);
    EXPECT_EQ(log.Errors.front(), "Failed to set data for 'Start page'");
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
