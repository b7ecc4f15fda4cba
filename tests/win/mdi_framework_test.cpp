// Framework MDI without a skin: a frame with its client window, children made through it, their
// arrangement, closing frees a child, and a child's menu merged into the frame's by GroupIndex.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/typinfo.h"
#include "framework/win/framework.h"
#include "support/message_pump.h"

namespace {

TMenuItem* AddItem(TMenuItem* parent, const char* caption, int group = 0) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    item->SetGroupIndex(group);
    parent->Add(item);
    return item;
}

std::vector<std::wstring> TopCaptions(HMENU menu) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 63, MF_BYPOSITION);
        captions.emplace_back(text);
    }
    return captions;
}

RECT RectInClient(HWND client, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class MdiFramework : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        frame_ = new TForm(nullptr);
        frame_->SetFormStyle(fsMDIForm);
        frame_->SetBounds(40, 40, 640, 460);
        frame_->SetCaption("Okvir");
        menu_ = new TMainMenu(frame_);
        fileItem_ = AddItem(menu_->Items(), "&File", 0);
        AddItem(fileItem_, "&Open");
        windowItem_ = AddItem(menu_->Items(), "&Window", 9);
        AddItem(windowItem_, "&Tile");
        frame_->SetMenu(menu_);
        frame_->SetWindowMenu(windowItem_);
        frame_->Show();
        testing_support::PumpPendingMessages();
    }
    void TearDown() override {
        frame_->Free();
        testing_support::PumpPendingMessages();
    }
    TForm* NewChild(const char* caption, bool* destroyed = nullptr) {
        auto* child = new TForm(nullptr);
        child->SetFormStyle(fsMDIChild);
        child->SetBounds(10, 10, 260, 180);
        child->SetCaption(caption);
        if (destroyed != nullptr) child->OnDestroy = [destroyed](TObject*) { *destroyed = true; };
        child->Show();
        testing_support::PumpPendingMessages();
        return child;
    }
    TForm* frame_ = nullptr;
    TMainMenu* menu_ = nullptr;
    TMenuItem* fileItem_ = nullptr;
    TMenuItem* windowItem_ = nullptr;
};

TEST_F(MdiFramework, ChildrenLiveInTheClientAreArrangedAndCloseFreesThem) {
    EXPECT_EQ(GetEnumProp(frame_, "FormStyle"), "fsMDIForm");
    const HWND client = frame_->ClientHandle();
    ASSERT_NE(client, nullptr);
    wchar_t className[32] = {};
    GetClassNameW(client, className, 31);
    EXPECT_EQ(lstrcmpiW(className, L"MDIClient"), 0);
    EXPECT_EQ(GetParent(client), frame_->Handle());
    EXPECT_EQ(GetMenu(frame_->Handle()), menu_->Handle());
    RECT frameClient{};
    GetClientRect(frame_->Handle(), &frameClient);
    RECT clientRect{};
    GetWindowRect(client, &clientRect);
    EXPECT_EQ(clientRect.right - clientRect.left, frameClient.right);  // fills the frame
    EXPECT_EQ(clientRect.bottom - clientRect.top, frameClient.bottom);
    const int windowMenuItems = GetMenuItemCount(windowItem_->Handle());

    bool firstGone = false;
    TForm* children[] = {NewChild("Prvi", &firstGone), NewChild("Drugi"), NewChild("Treci")};
    ASSERT_EQ(frame_->MDIChildCount(), 3);
    for (TForm* child : children) {
        EXPECT_EQ(GetParent(child->Handle()), client);
        EXPECT_NE(GetWindowLongPtrW(child->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
        EXPECT_NE(frame_->MDIChildren(0) == child || frame_->MDIChildren(1) == child || frame_->MDIChildren(2) == child,
                  false);
    }
    EXPECT_EQ(frame_->ActiveMDIChild(), children[2]);
    // The window menu lists the children (after a separator).
    EXPECT_EQ(GetMenuItemCount(windowItem_->Handle()), windowMenuItems + 4);
    frame_->Next();
    EXPECT_NE(frame_->ActiveMDIChild(), children[2]);
    frame_->Previous();
    EXPECT_EQ(frame_->ActiveMDIChild(), children[2]);

    frame_->Tile();
    testing_support::PumpPendingMessages();
    RECT area{};
    GetClientRect(client, &area);
    std::vector<RECT> tiles;
    for (TForm* child : children) tiles.push_back(RectInClient(client, child->Handle()));
    int tiledArea = 0;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        EXPECT_GE(tiles[i].left, area.left);
        EXPECT_GE(tiles[i].top, area.top);
        EXPECT_LE(tiles[i].right, area.right);
        EXPECT_LE(tiles[i].bottom, area.bottom);
        tiledArea += (tiles[i].right - tiles[i].left) * (tiles[i].bottom - tiles[i].top);
        for (std::size_t j = i + 1; j < tiles.size(); ++j) {
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &tiles[i], &tiles[j])) << i << " " << j;
        }
    }
    EXPECT_GT(tiledArea, area.right * area.bottom * 9 / 10);  // the tiles fill the client

    frame_->Cascade();
    testing_support::PumpPendingMessages();
    std::vector<RECT> cascade;
    for (TForm* child : children) cascade.push_back(RectInClient(client, child->Handle()));
    std::sort(cascade.begin(), cascade.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    const int step = cascade[1].top - cascade[0].top;
    EXPECT_GT(step, 0);
    for (std::size_t i = 1; i < cascade.size(); ++i) {
        EXPECT_EQ(cascade[i].top - cascade[i - 1].top, step);
        EXPECT_EQ(cascade[i].left - cascade[i - 1].left, step);
        EXPECT_EQ(cascade[i].right - cascade[i].left, cascade[0].right - cascade[0].left);  // all one size
    }

    const HWND firstWindow = children[0]->Handle();
    SendMessageW(firstWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return firstGone; }));
    EXPECT_FALSE(IsWindow(firstWindow));
    EXPECT_EQ(frame_->MDIChildCount(), 2);
    EXPECT_EQ(GetMenuItemCount(windowItem_->Handle()), windowMenuItems + 3);
}

TEST_F(MdiFramework, ActiveChildMenuMergesByGroupIndexAndLeavesWhenItCloses) {
    auto* editor = NewChild("Urednik");
    auto* editorMenu = new TMainMenu(editor);
    TMenuItem* edit = AddItem(editorMenu->Items(), "&Edit", 1);
    AddItem(edit, "&Copy");
    editor->SetMenu(editorMenu);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(TopCaptions(GetMenu(frame_->Handle())), (std::vector<std::wstring>{L"&File", L"&Edit", L"&Window"}));
    edit->SetCaption("&Uredi");  // a merged item changed shows at once
    EXPECT_EQ(TopCaptions(GetMenu(frame_->Handle())), (std::vector<std::wstring>{L"&File", L"&Uredi", L"&Window"}));
    edit->SetCaption("&Edit");
    // A merged item's command reaches it through the frame.
    int copies = 0;
    edit->Items(0)->OnClick = [&](TObject*) { ++copies; };
    SendMessageW(frame_->Handle(), WM_COMMAND, edit->Items(0)->Command(), 0);
    EXPECT_EQ(copies, 1);

    bool viewerGone = false;
    auto* viewer = new TForm(nullptr);
    viewer->SetFormStyle(fsMDIChild);
    auto* viewerMenu = new TMainMenu(viewer);
    AddItem(viewerMenu->Items(), "&Dokument", 0);  // replaces the frame's File
    AddItem(viewerMenu->Items(), "&Pogled", 5);
    viewer->SetMenu(viewerMenu);
    viewer->OnDestroy = [&](TObject*) { viewerGone = true; };
    viewer->Show();
    testing_support::PumpPendingMessages();
    EXPECT_EQ(frame_->ActiveMDIChild(), viewer);
    EXPECT_EQ(TopCaptions(GetMenu(frame_->Handle())),
              (std::vector<std::wstring>{L"&Dokument", L"&Pogled", L"&Window"}));

    SendMessageW(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(editor->Handle()), 0);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(TopCaptions(GetMenu(frame_->Handle())), (std::vector<std::wstring>{L"&File", L"&Edit", L"&Window"}));

    SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return viewerGone; }));
    editor->Free();  // freed directly: its menu must leave the frame's bar first
    testing_support::PumpPendingMessages();
    EXPECT_EQ(frame_->MDIChildCount(), 0);
    EXPECT_EQ(menu_->MergedMenu(), nullptr);
    EXPECT_EQ(TopCaptions(GetMenu(frame_->Handle())), (std::vector<std::wstring>{L"&File", L"&Window"}));
}

// Ctrl+F6 and Ctrl+F4 typed on the keyboard reach the children through the program's own loop.
TEST(MdiFrameworkKeys, CtrlF6MovesToTheNextChildAndCtrlF4ClosesIt) {
    Application->Initialize();
    TForm* frame = nullptr;
    Application->CreateForm(frame);
    ASSERT_EQ(Application->MainForm(), frame);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 600, 400);
    frame->Show();
    bool gone[2] = {};
    TForm* children[2] = {};
    for (int i = 0; i < 2; ++i) {
        children[i] = new TForm(frame);
        children[i]->SetFormStyle(fsMDIChild);
        children[i]->SetBounds(10 + 30 * i, 10 + 30 * i, 240, 160);
        children[i]->OnDestroy = [&gone, i](TObject*) { gone[i] = true; };
        children[i]->Show();
    }
    SetForegroundWindow(frame->Handle());
    const auto pumpUntil = [](const std::function<bool()>& done) {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < 5000) {
            Application->ProcessMessages();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        return done();
    };
    ASSERT_TRUE(pumpUntil([&] { return frame->ActiveMDIChild() == children[1]; }));

    std::atomic<int> step{0};
    form_test::InputThread input([&] {
        form_test::Key(VK_CONTROL, true);
        form_test::TapKey(VK_F6);
        form_test::Key(VK_CONTROL, false);
        form_test::WaitFor([&] { return step.load() >= 1; });
        form_test::Key(VK_CONTROL, true);
        form_test::TapKey(VK_F4);
        form_test::Key(VK_CONTROL, false);
    });
    EXPECT_TRUE(pumpUntil([&] { return frame->ActiveMDIChild() == children[0]; }));
    step = 1;
    EXPECT_TRUE(pumpUntil([&] { return gone[0]; }));
    input.Join();
    EXPECT_FALSE(gone[1]);
    EXPECT_EQ(frame->MDIChildCount(), 1);
}

}  // namespace
