// The skin manager's whole-application actions on its real one-shot timer: requests coalesce,
// a component going away takes its request and its form skins with it, the sweeps skin and
// unskin the visible forms, and shutdown frees what the manager alone owns.
#include <gtest/gtest.h>

#include <vector>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/timer.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"
#include "support/message_pump.h"

using skin::TSkinFormType;
using skin::manager::SkinAction;
using skin::win::SkinManager;
using skin::win::TSkinData;
using skin::win::TSkinForm;
using skin_test::TestWindow;
using testing_support::PumpMessagesUntil;

namespace {

class ManagerActions : public ::testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
    void TearDown() override {
        for (TForm* form : forms_) form->Free();
        for (TSkinData* data : data_) delete data;
        skin::win::FreeSkinManager();
        testing_support::PumpPendingMessages();
    }
    // Components with an owner are freed by it.
    TSkinData* Loaded(TSkinFormType type, TComponent* owner = nullptr) {
        TSkinData* data = skin_test::LoadedSkinData(owner, type);
        if (owner == nullptr) data_.push_back(data);
        return data;
    }
    void Forget(TSkinData* data) {
        std::erase(data_, data);
        delete data;
    }
    TForm* VisibleForm() {
        auto* form = new TForm(nullptr);
        form->SetBounds(40, 40, 200, 140);
        forms_.push_back(form);
        form->Show();
        return form;
    }
    std::vector<TSkinData*> data_;
    std::vector<TForm*> forms_;
};

TEST_F(ManagerActions, BeforeAnyActivationRequestsOnlySwitchTheManager) {
    TSkinData* data = Loaded(TSkinFormType::sfMainform);
    int changed = 0;
    data->OnSkinChanged = [&](TObject*) { ++changed; };
    struct Step {
        int action;
        bool enabledAfter;
    };
    for (const Step step : {Step{1, true}, Step{3, true}, Step{2, false}, Step{3, false}, Step{1, true}}) {
        SCOPED_TRACE(step.action);
        SkinManager->Requester = data;
        SkinManager->RequestAction(step.action, 250);
        EXPECT_EQ(SkinManager->Enabled, step.enabledAfter);
        EXPECT_FALSE(SkinManager->PendingRequest().has_value());
        EXPECT_FALSE(SkinManager->Timer()->Enabled());
    }
    EXPECT_EQ(changed, 0);
}

TEST_F(ManagerActions, TwoRequestsCoalesceIntoTheLastOne) {
    TSkinData* data = Loaded(TSkinFormType::sfMainform);
    SkinManager->State = 1;
    std::vector<bool> enabledWhenChanged;
    data->OnSkinChanged = [&](TObject*) { enabledWhenChanged.push_back(SkinManager->Enabled); };

    data->SetActive(true);   // activate ...
    data->SetActive(false);  // ... then deactivate before the timer went off
    ASSERT_TRUE(SkinManager->PendingRequest().has_value());
    EXPECT_EQ(SkinManager->PendingRequest()->action, SkinAction::Deactivate);

    ASSERT_TRUE(PumpMessagesUntil([&] { return !enabledWhenChanged.empty(); }));
    // The timer is one-shot and nothing is pending: no second action can follow.
    EXPECT_FALSE(SkinManager->Timer()->Enabled());
    EXPECT_FALSE(SkinManager->PendingRequest().has_value());
    EXPECT_EQ(enabledWhenChanged, std::vector<bool>{false});
    EXPECT_EQ(SkinManager->Requester, nullptr);
}

TEST_F(ManagerActions, ActivationSweepSkinsVisibleFormsAndDeactivationUnskinsThem) {
    TSkinData* data = Loaded(TSkinFormType::sfMainform);
    TForm* shown = VisibleForm();
    auto* hidden = new TForm(nullptr);
    forms_.push_back(hidden);
    hidden->HandleNeeded();
    SkinManager->State = 1;
    int changed = 0;
    data->OnSkinChanged = [&](TObject*) { ++changed; };

    data->SetActive(true);
    ASSERT_TRUE(PumpMessagesUntil([&] { return changed == 1; }));
    EXPECT_TRUE(SkinManager->Enabled);
    EXPECT_NE(SkinManager->FindFormSkin(shown->Handle()), nullptr);
    EXPECT_EQ(SkinManager->FindFormSkin(hidden->Handle()), nullptr);
    EXPECT_FALSE(SkinManager->Forced);

    data->SetActive(false);
    ASSERT_TRUE(PumpMessagesUntil([&] { return changed == 2; }));
    EXPECT_FALSE(SkinManager->Enabled);
    EXPECT_TRUE(SkinManager->FormSkins().empty());
}

TEST_F(ManagerActions, UnregisteringAComponentDropsItsPendingAction) {
    TSkinData* leaving = Loaded(TSkinFormType::sfMainform);
    TSkinData* staying = Loaded(TSkinFormType::sfMainform);
    SkinManager->State = 1;
    int stayingChanged = 0;
    staying->OnSkinChanged = [&](TObject*) { ++stayingChanged; };

    SkinManager->Requester = leaving;
    SkinManager->RequestAction(3, 250);
    ASSERT_TRUE(SkinManager->PendingRequest().has_value());
    Forget(leaving);
    EXPECT_FALSE(SkinManager->PendingRequest().has_value());
    EXPECT_FALSE(SkinManager->Timer()->Enabled());
    EXPECT_EQ(SkinManager->Requester, nullptr);
    EXPECT_EQ(SkinManager->SkinDataList(), std::vector<TSkinData*>{staying});
    EXPECT_EQ(SkinManager->DefaultSkinData, nullptr);

    // The timer still serves the others.
    SkinManager->Requester = staying;
    SkinManager->RequestAction(3, 250);
    EXPECT_TRUE(PumpMessagesUntil([&] { return stayingChanged == 1; }));
}

TEST_F(ManagerActions, DestroyingAComponentDetachesTheFormSkinsUsingIt) {
    TSkinData* first = Loaded(TSkinFormType::sfMainform);
    SkinManager->Enabled = true;
    SkinManager->State = 1;
    TestWindow bare({});
    TForm* form = VisibleForm();
    ASSERT_TRUE(SkinManager->AddFormSkin(bare.Get()));
    SkinManager->AddFormSkin(form->Handle());
    ASSERT_EQ(SkinManager->FormSkins().size(), 2u);
    TSkinForm* bareSkin = SkinManager->FindFormSkin(bare.Get());

    Forget(first);
    EXPECT_TRUE(SkinManager->FormSkins().empty());
    EXPECT_FALSE(TSkinForm::IsLive(bareSkin));
    EXPECT_TRUE(SkinManager->SkinDataList().empty());
}

TEST_F(ManagerActions, LastRegisteredMainComponentSkinsWindowsFirstStaysDefault) {
    TSkinData* first = Loaded(TSkinFormType::sfMainform);
    TSkinData* second = Loaded(TSkinFormType::sfMainform);
    TSkinData* dialogs = Loaded(TSkinFormType::sfDialog);
    EXPECT_EQ(SkinManager->DefaultSkinData, first);
    TestWindow window({});
    EXPECT_EQ(SkinManager->SelectSkinData(window.Get()), second);
    TestWindow::Options o;
    o.className = L"TMessageForm";
    TestWindow messageForm(o);
    EXPECT_EQ(SkinManager->SelectSkinData(messageForm.Get()), dialogs);
}

TEST_F(ManagerActions, SingleFormComponentSkinsItsOwnerWhenLoaded) {
    auto* form = new TForm(nullptr);
    forms_.push_back(form);
    form->SetBounds(40, 40, 200, 140);
    TSkinData* data = Loaded(TSkinFormType::sfOnlyThisForm, form);
    EXPECT_TRUE(SkinManager->Enabled);
    EXPECT_EQ(SkinManager->State, 1);
    TSkinForm* skin = SkinManager->FindFormSkin(form->Handle());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->SkinData(), data);
    EXPECT_EQ(SkinManager->SelectSkinData(form->Handle()), data);
}

TEST_F(ManagerActions, ClosedBareWindowsSkinsAreFreedByThePurgeAndAtShutdown) {
    Loaded(TSkinFormType::sfMainform);
    SkinManager->Enabled = true;
    SkinManager->State = 1;
    auto closed = std::make_unique<TestWindow>(TestWindow::Options{});
    TestWindow open({});
    ASSERT_TRUE(SkinManager->AddFormSkin(closed->Get()));
    TSkinForm* closedSkin = SkinManager->FormSkins()[0];
    closed.reset();
    ASSERT_EQ(closedSkin->Phase(), 6);

    // Skinning another window purges first: the closed window's skin is freed.
    ASSERT_TRUE(SkinManager->AddFormSkin(open.Get()));
    ASSERT_EQ(SkinManager->FormSkins().size(), 1u);
    EXPECT_EQ(SkinManager->FormSkins()[0]->Handle, open.Get());
    // The new skin may be made where the freed one was: then the address is live again.
    EXPECT_TRUE(SkinManager->FormSkins()[0] == closedSkin || !TSkinForm::IsLive(closedSkin));

    TSkinForm* openSkin = SkinManager->FormSkins()[0];
    DestroyWindow(open.Get());
    ASSERT_EQ(openSkin->Phase(), 6);
    skin::win::FreeSkinManager();
    EXPECT_EQ(SkinManager, nullptr);
    EXPECT_FALSE(TSkinForm::IsLive(openSkin));
}

TEST_F(ManagerActions, ShutdownRemovesTheHook) {
    Loaded(TSkinFormType::sfMainform);
    ASSERT_NE(SkinManager->Hook(), nullptr);
    skin::win::FreeSkinManager();
    // Windows created and activated now meet no hook (a dangling one would crash here).
    TestWindow window({});
    ShowWindow(window.Get(), SW_SHOW);
    SetActiveWindow(window.Get());
    testing_support::PumpPendingMessages();
    EXPECT_EQ(SkinManager, nullptr);
}

}  // namespace
