// A skinned MDI frame: its client window's subclass skins new children, keeps the client's own
// scroll bars away and is taken off again; the maximized child's buttons sit in the frame's
// skinned menu bar and act on the child when clicked with the mouse.

#include <gtest/gtest.h>

#include <atomic>
#include <optional>

#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/data/skin_data_settings.h"
#include "skin/form/caption_button_rules.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"
#include "support/message_pump.h"

using skin::win::SkinManager;
using skin::win::TSkinForm;

namespace {

constexpr LONG_PTR kScrollBars = WS_HSCROLL | WS_VSCROLL;

// Counts the messages it sees and passes them on: someone else's subclass of the client.
WNDPROC g_beneath = nullptr;
int g_seen = 0;
LRESULT CALLBACK OuterClientProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++g_seen;
    return CallWindowProcW(g_beneath, window, msg, wParam, lParam);
}

class MdiSkin : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        data_ = skin_test::LoadedSkinData(nullptr, skin::TSkinFormType::sfMainform);
        ASSERT_FALSE(data_->SkinEmpty());
        ASSERT_NE(SkinManager, nullptr);
        // Off until SkinFrame: the frame is seen unskinned first.
        SkinManager->Enabled = false;
        SkinManager->State = 1;
        frame_ = new TForm(nullptr);
        frame_->SetFormStyle(fsMDIForm);
        frame_->SetBounds(30, 30, 640, 460);
        frame_->SetCaption("Okvir");
        menu_ = new TMainMenu(frame_);
        for (const char* caption : {"&File", "&Window"}) {
            auto* item = new TMenuItem(nullptr);
            item->SetCaption(caption);
            auto* sub = new TMenuItem(nullptr);
            sub->SetCaption("Stavka");
            item->Add(sub);
            menu_->Items()->Add(item);
        }
        menu_->Items()->Items(1)->SetGroupIndex(9);
        frame_->SetMenu(menu_);
        frame_->SetWindowMenu(menu_->Items()->Items(1));
        frame_->Show();
        testing_support::PumpPendingMessages();
        client_ = frame_->ClientHandle();
        clientProc_ = GetWindowLongPtrW(client_, GWLP_WNDPROC);
        clientStyle_ = GetWindowLongPtrW(client_, GWL_STYLE);
    }
    // A child far outside the client, and the client's scroll bars shown as the client shows
    // them for such a child.
    TForm* ChildOutOfView(bool* destroyed) {
        TForm* child = NewChild("Daleko", destroyed);
        SetWindowPos(child->Handle(), nullptr, 900, 700, 270, 190, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowClientScrollBars();
        return child;
    }
    void ShowClientScrollBars() {
        ShowScrollBar(client_, SB_BOTH, TRUE);
        testing_support::PumpMessagesFor(100);
    }
    void TearDown() override {
        if (frame_ != nullptr) frame_->Free();
        testing_support::PumpPendingMessages();
        delete data_;
        skin::win::FreeSkinManager();
        testing_support::PumpPendingMessages();
    }
    TSkinForm* SkinFrame() {
        SkinManager->Enabled = true;
        SkinManager->AddFormSkin(frame_->Handle());
        SendMessageW(frame_->Handle(), skin::win::SM_SKINCONTROLS, 0, 1000);
        testing_support::PumpPendingMessages();
        return SkinManager->FindFormSkin(frame_->Handle());
    }
    TForm* NewChild(const char* caption, bool* destroyed = nullptr) {
        auto* child = new TForm(nullptr);
        child->SetFormStyle(fsMDIChild);
        child->SetBounds(20, 20, 260, 180);
        child->SetCaption(caption);
        if (destroyed != nullptr) child->OnDestroy = [destroyed](TObject*) { *destroyed = true; };
        child->Show();
        testing_support::PumpPendingMessages();
        return child;
    }
    skin::win::TSkinData* data_ = nullptr;
    TForm* frame_ = nullptr;
    TMainMenu* menu_ = nullptr;
    HWND client_ = nullptr;
    LONG_PTR clientProc_ = 0;
    LONG_PTR clientStyle_ = 0;
};

TEST_F(MdiSkin, NewChildrenAreSkinnedScrollBarsStayAwayAndMenuUpdateIsTheFramesOwn) {
    ASSERT_FALSE(data_->Options().Contains(skin::TSkinOption::xoMDIScrollbar));
    bool farGone = false;
    ChildOutOfView(&farGone);
    ASSERT_NE(GetWindowLongPtrW(client_, GWL_STYLE) & kScrollBars, 0);
    TSkinForm* frameSkin = SkinFrame();
    ASSERT_NE(frameSkin, nullptr);
    EXPECT_EQ(frameSkin->MdiRole(), 1);
    EXPECT_TRUE(frameSkin->MdiClientHooked());
    EXPECT_NE(GetWindowLongPtrW(client_, GWLP_WNDPROC), clientProc_);
    EXPECT_TRUE(IsWindowUnicode(client_));  // subclassed through the W API
    EXPECT_EQ(SkinManager->MDIClientWindow, client_);
    EXPECT_EQ(GetWindowLongPtrW(client_, GWL_STYLE) & kScrollBars, 0);
    EXPECT_TRUE(frameSkin->MenuHooksInstalled());
    EXPECT_TRUE(frameSkin->MenuUpdateOn());

    bool gone[3] = {};
    TForm* children[] = {NewChild("Prvi", &gone[0]), NewChild("Drugi", &gone[1]), NewChild("Treci", &gone[2])};
    for (TForm* child : children) {
        EXPECT_EQ(SendMessageW(child->Handle(), skin::win::SM_ISSKINNED, 0, 0), 1) << child->Caption();
        TSkinForm* childSkin = SkinManager->FindFormSkin(child->Handle());
        ASSERT_NE(childSkin, nullptr);
        EXPECT_EQ(childSkin->MdiRole(), 2);
    }
    EXPECT_EQ(frameSkin->PendingMdiChild(), nullptr);
    // The active child's menu joins the frame's skinned bar; the Windows menu stays off the frame.
    auto* childMenu = new TMainMenu(children[2]);
    auto* edit = new TMenuItem(nullptr);
    edit->SetCaption("&Edit");
    edit->SetGroupIndex(1);
    childMenu->Items()->Add(edit);
    children[2]->SetMenu(childMenu);
    testing_support::PumpPendingMessages();
    ASSERT_NE(frameSkin->MenuBar(), nullptr);
    const auto buttons = frameSkin->MenuBar()->Buttons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[1].Caption, L"&Edit");
    EXPECT_EQ(GetMenu(frame_->Handle()), nullptr);
    // The frame holds off CM_MENUCHANGED for itself; the shared setting stays on for the rest.
    EXPECT_FALSE(frameSkin->MenuUpdateOn());
    EXPECT_TRUE(data_->MenuUpdate());

    // Children far outside the client do not bring the client's scroll bars back.
    SetWindowPos(children[0]->Handle(), nullptr, 900, 700, 270, 190, SWP_NOZORDER | SWP_NOACTIVATE);
    frame_->Cascade();
    SetWindowPos(children[1]->Handle(), nullptr, 1200, 900, 270, 190, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowClientScrollBars();
    EXPECT_EQ(GetWindowLongPtrW(client_, GWL_STYLE) & kScrollBars, 0);

    for (int i = 0; i < 3; ++i) SendMessageW(children[i]->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return gone[0] && gone[1] && gone[2]; }));
    EXPECT_FALSE(frameSkin->MenuUpdateOn());  // one child is left
    frame_->MDIChildren(0)->Close();
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return farGone; }));
    EXPECT_TRUE(frameSkin->MenuUpdateOn());
    EXPECT_TRUE(data_->MenuUpdate());
    ASSERT_NE(frameSkin->MenuBar(), nullptr);
    EXPECT_EQ(frameSkin->MenuBar()->Buttons().size(), 2u);

    // The frame closing with children open leaves the shared setting as it was.
    NewChild("Cetvrti");
    frame_->Free();
    frame_ = nullptr;
    testing_support::PumpPendingMessages();
    EXPECT_TRUE(data_->MenuUpdate());
    EXPECT_EQ(SkinManager->MDIClientWindow, nullptr);
}

TEST_F(MdiSkin, DetachGivesTheClientItsProcedureAndStyleBackWithoutCuttingOffALaterSubclass) {
    bool farGone = false;
    ChildOutOfView(&farGone);
    clientStyle_ = GetWindowLongPtrW(client_, GWL_STYLE);
    ASSERT_NE(clientStyle_ & kScrollBars, 0);
    TSkinForm* frameSkin = SkinFrame();
    ASSERT_NE(frameSkin, nullptr);
    ASSERT_NE(GetWindowLongPtrW(client_, GWL_STYLE), clientStyle_);
    frameSkin->Detach();
    EXPECT_EQ(GetWindowLongPtrW(client_, GWLP_WNDPROC), clientProc_);
    EXPECT_EQ(GetWindowLongPtrW(client_, GWL_STYLE), clientStyle_);
    EXPECT_FALSE(frameSkin->MdiClientHooked());
    delete frameSkin;
    testing_support::PumpPendingMessages();

    // Skinned again, then someone subclasses the client on top of the skin.
    frameSkin = SkinFrame();
    ASSERT_NE(frameSkin, nullptr);
    ASSERT_TRUE(frameSkin->MdiClientHooked());
    g_beneath = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterClientProc)));
    frameSkin->Detach();
    delete frameSkin;
    testing_support::PumpPendingMessages();
    EXPECT_EQ(GetWindowLongPtrW(client_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OuterClientProc));
    // Their procedure still sees the client's messages and the client still works under it.
    g_seen = 0;
    bool gone = false;
    TForm* child = NewChild("Prvi", &gone);
    EXPECT_GT(g_seen, 0);
    EXPECT_EQ(frame_->ActiveMDIChild(), child);
    EXPECT_NE(SendMessageW(child->Handle(), skin::win::SM_ISSKINNED, 0, 0), 1);  // no skin any more
    SendMessageW(child->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return gone; }));
    SetWindowLongPtrW(client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beneath));
}

std::optional<std::size_t> MdiButton(const TSkinForm& form, int action) {
    const auto buttons = form.CaptionButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].Visible && buttons[i].Action() == action && buttons[i].Skin->Visibility == 100) return i;
    }
    return std::nullopt;
}

TEST_F(MdiSkin, MaximizedChildButtonsInTheMenuBarRestoreMinimizeAndCloseIt) {
    TSkinForm* frameSkin = SkinFrame();
    ASSERT_NE(frameSkin, nullptr);
    bool gone = false;
    TForm* child = NewChild("Prvi", &gone);
    NewChild("Drugi");
    SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
    const HWND frame = frame_->Handle();
    SetForegroundWindow(frame);

    const auto maximize = [&] {
        SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Handle()), 0);
        RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        testing_support::PumpPendingMessages();
        return IsZoomed(child->Handle()) && frameSkin->ActiveChildMaximized();
    };
    const auto click = [&](int action) {
        const auto index = MdiButton(*frameSkin, action);
        if (!index) return false;
        const skin::form::CaptionButton& button = frameSkin->CaptionButtons()[*index];
        // Inside the menu bar, below the caption.
        if (button.BoundsRect.Top < frameSkin->Metrics().TitleHeight) return false;
        const RECT outer = form_test::WindowRectOf(frame);
        const POINT centre{outer.left + (button.BoundsRect.Left + button.BoundsRect.Right) / 2,
                           outer.top + (button.BoundsRect.Top + button.BoundsRect.Bottom) / 2};
        form_test::InputThread input([centre] {
            form_test::MoveMouseTo(centre);
            Sleep(100);
            form_test::MouseButton(true);
            Sleep(50);
            form_test::MouseButton(false);
        });
        testing_support::PumpMessagesFor(600);
        input.Join();
        testing_support::PumpMessagesFor(200);
        return true;
    };

    ASSERT_TRUE(maximize());
    EXPECT_TRUE(SkinManager->MDIChildMaximized);  // set by painting the bar
    for (int action : {7, 8, 9}) {
        const auto index = MdiButton(*frameSkin, action);
        ASSERT_TRUE(index) << action;
        EXPECT_TRUE(form_test::ScreenShowsButton(frame, frameSkin->CaptionButtons()[*index])) << action;
    }

    ASSERT_TRUE(click(8));  // restore
    EXPECT_FALSE(IsZoomed(child->Handle()));
    EXPECT_FALSE(IsIconic(child->Handle()));
    EXPECT_FALSE(MdiButton(*frameSkin, 8));

    ASSERT_TRUE(maximize());
    ASSERT_TRUE(click(7));  // minimize
    EXPECT_TRUE(IsIconic(child->Handle()));

    SendMessageW(client_, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->Handle()), 0);
    SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
    ASSERT_TRUE(maximize());
    // Tiling puts the children side by side: the maximized flag goes.
    frame_->Tile();
    testing_support::PumpPendingMessages();
    EXPECT_FALSE(SkinManager->MDIChildMaximized);
    EXPECT_FALSE(IsZoomed(child->Handle()));

    ASSERT_TRUE(maximize());
    frame_->Cascade();
    testing_support::PumpPendingMessages();
    EXPECT_FALSE(SkinManager->MDIChildMaximized);

    ASSERT_TRUE(maximize());
    ASSERT_TRUE(click(9));  // close
    EXPECT_TRUE(testing_support::PumpMessagesUntil([&] { return gone; }));
    EXPECT_EQ(frame_->MDIChildCount(), 1);
}

// With xoMDIScrollbar the client keeps the scroll bars it shows.
TEST_F(MdiSkin, WithMdiScrollbarOptionTheClientKeepsItsScrollBars) {
    data_->SetOptions(data_->Options().Include(skin::TSkinOption::xoMDIScrollbar));
    TSkinForm* frameSkin = SkinFrame();
    ASSERT_NE(frameSkin, nullptr);
    ASSERT_TRUE(frameSkin->MdiClientHooked());
    ChildOutOfView(nullptr);
    EXPECT_NE(GetWindowLongPtrW(client_, GWL_STYLE) & kScrollBars, 0);
}

// Alt+letter typed in a child opens the drop-down of the frame's skinned menu bar.
TEST_F(MdiSkin, AltLetterInAChildOpensTheFramesDropDown) {
    TSkinForm* frameSkin = SkinFrame();
    ASSERT_NE(frameSkin, nullptr);
    TForm* child = NewChild("Prvi");
    auto* edit = new TEdit(child);
    edit->SetParent(child);
    edit->SetBounds(10, 10, 120, 22);
    SetForegroundWindow(frame_->Handle());
    edit->SetFocus();
    const auto fileMenu = reinterpret_cast<LRESULT>(menu_->Items()->Items(0)->Handle());
    std::atomic<bool> fileShown{false};
    std::atomic<bool> done{false};
    form_test::InputThread input([&] {
        form_test::Key(VK_MENU, true);
        form_test::TapKey('F');
        form_test::Key(VK_MENU, false);
        form_test::WaitFor([&] {
            const HWND popup = FindWindowW(L"#32768", nullptr);
            fileShown = popup != nullptr && IsWindowVisible(popup) &&
                        SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0) == fileMenu;
            return fileShown.load();
        });
        form_test::TapKey(VK_ESCAPE);
        form_test::TapKey(VK_ESCAPE);
        done = true;
    });
    testing_support::PumpApplicationUntil([&] { return done.load(); }, 8000);
    input.Join();
    testing_support::PumpMessagesFor(100);
    EXPECT_TRUE(fileShown);
}

}  // namespace
