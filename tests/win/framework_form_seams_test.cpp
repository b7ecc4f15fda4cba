// Form creation as a form is read (Loading while the constructor runs, Loaded once each before
// OnCreate) and window icons (the form's own, else the application's).
#include "framework/win/framework.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using testing_support::PumpPendingMessages;

namespace {

std::vector<std::string> g_events;

// A component that records what it sees of the loading state.
class TLoadingProbe : public TComponent {
    T_CLASS(TLoadingProbe, TComponent)
public:
    TLoadingProbe(TComponent* owner, std::string name) : TComponent(owner), name_(std::move(name)) {
        loadingInConstructor = Loading();
    }
    void Loaded() override {
        TComponent::Loaded();
        ++loadedCalls;
        g_events.push_back(name_ + " loaded");
    }
    bool loadingInConstructor = false;
    int loadedCalls = 0;

private:
    std::string name_;
};

class TLoadingForm : public TForm {
    T_CLASS(TLoadingForm, TForm)
public:
    explicit TLoadingForm(TComponent* owner) : TForm(owner) {
        loadingInConstructor = Loading();
        First = new TLoadingProbe(this, "first");
        Nested = new TLoadingProbe(First, "nested");
        Second = new TLoadingProbe(this, "second");
        Menu = new TPopupMenu(this);
        Loose = new TLoadingProbe(nullptr, "loose");
        OnCreate = [this](TObject*) {
            g_events.push_back("OnCreate");
            loadingInOnCreate = Loading() || First->Loading() || Second->Loading() || Nested->Loading();
        };
    }
    ~TLoadingForm() override { delete Loose; }
    void Loaded() override {
        TForm::Loaded();
        ++loadedCalls;
        g_events.push_back("form loaded");
    }

    TLoadingProbe* First;
    TLoadingProbe* Nested;
    TLoadingProbe* Second;
    TPopupMenu* Menu;
    TLoadingProbe* Loose;
    bool loadingInConstructor = false;
    bool loadingInOnCreate = true;
    int loadedCalls = 0;
};

TEST(FrameworkFormLoading, CreateFormLoadsTheFormLikeAStoredOne) {
    Application->Initialize();
    g_events.clear();
    TLoadingForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);

    EXPECT_TRUE(form->loadingInConstructor);
    EXPECT_TRUE(form->First->loadingInConstructor);
    EXPECT_TRUE(form->Nested->loadingInConstructor);
    EXPECT_TRUE(form->Second->loadingInConstructor);
    EXPECT_FALSE(form->Loose->loadingInConstructor);  // not the form's: not part of its loading
    EXPECT_EQ(form->First->loadedCalls, 1);
    EXPECT_EQ(form->Nested->loadedCalls, 1);
    EXPECT_EQ(form->Second->loadedCalls, 1);
    EXPECT_EQ(form->Loose->loadedCalls, 0);
    EXPECT_EQ(form->loadedCalls, 1);
    EXPECT_EQ(g_events,
              (std::vector<std::string>{"nested loaded", "first loaded", "second loaded", "form loaded", "OnCreate"}));
    EXPECT_FALSE(form->loadingInOnCreate);
    EXPECT_FALSE(form->Loading());
    EXPECT_FALSE(form->Menu->Loading());
    EXPECT_FALSE(form->Menu->Items()->Loading());

    // Created later, the form's components are not loading.
    auto* late = new TLoadingProbe(form, "late");
    EXPECT_FALSE(late->loadingInConstructor);
    form->Free();
}

class TThrowingForm : public TForm {
    T_CLASS(TThrowingForm, TForm)
public:
    explicit TThrowingForm(TComponent* owner) : TForm(owner) { throw std::runtime_error("no"); }
};

TEST(FrameworkFormLoading, FormsMadeDirectlyAndFormsMadeInsideAConstructorLoadOnlyThroughCreateForm) {
    Application->Initialize();
    g_events.clear();
    auto* direct = new TLoadingForm(nullptr);
    EXPECT_FALSE(direct->loadingInConstructor);
    EXPECT_FALSE(direct->First->loadingInConstructor);
    EXPECT_EQ(direct->loadedCalls, 0);
    EXPECT_TRUE(g_events.empty());
    direct->Free();

    // A CreateForm whose constructor throws leaves no request behind for the next form.
    TThrowingForm* failed = nullptr;
    EXPECT_THROW(Application->CreateForm(failed), std::runtime_error);
    auto* after = new TLoadingForm(nullptr);
    EXPECT_FALSE(after->loadingInConstructor);
    after->Free();
}

// Icons Windows itself has: nothing to free.
HICON StockIcon(LPCWSTR id) { return LoadIconW(nullptr, id); }

HICON WindowIcon(HWND window, WPARAM which) {
    return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
}

class FrameworkFormIcons : public ::testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
    void TearDown() override {
        Application->SetIcon(nullptr);
        PumpPendingMessages();
    }
};

TEST_F(FrameworkFormIcons, AFormShowsItsOwnIconOrElseTheApplications) {
    const HICON appIcon = StockIcon(reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    const HICON warning = StockIcon(reinterpret_cast<LPCWSTR>(IDI_WARNING));
    const HICON info = StockIcon(reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
    ASSERT_NE(warning, nullptr);
    ASSERT_NE(info, nullptr);
    ASSERT_NE(warning, info);

    auto* own = new TForm(nullptr);
    own->SetIcon(warning);  // before the window exists
    auto* plain = new TForm(nullptr);
    Application->SetIcon(appIcon);
    HWND ownWindow = own->Handle();
    HWND plainWindow = plain->Handle();

    struct Case {
        const char* step;
        HWND window;
        HICON expected;
    };
    auto check = [](const Case& c) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(WindowIcon(c.window, ICON_BIG), c.expected);
        EXPECT_EQ(WindowIcon(c.window, ICON_SMALL), c.expected);
    };
    check({"own icon at creation", ownWindow, warning});
    check({"application icon at creation", plainWindow, appIcon});
    check({"application window", Application->Handle(), appIcon});

    Application->SetIcon(info);
    check({"own icon kept when the application's changes", ownWindow, warning});
    check({"application icon followed", plainWindow, info});

    own->SetIcon(nullptr);
    check({"own icon taken away", ownWindow, info});
    plain->SetIcon(warning);
    check({"own icon set on a live window", plainWindow, warning});
    EXPECT_EQ(plain->EffectiveIcon(), warning);
    EXPECT_EQ(own->EffectiveIcon(), info);

    own->Free();
    plain->Free();
}

TEST_F(FrameworkFormIcons, TheIconSurvivesTheWindowBeingMadeAgain) {
    const HICON warning = StockIcon(reinterpret_cast<LPCWSTR>(IDI_WARNING));
    auto* form = new TForm(nullptr);
    form->SetIcon(warning);
    form->HandleNeeded();
    form->SetBorderStyle(bsDialog);
    form->RecreateWnd();
    EXPECT_EQ(WindowIcon(form->Handle(), ICON_BIG), warning);
    form->Free();
}

}  // namespace
