// Panels, check boxes, radio buttons and groups, bitmap buttons, status bars, scroll bars, list
// boxes and tool bars: their published properties by name, real input on them, their windows.
#include "support/send_input.h"
#include "framework/win/framework.h"
#include "support/message_pump.h"
#include "support/window_probe.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

using testing_support::PumpMessagesFor;
using testing_support::PumpMessagesUntil;
using testing_support::PumpPendingMessages;

namespace {

using testing_support::ClickAndPump;
using testing_support::ClientPixel;
using testing_support::KeyInput;
using testing_support::MouseInput;
using testing_support::ScreenPoint;
using testing_support::SendInputAndPump;

class FrameworkStdControls : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = new TForm(nullptr);
        form_->SetBounds(60, 60, 480, 360);
    }
    void TearDown() override {
        form_->Free();
        PumpPendingMessages();
    }
    void ShowForm() {
        form_->Show();
        SetForegroundWindow(form_->Handle());
        ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(form_->Handle()) != FALSE; }));
        UpdateWindow(form_->Handle());
        PumpMessagesFor(50);
    }
    template <class T>
    T* Make(TWinControl* parent, int left, int top, int width, int height) {
        auto* control = new T(form_);
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }
    TForm* form_ = nullptr;
};

TEST_F(FrameworkStdControls, DefaultsReadByNameAndPanelsPaintTheirBevels) {
    auto* panel = Make<TPanel>(form_, 10, 10, 200, 60);
    auto* edit = Make<TEdit>(panel, 10, 10, 80, 21);
    auto* check = Make<TCheckBox>(form_, 10, 80, 100, 17);
    auto* bit = Make<TBitBtn>(form_, 10, 100, 75, 25);
    auto* bar = Make<TStatusBar>(form_, 0, 0, 100, 20);
    TStatusPanel* part = bar->Panels()->Add();
    auto* scroll = Make<TScrollBar>(form_, 10, 130, 150, 17);
    auto* list = Make<TListBox>(form_, 220, 10, 100, 80);
    auto* tools = Make<TToolBar>(form_, 220, 100, 200, 30);
    auto* tool = new TToolButton(tools);

    const std::vector<std::tuple<TObject*, const char*, std::string>> expected = {
        {panel, "BevelOuter", "bvRaised"},
        {panel, "BevelInner", "bvNone"},
        {panel, "BevelWidth", "1"},
        {panel, "Alignment", "taCenter"},
        {panel, "ParentBackground", "True"},
        {panel, "BorderStyle", "bsNone"},
        {edit, "BorderStyle", "bsSingle"},
        {edit, "ParentBackground", "False"},
        {check, "Checked", "False"},
        {check, "State", "cbUnchecked"},
        {check, "AllowGrayed", "False"},
        {check, "Alignment", "taRightJustify"},
        {bit, "NumGlyphs", "1"},
        {bit, "Layout", "blGlyphLeft"},
        {bit, "Margin", "-1"},
        {bit, "Spacing", "4"},
        {bit, "ImageIndex", "-1"},
        {bit, "DisabledIndex", "-1"},
        {bit, "Default", "False"},
        {bar, "SizeGrip", "True"},
        {bar, "SimplePanel", "False"},
        {part, "Bevel", "pbLowered"},
        {part, "Style", "psText"},
        {part, "Width", "50"},
        {scroll, "Kind", "sbHorizontal"},
        {scroll, "Max", "100"},
        {scroll, "SmallChange", "1"},
        {list, "BorderStyle", "bsSingle"},
        {list, "ItemIndex", "-1"},
        {list, "Sorted", "False"},
        {tools, "Flat", "True"},
        {tools, "ShowCaptions", "False"},
        {tool, "Style", "tbsButton"},
        {tool, "ImageIndex", "-1"},
        {tool, "Enabled", "True"},
        {panel, "Color", std::to_string(clBtnFace)},
    };
    for (const auto& [object, name, value] : expected) {
        EXPECT_EQ(GetPropValue(object, name).value_or("<missing>"), value) << object->ClassName() << "." << name;
    }
    for (const char* name : {"Glyph", "Images"}) EXPECT_TRUE(IsPublishedProp(bit, name)) << name;
    EXPECT_EQ(GetObjectProp(bit, "Images"), nullptr);
    EXPECT_EQ(GetObjectProp(bar, "Panels"), bar->Panels());
    EXPECT_EQ(GetObjectProp(list, "Items"), list->Items());
    EXPECT_EQ(GetObjectProp(tool, "MenuItem"), nullptr);
    EXPECT_TRUE(SetEnumProp(panel, "BevelInner", "bvLowered"));
    EXPECT_EQ(panel->BevelInner(), bvLowered);
    EXPECT_FALSE(SetEnumProp(panel, "BevelOuter", "bvSideways"));

    // A panel is a window of its own class holding its children; a raised bevel is light at the
    // top left and dark at the bottom right, and the lowered inner bevel the other way round.
    wchar_t className[32] = {};
    GetClassNameW(panel->Handle(), className, 32);
    EXPECT_EQ(std::wstring(className), L"TPanel");
    EXPECT_EQ(GetParent(edit->Handle()), panel->Handle());
    panel->SetParentBackground(false);
    panel->SetColor(clYellow);
    ShowForm();
    const COLORREF light = ColorToRGB(clBtnHighlight);
    const COLORREF dark = ColorToRGB(clBtnShadow);
    EXPECT_EQ(ClientPixel(panel->Handle(), 0, 0), light);
    EXPECT_EQ(ClientPixel(panel->Handle(), 199, 59), dark);
    EXPECT_EQ(ClientPixel(panel->Handle(), 1, 1), dark);
    EXPECT_EQ(ClientPixel(panel->Handle(), 198, 58), light);
    EXPECT_EQ(ClientPixel(panel->Handle(), 150, 50), ColorToRGB(clYellow));
}

TEST_F(FrameworkStdControls, CheckBoxFollowsClicksSpaceAndCode) {
    auto* check = Make<TCheckBox>(form_, 20, 20, 120, 20);
    check->SetCaption("Check");
    int clicks = 0;
    int changes = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    check->AddMessageHook(&changes, [&changes](TMessage& message, const TMessageNext& next) {
        if (message.Msg == CM_CHECKCHANGED) ++changes;
        next(message);
    });
    ShowForm();
    EXPECT_EQ(GetWindowLongPtrW(check->Handle(), GWL_STYLE) & 0x0F, BS_AUTOCHECKBOX);

    ASSERT_TRUE(ClickAndPump(ScreenPoint(check->Handle(), 6, 10), [&] { return clicks == 1; }));
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(GetEnumProp(check, "State"), "cbChecked");
    check->SetFocus();
    ASSERT_TRUE(SendInputAndPump({KeyInput(VK_SPACE, false), KeyInput(VK_SPACE, true)}, [&] { return clicks == 2; }));
    EXPECT_FALSE(check->Checked());
    check->SetChecked(true);  // in code: OnClick too
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(0xB01Bu, CM_CHECKCHANGED);

    check->SetAllowGrayed(true);
    check->SetState(cbGrayed);
    EXPECT_EQ(GetWindowLongPtrW(check->Handle(), GWL_STYLE) & 0x0F, BS_AUTO3STATE);
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_TRUE(SetEnumProp(check, "Alignment", "taLeftJustify"));
    EXPECT_NE(GetWindowLongPtrW(check->Handle(), GWL_STYLE) & BS_LEFTTEXT, 0);
    EXPECT_EQ(check->State(), cbGrayed);  // kept over the re-created window
}

TEST_F(FrameworkStdControls, RadioButtonsAreExclusiveAndTheGroupFollowsClicks) {
    auto* first = Make<TRadioButton>(form_, 20, 20, 100, 20);
    auto* second = Make<TRadioButton>(form_, 20, 45, 100, 20);
    auto* group = Make<TRadioGroup>(form_, 150, 20, 250, 120);
    group->SetCaption("Group");
    group->SetColumns(2);
    for (const char* item : {"one", "two", "three", "four"}) group->Items()->Add(item);
    int groupClicks = 0;
    group->OnClick = [&](TObject*) { ++groupClicks; };
    first->SetChecked(true);
    ShowForm();

    ASSERT_TRUE(ClickAndPump(ScreenPoint(second->Handle(), 6, 10), [&] { return second->Checked(); }));
    EXPECT_FALSE(first->Checked());
    EXPECT_EQ(SendMessageW(first->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(second->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    ASSERT_EQ(group->ButtonCount(), 4);
    EXPECT_EQ(group->Buttons(0)->Left(), group->Buttons(1)->Left());
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());  // second column
    EXPECT_EQ(group->Buttons(3)->Caption(), "four");
    ASSERT_TRUE(ClickAndPump(ScreenPoint(group->Buttons(3)->Handle(), 6, 6), [&] { return groupClicks == 1; }));
    EXPECT_EQ(group->ItemIndex(), 3);
    EXPECT_EQ(GetIntProp(group, "ItemIndex"), 3);
    EXPECT_TRUE(second->Checked());  // other parents keep their own choice
    group->SetItemIndex(0);
    EXPECT_TRUE(group->Buttons(0)->Checked());
    EXPECT_FALSE(group->Buttons(3)->Checked());
}

TEST_F(FrameworkStdControls, StatusBarPartsSitAtTheBottomAndFollowTheParent) {
    auto* bar = new TStatusBar(form_);
    bar->SetParent(form_);
    const int widths[] = {60, 100, 50};
    for (int width : widths) bar->Panels()->Add()->SetWidth(width);
    bar->Panels()->Items(0)->SetText("Ready");
    bar->Panels()->Items(1)->SetStyle(psOwnerDraw);
    bar->Panels()->Items(2)->SetBevel(pbRaised);
    std::vector<int> drawn;
    bar->OnDrawPanel = [&](TStatusBar* sender, TStatusPanel* panel, const RECT& rect) {
        EXPECT_EQ(sender, bar);
        EXPECT_GT(rect.right, rect.left);
        drawn.push_back(panel->Index());
    };
    ShowForm();
    HWND window = bar->Handle();
    EXPECT_EQ(bar->Top() + bar->Height(), form_->ClientHeight());
    EXPECT_EQ(SendMessageW(window, SB_GETPARTS, 0, 0), 3);
    RECT parts[3] = {};
    for (int i = 0; i < 3; ++i) SendMessageW(window, SB_GETRECT, i, reinterpret_cast<LPARAM>(&parts[i]));
    EXPECT_EQ(parts[0].right, 60);
    EXPECT_EQ(parts[1].right, 160);
    EXPECT_GT(parts[2].right - parts[2].left, 150);  // the last part runs to the end of the bar
    wchar_t text[16] = {};
    SendMessageW(window, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Ready");
    EXPECT_NE(HIWORD(SendMessageW(window, SB_GETTEXTLENGTHW, 2, 0)) & SBT_POPOUT, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return !drawn.empty(); }, 1000));
    EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()), std::set<int>{1});

    form_->SetBounds(60, 60, 400, 300);
    PumpPendingMessages();
    EXPECT_EQ(bar->Top() + bar->Height(), form_->ClientHeight());
    EXPECT_EQ(bar->Width(), form_->ClientWidth());

    EXPECT_NE(GetWindowLongPtrW(window, GWL_STYLE) & SBARS_SIZEGRIP, 0);
    bar->SetSizeGrip(false);
    EXPECT_NE(bar->Handle(), window);
    EXPECT_EQ(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0), 3);  // the panels came along
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Simple");
    EXPECT_NE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0), 0);
}

TEST_F(FrameworkStdControls, ScrollBarMovesByArrowsAndThumbAndKeepsTheFocus) {
    auto* scroll = Make<TScrollBar>(form_, 20, 20, 300, 20);
    scroll->SetSmallChange(5);
    scroll->SetLargeChange(20);
    std::vector<TScrollCode> codes;
    int changes = 0;
    scroll->OnChange = [&](TObject*) { ++changes; };
    scroll->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
    ShowForm();

    // The right arrow: one small step.
    ASSERT_TRUE(ClickAndPump(ScreenPoint(scroll->Handle(), 292, 10), [&] { return scroll->Position() == 5; }));
    EXPECT_EQ(changes, 1);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), scLineDown);
    EXPECT_EQ(codes.back(), scEndScroll);
    EXPECT_EQ(GetScrollPos(scroll->Handle(), SB_CTL), 5);
    EXPECT_EQ(GetFocus(), scroll->Handle());

    // The thumb dragged to the right end.
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetScrollBarInfo(scroll->Handle(), OBJID_CLIENT, &info));
    const POINT thumb = ScreenPoint(scroll->Handle(), (info.xyThumbTop + info.xyThumbBottom) / 2, 10);
    const POINT end = ScreenPoint(scroll->Handle(), 299, 10);
    codes.clear();
    SendInputAndPump({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, thumb), MouseInput(MOUSEEVENTF_LEFTDOWN),
                      MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, end), MouseInput(MOUSEEVENTF_LEFTUP)},
                     [&] { return !codes.empty() && codes.back() == scEndScroll; });
    EXPECT_EQ(scroll->Position(), 100);
    EXPECT_NE(std::find(codes.begin(), codes.end(), scTrack), codes.end());

    scroll->SetParams(300, 0, 50);  // kept inside the range
    EXPECT_EQ(scroll->Position(), 50);
    EXPECT_TRUE(SetEnumProp(scroll, "Kind", "sbVertical"));
    EXPECT_NE(GetWindowLongPtrW(scroll->Handle(), GWL_STYLE) & SBS_VERT, 0);
    EXPECT_EQ(scroll->Height(), 300);
}

TEST_F(FrameworkStdControls, ListBoxItemsSurviveRecreationAndBordersGoWithBsNone) {
    auto* list = new TListBox(form_);
    for (const char* item : {"alpha", "beta", "gamma"}) list->Items()->Add(item);
    list->SetParent(form_);
    list->SetBounds(20, 20, 150, 120);
    auto* panel = Make<TPanel>(form_, 200, 20, 150, 60);
    auto* edit = Make<TEdit>(panel, 10, 10, 100, 21);
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    std::vector<HWND> recreated;
    edit->AddMessageHook(&recreated, [&recreated, edit](TMessage& message, const TMessageNext& next) {
        if (message.Msg == CM_RECREATEWND) recreated.push_back(edit->Handle());
        next(message);
    });
    ShowForm();

    RECT item{};
    SendMessageW(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    ASSERT_TRUE(ClickAndPump(ScreenPoint(list->Handle(), item.left + 10, (item.top + item.bottom) / 2),
                             [&] { return clicks == 1; }));
    EXPECT_EQ(list->ItemIndex(), 1);

    EXPECT_NE(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    list->SetBorderStyle(bsNone);
    EXPECT_EQ(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(list->Items()->Get(2), "gamma");
    EXPECT_EQ(list->ItemIndex(), 1);

    const HWND before = edit->Handle();
    EXPECT_TRUE(SetEnumProp(edit, "BorderStyle", "bsNone"));
    EXPECT_EQ(GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    ASSERT_EQ(recreated.size(), 1u);
    EXPECT_NE(recreated[0], before);
    EXPECT_EQ(recreated[0], edit->Handle());
    EXPECT_EQ(0xB033u, CM_RECREATEWND);
    panel->RecreateWnd();  // children are told too
    EXPECT_EQ(recreated.size(), 2u);
}

TEST_F(FrameworkStdControls, ToolBarButtonsClickAndDrawOverCustomFaces) {
    auto* tools = Make<TToolBar>(form_, 10, 10, 300, 40);
    tools->SetShowCaptions(true);
    auto* menu = new TMainMenu(form_);
    auto* item = new TMenuItem(menu);
    menu->Items()->Add(item);
    int menuClicks = 0;
    item->OnClick = [&](TObject*) { ++menuClicks; };
    auto* open = new TToolButton(tools);
    open->SetCaption("Open");
    open->SetMenuItem(item);
    auto* pin = new TToolButton(tools);
    pin->SetCaption("Pin");
    pin->SetStyle(tbsCheck);
    int pinClicks = 0;
    pin->OnClick = [&](TObject*) { ++pinClicks; };
    std::set<TToolButton*> customDrawn;
    tools->OnCustomDrawButton = [&](TToolBar* sender, TToolButton* button, TCustomDrawState, bool& defaultDraw) {
        customDrawn.insert(button);
        if (button != open) return;
        sender->Canvas()->Brush()->SetColor(clLime);
        sender->Canvas()->FillRect(sender->ButtonRect(button->Index()));
        defaultDraw = false;
    };
    ShowForm();

    ASSERT_EQ(tools->ButtonCount(), 2);
    const RECT openRect = tools->ButtonRect(0);
    const RECT pinRect = tools->ButtonRect(1);
    EXPECT_GE(pinRect.left, openRect.right);
    EXPECT_GT(openRect.right - openRect.left, 0);
    EXPECT_EQ(customDrawn, (std::set<TToolButton*>{open, pin}));
    // The handler's face stays under the bar's caption.
    EXPECT_EQ(ClientPixel(tools->Handle(), openRect.left + 2, openRect.top + 2), ColorToRGB(clLime));

    ASSERT_TRUE(ClickAndPump(ScreenPoint(tools->Handle(), (pinRect.left + pinRect.right) / 2, pinRect.top + 5),
                             [&] { return pinClicks == 1; }));
    EXPECT_TRUE(pin->Down());
    ASSERT_TRUE(ClickAndPump(ScreenPoint(tools->Handle(), (openRect.left + openRect.right) / 2, openRect.top + 5),
                             [&] { return menuClicks == 1; }));

    pin->Free();
    EXPECT_EQ(tools->ButtonCount(), 1);
    EXPECT_EQ(SendMessageW(tools->Handle(), TB_BUTTONCOUNT, 0, 0), 1);
}

TEST_F(FrameworkStdControls, BitBtnDrawsItsGlyphFramesItself) {
    auto* bit = Make<TBitBtn>(form_, 20, 20, 60, 40);
    TBitmap glyph;
    glyph.SetSize(32, 16);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(RECT{0, 0, 16, 16});
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(RECT{16, 0, 32, 16});
    glyph.SetTransparentColor(clFuchsia);
    bit->SetGlyph(&glyph);
    bit->SetNumGlyphs(2);
    ShowForm();
    EXPECT_EQ(GetWindowLongPtrW(bit->Handle(), GWL_STYLE) & 0x0F, BS_OWNERDRAW);
    // No caption: the glyph is centred.
    EXPECT_EQ(ClientPixel(bit->Handle(), 30, 20), RGB(255, 0, 0));

    bit->SetDefault(true);  // the default frame, still drawn by the framework
    EXPECT_EQ(GetWindowLongPtrW(bit->Handle(), GWL_STYLE) & 0x0F, BS_OWNERDRAW);
    bit->SetEnabled(false);
    UpdateWindow(bit->Handle());
    EXPECT_EQ(ClientPixel(bit->Handle(), 30, 20), RGB(0, 0, 255));  // the second frame
    bit->SetNumGlyphs(1);
    UpdateWindow(bit->Handle());
    EXPECT_EQ(ClientPixel(bit->Handle(), 30, 20), ColorToRGB(clBtnShadow));  // grayed
}

}  // namespace
