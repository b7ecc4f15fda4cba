// Which real windows the skin manager gives a form skin, asked directly and through its thread
// CBT hook: the facts it reads from Windows and the framework, and what it does with a yes.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"
#include "support/message_pump.h"

using skin::TSkinFormType;
using skin::win::SkinManager;
using skin::win::TSkinData;
using skin::win::TSkinForm;
using skin_test::TestWindow;

namespace {

class ManagerFormSkin : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        data_ = skin_test::LoadedSkinData(nullptr, TSkinFormType::sfMainform);
        ASSERT_FALSE(data_->SkinEmpty());
        ASSERT_NE(SkinManager, nullptr);
        SkinManager->Enabled = true;
        SkinManager->State = 1;
    }
    void TearDown() override {
        for (TForm* form : forms_) form->Free();
        delete data_;
        skin::win::FreeSkinManager();
        testing_support::PumpPendingMessages();
    }
    TForm* NewForm() {
        auto* form = new TForm(nullptr);
        form->SetBounds(60, 60, 240, 160);
        forms_.push_back(form);
        return form;
    }
    TSkinData* data_ = nullptr;
    std::vector<TForm*> forms_;
};

TEST_F(ManagerFormSkin, PlainWindowOfThisModuleGetsAFormSkinWithItsControlsAtOnce) {
    TestWindow window({});
    const HWND button = CreateWindowExW(0, L"Button", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 4, 4, 80, 24,
                                        window.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(SkinManager->AddFormSkin(window.Get()));

    ASSERT_EQ(SkinManager->FormSkins().size(), 1u);
    TSkinForm* skin = SkinManager->FormSkins()[0];
    EXPECT_EQ(skin->Handle, window.Get());
    EXPECT_EQ(skin->SkinDataOwner, SkinManager->Module);
    EXPECT_EQ(skin->Owner(), nullptr);  // a bare window: no framework form owns it
    EXPECT_EQ(skin->SkinData(), data_);
    EXPECT_EQ(SkinManager->FindFormSkin(window.Get()), skin);
    // Its controls are skinned before it first paints: no request is left for later.
    EXPECT_EQ(SendMessageW(button, skin::win::SM_ISSKINNED, 0, 0), 1);
    EXPECT_FALSE(skin_test::TakeSkinControlsRequest(window.Get()));

    // Asked again, nothing changes and nothing more is posted.
    EXPECT_FALSE(SkinManager->AddFormSkin(window.Get()));
    EXPECT_EQ(SkinManager->FormSkins().size(), 1u);
    EXPECT_FALSE(skin_test::TakeSkinControlsRequest(window.Get()));
}

TEST_F(ManagerFormSkin, FrameworkFormsSkinIsOwnedByTheForm) {
    TForm* form = NewForm();
    ASSERT_TRUE(SkinManager->AddFormSkin(form->Handle()));
    ASSERT_EQ(SkinManager->FormSkins().size(), 1u);
    EXPECT_EQ(SkinManager->FormSkins()[0]->Owner(), form);
    EXPECT_TRUE(skin_test::TakeSkinControlsRequest(form->Handle()));
}

TEST_F(ManagerFormSkin, WindowsThatAreNeverSkinned) {
    TestWindow parent({});
    struct Case {
        const char* what;
        std::function<HWND()> make;
    };
    std::vector<std::unique_ptr<TestWindow>> windows;
    auto window = [&](TestWindow::Options options) {
        windows.push_back(std::make_unique<TestWindow>(options));
        return windows.back()->Get();
    };
    const std::vector<Case> cases = {
        {"answers SM_ISSKINNED with 1",
         [&] {
             TestWindow::Options o;
             o.answerIsSkinned = true;
             return window(o);
         }},
        {"zero-sized",
         [&] {
             TestWindow::Options o;
             o.style = WS_POPUP;
             o.width = 0;
             o.height = 0;
             return window(o);
         }},
        {"zero height",
         [&] {
             TestWindow::Options o;
             o.style = WS_POPUP;
             o.height = 0;
             return window(o);
         }},
        {"child control",
         [&] {
             TestWindow::Options o;
             o.style = WS_CHILD | WS_VISIBLE;
             o.parent = parent.Get();
             return window(o);
         }},
        {"another module's window",
         [&] {
             TestWindow::Options o;
             o.instance = GetModuleHandleW(L"kernel32.dll");
             o.className = L"SkinTestForeignWindow";
             return window(o);
         }},
        {"class naming a preview, without xoPreview",
         [&] {
             data_->SetOptions({});
             TestWindow::Options o;
             o.className = L"TPrintPREVIEWForm";
             return window(o);
         }},
        {"form with Tag 99",
         [&] {
             TForm* form = NewForm();
             form->SetTag(99);
             return form->Handle();
         }},
        {"the application window", [&] { return Application->Handle(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const HWND target = c.make();
        ASSERT_TRUE(IsWindow(target));
        EXPECT_FALSE(SkinManager->AddFormSkin(target));
        EXPECT_TRUE(SkinManager->FormSkins().empty());
        EXPECT_FALSE(skin_test::TakeSkinControlsRequest(target));
        data_->SetOptions(skin::kDefaultSkinOptions);
    }
}

TEST_F(ManagerFormSkin, NothingIsSkinnedWhileDisabledOrWithoutASkin) {
    TestWindow window({});
    SkinManager->Enabled = false;
    EXPECT_FALSE(SkinManager->AddFormSkin(window.Get()));
    SkinManager->Enabled = true;
    data_->SetSkinFile(BUILT_SKINS_DIR "/no-such-skin.skn");  // leaves the component without a skin
    ASSERT_TRUE(data_->SkinEmpty());
    EXPECT_FALSE(SkinManager->AddFormSkin(window.Get()));
    EXPECT_TRUE(SkinManager->FormSkins().empty());
}

TEST_F(ManagerFormSkin, PreviewWindowsAreSkinnedWithXoPreview) {
    TestWindow::Options o;
    o.className = L"TPrintPreviewForm";
    TestWindow window(o);
    EXPECT_TRUE(SkinManager->AddFormSkin(window.Get()));
}

TEST_F(ManagerFormSkin, FormSkinHandlerOfTheDefaultComponentDecides) {
    std::vector<std::string> asked;
    data_->OnFormSkin = [&](TObject*, const std::string& name, bool& doSkin) {
        asked.push_back(name);
        doSkin = false;
    };
    TestWindow window({});
    EXPECT_FALSE(SkinManager->AddFormSkin(window.Get()));
    EXPECT_EQ(asked, std::vector<std::string>{"SkinTestWindow"});
}

TEST_F(ManagerFormSkin, ActivationReachesTheManagerThroughTheHook) {
    TForm* form = NewForm();
    // Showing activates the form inside the call: the hook has skinned it before any message
    // is dispatched.
    form->Show();
    EXPECT_NE(SkinManager->FindFormSkin(form->Handle()), nullptr);
    EXPECT_TRUE(skin_test::TakeSkinControlsRequest(form->Handle()));
}

TEST_F(ManagerFormSkin, FirstActivationStartsTheManagerEvenWhileDisabled) {
    SkinManager->Enabled = false;
    SkinManager->State = 0;
    TestWindow window({});
    ShowWindow(window.Get(), SW_SHOW);
    SetActiveWindow(window.Get());
    EXPECT_TRUE(testing_support::PumpMessagesUntil([] { return SkinManager->State == 1; }));
    EXPECT_TRUE(SkinManager->FormSkins().empty());
}

TEST_F(ManagerFormSkin, SizeGripCreatedInASkinnedWindowIsHandedToItsFormSkin) {
    TestWindow window({});
    ASSERT_TRUE(SkinManager->AddFormSkin(window.Get()));
    std::vector<std::pair<TSkinForm*, HWND>> handed;
    SkinManager->SkinSizeGrip = [&](TSkinForm* formSkin, HWND grip) { handed.emplace_back(formSkin, grip); };

    HWND plainBar = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | SBS_VERT, 0, 0, 16, 80, window.Get(), nullptr,
                                    nullptr, nullptr);
    HWND grip = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | SBS_SIZEGRIP, 100, 100, 16, 16, window.Get(),
                                nullptr, nullptr, nullptr);
    TestWindow unskinned({});
    HWND otherGrip = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16, unskinned.Get(),
                                     nullptr, nullptr, nullptr);
    ASSERT_NE(plainBar, nullptr);
    ASSERT_NE(otherGrip, nullptr);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].first, SkinManager->FindFormSkin(window.Get()));
    EXPECT_EQ(handed[0].second, grip);
}

// A message box is a dialog of another module ("#32770"): it is skinned all the same.
TEST_F(ManagerFormSkin, MessageBoxIsReachedByTheHookAndSkinned) {
    static bool skinnedWhileOpen = false;
    static HWND box = nullptr;
    skinnedWhileOpen = false;
    box = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND found = FindWindowW(L"#32770", L"Skin manager test");
        if (found == nullptr) return;
        box = found;
        skinnedWhileOpen = SkinManager->FindFormSkin(found) != nullptr;
        PostMessageW(found, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(nullptr, L"Skinned?", L"Skin manager test", MB_OK);
    KillTimer(nullptr, timer);
    EXPECT_NE(box, nullptr);
    EXPECT_TRUE(skinnedWhileOpen);
}

TEST_F(ManagerFormSkin, MenuWindowIsOfferedForAPopupSkin) {
    TestWindow owner({});
    ShowWindow(owner.Get(), SW_SHOW);
    base::win::UniqueHMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 1, L"One");
    SkinManager->LastPopupVerdict = skin::manager::PopupSkinVerdict::ManagerDisabled;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    TrackPopupMenu(menu.Get(), TPM_RETURNCMD, 100, 100, 0, owner.Get(), nullptr);
    KillTimer(nullptr, timer);
    EXPECT_EQ(SkinManager->LastPopupVerdict, skin::manager::PopupSkinVerdict::SkinIt);
    // Once the menu window is gone there is no popup skin left, so the menu kind starts over.
    EXPECT_EQ(SkinManager->MenuContext, 0);
}

TEST_F(ManagerFormSkin, SystemMenuIsLeftToWindowsWithoutXcSystemMenu) {
    TestWindow owner({});
    ShowWindow(owner.Get(), SW_SHOW);
    auto controls = data_->SkinControls();
    controls.Exclude(skin::TSkinControlType::xcSystemMenu);
    data_->SetSkinControls(controls);
    SkinManager->MenuContext = 2;
    base::win::UniqueHMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 1, L"One");
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    TrackPopupMenu(menu.Get(), TPM_RETURNCMD, 100, 100, 0, owner.Get(), nullptr);
    KillTimer(nullptr, timer);
    EXPECT_EQ(SkinManager->LastPopupVerdict, skin::manager::PopupSkinVerdict::MenuKindOff);
    EXPECT_EQ(SkinManager->MenuContext, 0);
}

}  // namespace
