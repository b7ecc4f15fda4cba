// Controls over standard windows: memo lines, edit text, tree view items and clicks, menus
// (commands, owner drawing, menu-changed notification), bitmaps.
#include "framework/win/framework.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

using testing_support::PumpMessagesFor;
using testing_support::PumpPendingMessages;

namespace {

class FrameworkControls : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = new TForm(nullptr);
        form_->SetBounds(80, 80, 400, 320);
    }
    void TearDown() override {
        form_->Free();
        PumpPendingMessages();
    }
    TForm* form_ = nullptr;
};

TEST_F(FrameworkControls, MemoLinesJoinWithCrLfAndLiveInTheWindow) {
    auto* memo = new TMemo(form_);
    memo->SetParent(form_);
    EXPECT_EQ(memo->Lines()->Text(), "");
    memo->Lines()->Add("a");
    memo->Lines()->Add("b");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Text(), "a\r\nb\r\n");  // every line followed by CR LF
    EXPECT_EQ(memo->Text(), "a\r\nb");
    // What the user typed into the window is what the lines give.
    SetWindowTextW(memo->Handle(), L"first\r\nsecond\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Get(1), "second");
    EXPECT_EQ(memo->Lines()->Text(), "first\r\nsecond\r\n");
    memo->Lines()->Clear();
    EXPECT_EQ(memo->Lines()->Text(), "");
    EXPECT_EQ(GetWindowTextLengthW(memo->Handle()), 0);

    // Lines set before the window exists survive its creation and a re-creation.
    auto* early = new TMemo(form_);
    early->Lines()->Add("Ovde mozete da nadjete podesavanja vezana za Internet ");
    early->Lines()->Add("Explorer i prilagodite isti svojim potrebama");
    early->SetParent(form_);
    EXPECT_EQ(early->Lines()->Count(), 2);
    early->SetScrollBars(ssVertical);  // re-creates the window
    EXPECT_NE(GetWindowLongPtrW(early->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(early->Lines()->Get(0), "Ovde mozete da nadjete podesavanja vezana za Internet ");
    EXPECT_TRUE(early->Is<TCustomMemo>());
}

TEST_F(FrameworkControls, EditTextReadOnlyAndChangeEvent) {
    auto* edit = new TEdit(form_);
    edit->SetText("about:blank");
    edit->SetParent(form_);
    EXPECT_EQ(edit->Text(), "about:blank");
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    SendMessageW(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"http://x"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->Text(), "http://x");
    edit->SetReadOnly(true);
    EXPECT_NE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
    // Windows-1252 text reaches the window and comes back unchanged.
    edit->SetText("\xE8\xE6\x9A");  // c-caron is not in 1252; these are e-grave, ae, s-caron
    wchar_t wide[8] = {};
    GetWindowTextW(edit->Handle(), wide, 8);
    EXPECT_EQ(std::wstring(wide), std::wstring(L"\u00E8\u00E6\u0161"));
    EXPECT_EQ(edit->Text(), "\xE8\xE6\x9A");
}

TEST_F(FrameworkControls, TreeViewItemsSelectionAndClick) {
    auto* tree = new TTreeView(form_);
    tree->SetParent(form_);
    tree->SetBounds(8, 16, 161, 265);
    tree->SetReadOnly(true);
    tree->SetAutoExpand(true);
    tree->SetIndent(19);
    TTreeNode* category = tree->Items()->Add(nullptr, "Internet Explorer");
    TTreeNode* first = tree->Items()->AddChild(category, "Promeni naslov");
    TTreeNode* second = tree->Items()->AddChild(category, "Promeni pocetnu stranu");
    TTreeNode* other = tree->Items()->Add(category, "Sistem");
    TTreeNode* third = tree->Items()->AddChild(other, "TaskManager");

    EXPECT_EQ(tree->Items()->Count(), 5);
    EXPECT_EQ(tree->Items()->Item(2), second);
    EXPECT_EQ(third->AbsoluteIndex(), 4);
    EXPECT_EQ(other->Index(), 1);
    EXPECT_EQ(third->Level(), 1);
    EXPECT_THROW(tree->Items()->Item(5), std::out_of_range);
    EXPECT_EQ(tree->Selected(), nullptr);

    const LONG_PTR style = GetWindowLongPtrW(tree->Handle(), GWL_STYLE);
    EXPECT_EQ(style & TVS_EDITLABELS, 0);
    EXPECT_NE(style & TVS_SINGLEEXPAND, 0);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETINDENT, 0, 0), 19);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 5);

    second->SetSelected(true);
    EXPECT_EQ(tree->Selected(), second);
    EXPECT_TRUE(second->Selected());
    EXPECT_FALSE(first->Selected());

    // A click on a node selects it, then OnClick runs and sees the new selection.
    form_->Show();
    category->Expand(false);
    other->Expand(false);
    UpdateWindow(form_->Handle());
    PumpMessagesFor(30);
    RECT itemRect{};
    const HTREEITEM itemId = third->ItemId();
    std::memcpy(&itemRect, &itemId, sizeof(itemId));  // TVM_GETITEMRECT takes the item in the rectangle
    ASSERT_TRUE(SendMessageW(tree->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&itemRect)));
    EXPECT_EQ(tree->GetNodeAt(itemRect.left + 3, (itemRect.top + itemRect.bottom) / 2), third);
    EXPECT_EQ(tree->GetNodeAt(itemRect.right + 40, (itemRect.top + itemRect.bottom) / 2), nullptr);
    std::vector<TTreeNode*> selectedAtClick;
    tree->OnClick = [&](TObject*) { selectedAtClick.push_back(tree->Selected()); };
    const LPARAM at = MAKELPARAM(itemRect.left + 3, (itemRect.top + itemRect.bottom) / 2);
    PostMessageW(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tree->Handle(), WM_LBUTTONUP, 0, at);
    PumpMessagesFor(50);
    ASSERT_EQ(selectedAtClick.size(), 1u);
    EXPECT_EQ(selectedAtClick[0], third);
    // Auto-expand: selecting a node of another category collapsed the first one.
    EXPECT_TRUE(other->Expanded());
    EXPECT_FALSE(category->Expanded());

    // The nodes survive a re-created window, selection included.
    tree->SetParent(nullptr);
    EXPECT_FALSE(tree->HandleAllocated());
    tree->SetParent(form_);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(tree->Selected(), third);
}

TEST_F(FrameworkControls, MainMenuCommandsAndMenuChangedNotification) {
    auto* menu = new TMainMenu(form_);
    auto* action = new TMenuItem(form_);
    action->SetCaption("Akcija");
    auto* exit = new TMenuItem(form_);
    exit->SetCaption("Izlaz");
    action->Add(exit);
    menu->Items()->Add(action);
    form_->SetMenu(menu);
    EXPECT_EQ(GetObjectProp(form_, "Menu"), menu);

    HMENU bar = GetMenu(form_->Handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, menu->Handle());
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    HMENU sub = GetSubMenu(bar, 0);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub, action->Handle());
    wchar_t text[32] = {};
    GetMenuStringW(sub, 0, text, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"Izlaz");
    EXPECT_EQ(GetMenuItemID(sub, 0), exit->Command());
    EXPECT_EQ(menu->FindItem(exit->Command()), exit);
    EXPECT_EQ(menu->FindItemByHandle(sub), action);

    int clicks = 0;
    exit->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, exit);
        ++clicks;
    };
    SendMessageW(form_->Handle(), WM_COMMAND, MAKEWPARAM(exit->Command(), 0), 0);
    EXPECT_EQ(clicks, 1);

    // Changing items tells the form through CM_MENUCHANGED (0xB015).
    int menuChanged = 0;
    const TWndMethod saved = form_->WindowProc;
    form_->WindowProc = [&](TMessage& message) {
        if (message.Msg == 0xB015) ++menuChanged;
        saved(message);
    };
    auto* help = new TMenuItem(form_);
    help->SetCaption("Pomoc");
    menu->Items()->Add(help);
    EXPECT_GE(menuChanged, 1);
    EXPECT_EQ(GetMenuItemCount(GetMenu(form_->Handle())), 2);
    exit->SetEnabled(false);
    EXPECT_NE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    form_->WindowProc = saved;

    // Freeing an item takes it out of the menu.
    help->Free();
    EXPECT_EQ(GetMenuItemCount(GetMenu(form_->Handle())), 1);
    // Freeing the menu detaches it from the form.
    menu->Free();
    EXPECT_EQ(form_->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form_->Handle()), nullptr);
}

TEST_F(FrameworkControls, OwnerDrawnMenuItemsDrawAndMeasureThroughTheirEvents) {
    auto* menu = new TMainMenu(form_);
    auto* top = new TMenuItem(form_);
    top->SetCaption("Pomoc");
    auto* info = new TMenuItem(form_);
    info->SetCaption("Informacije o programu");
    top->Add(info);
    menu->Items()->Add(top);
    form_->SetMenu(menu);

    std::vector<std::string> calls;
    info->SetOnMeasureItem([&](TObject* sender, TCanvas* canvas, int& width, int& height) {
        calls.push_back("measure " + static_cast<TMenuItem*>(sender)->Caption());
        EXPECT_NE(canvas->Handle(), nullptr);
        width = 123;
        height = 21;
    });
    info->SetOnDrawItem([&](TObject*, TCanvas* canvas, const RECT& rect, bool selected) {
        calls.push_back(selected ? "draw selected" : "draw");
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(rect);
    });
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoW(top->Handle(), 0, TRUE, &item));
    EXPECT_NE(item.fType & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(item.dwItemData, reinterpret_cast<ULONG_PTR>(info));

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = info->Command();
    measure.itemData = item.dwItemData;
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
    EXPECT_EQ(measure.itemWidth, 123u);
    EXPECT_EQ(measure.itemHeight, 21u);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 50, 30);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = info->Command();
    draw.itemState = ODS_SELECTED;
    draw.hDC = dc;
    draw.rcItem = RECT{0, 0, 50, 30};
    draw.itemData = item.dwItemData;
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(calls, (std::vector<std::string>{"measure Informacije o programu", "draw selected"}));

    // Data that is no menu item of ours is left to Windows.
    measure.itemData = 12345;
    measure.itemWidth = 7;
    SendMessageW(form_->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 7u);

    // Removing the handlers makes the item a plain string again.
    info->SetOnDrawItem(nullptr);
    info->SetOnMeasureItem(nullptr);
    item.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(top->Handle(), 0, TRUE, &item));
    EXPECT_EQ(item.fType & MFT_OWNERDRAW, 0u);
}

TEST_F(FrameworkControls, BitmapsLoadFromMemoryAndRejectBadData) {
    // A 2x2 24-bit bottom-up BMP: bottom row red, blue; top row green, white.
    const unsigned char bmp[] = {
        'B', 'M', 70,  0,   0,   0,   0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40,  0,   0,   0,   2,   0,   0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
        16,  0,   0,   0,   0,   0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,  // info header
        0,   0,   255, 255, 0,   0,   0, 0,                                        // bottom row: red, blue, padding
        0,   255, 0,   255, 255, 255, 0, 0,                                        // top row: green, white, padding
    };
    TBitmap bitmap;
    bitmap.LoadFromMemory(bmp, sizeof(bmp));
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.Canvas()->Pixel(1, 0), RGB(255, 255, 255));
    EXPECT_EQ(bitmap.TransparentColor(), static_cast<TColor>(RGB(255, 0, 0)));  // bottom-left pixel

    TBitmap copy;
    copy.Assign(&bitmap);
    EXPECT_EQ(copy.Canvas()->Pixel(0, 0), RGB(0, 255, 0));
    EXPECT_NE(copy.Handle(), bitmap.Handle());

    EXPECT_THROW(bitmap.LoadFromMemory(bmp, 30), std::runtime_error);  // truncated
    EXPECT_THROW(bitmap.LoadFromMemory(nullptr, 10), std::invalid_argument);
    EXPECT_EQ(bitmap.Width(), 2);  // unchanged by failed loads
    EXPECT_THROW(bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), "NO_SUCH_BITMAP"), std::runtime_error);
    EXPECT_THROW(bitmap.SetSize(-1, 5), std::invalid_argument);
    bitmap.SetSize(0, 0);
    EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
