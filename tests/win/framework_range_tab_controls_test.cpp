// Combo boxes, tabs and pages, progress and track bars, up-downs and spin edits, headers and list
// views, glyph check boxes: their published properties by name, real input on them, their windows.
#include "support/send_input.h"
#include "framework/typinfo.h"
#include "framework/win/framework.h"
#include "support/message_pump.h"
#include "support/window_probe.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

using testing_support::PumpMessagesFor;
using testing_support::PumpMessagesUntil;
using testing_support::PumpPendingMessages;

namespace {

using testing_support::ClassOf;
using testing_support::ClickAndPump;
using testing_support::ClientPixel;
using testing_support::KeyInput;
using testing_support::MouseInput;
using testing_support::ScreenPoint;
using testing_support::SendInputAndPump;

INPUT MoveTo(POINT screen) { return MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen); }

// Presses the keys in order and lets them go in reverse order.
std::vector<INPUT> Chord(std::vector<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(KeyInput(key, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    return inputs;
}

POINT RectCentre(HWND window, const RECT& r) {
    return ScreenPoint(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class FrameworkRangeTabControls : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = new TForm(nullptr);
        form_->SetBounds(60, 60, 560, 420);
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

TEST_F(FrameworkRangeTabControls, PropertiesReadByNameAndWindowsAreWhatTheSkinExpects) {
    auto* combo = Make<TComboBox>(form_, 10, 10, 120, 21);
    combo->Items()->SetText("b\r\na\r\nc");
    combo->SetItemIndex(1);
    auto* comboEx = Make<TComboBoxEx>(form_, 140, 10, 120, 22);
    TComboExItem* exItem = comboEx->ItemsEx()->AddItem("first", 2);
    auto* pages = Make<TPageControl>(form_, 10, 40, 200, 120);
    auto* sheet = new TTabSheet(form_);
    sheet->SetCaption("One");
    sheet->SetPageControl(pages);
    auto* tabs = Make<TTabControl>(form_, 220, 40, 150, 60);
    tabs->Tabs()->SetText("x\r\ny");
    auto* tabSet = Make<TTabSet>(form_, 10, 170, 200, 21);
    auto* progress = Make<TProgressBar>(form_, 220, 110, 150, 16);
    auto* track = Make<TTrackBar>(form_, 220, 130, 150, 45);
    auto* upDown = Make<TUpDown>(form_, 380, 10, 17, 25);
    auto* spin = Make<TSpinEdit>(form_, 380, 40, 80, 21);
    auto* header = Make<THeaderControl>(form_, 10, 200, 200, 17);
    THeaderSection* section = header->Sections()->Add();
    section->SetText("Name");
    auto* list = Make<TListView>(form_, 220, 200, 200, 100);
    TListColumn* column = list->Columns()->Add();
    column->SetCaption("Col");
    auto* glyph = Make<TGlyphCheckBox>(form_, 10, 230, 120, 17);
    form_->HandleNeeded();

    const std::vector<std::tuple<TObject*, const char*, std::string>> expected = {
        {combo, "Style", "csDropDown"},
        {combo, "ItemIndex", "1"},
        {combo, "Sorted", "False"},
        {combo, "DropDownCount", "8"},
        {combo, "Text", "a"},
        {comboEx, "ItemIndex", "-1"},
        {exItem, "Caption", "first"},
        {exItem, "ImageIndex", "2"},
        {pages, "ActivePageIndex", "0"},
        {pages, "TabPosition", "tpTop"},
        {pages, "MultiLine", "False"},
        {sheet, "Caption", "One"},
        {sheet, "TabVisible", "True"},
        {sheet, "PageIndex", "0"},
        {sheet, "ParentBackground", "False"},
        {tabs, "TabIndex", "0"},
        {tabSet, "TabIndex", "-1"},
        {tabSet, "StartMargin", "5"},
        {tabSet, "EndMargin", "5"},
        {tabSet, "FirstIndex", "0"},
        {progress, "Min", "0"},
        {progress, "Max", "100"},
        {progress, "Step", "10"},
        {progress, "Orientation", "pbHorizontal"},
        {progress, "Smooth", "False"},
        {track, "Max", "10"},
        {track, "Orientation", "trHorizontal"},
        {track, "Frequency", "1"},
        {track, "LineSize", "1"},
        {track, "PageSize", "2"},
        {track, "ThumbLength", "20"},
        {track, "TickMarks", "tmBottomRight"},
        {track, "TickStyle", "tsAuto"},
        {upDown, "Max", "100"},
        {upDown, "Increment", "1"},
        {upDown, "Orientation", "udVertical"},
        {upDown, "Wrap", "False"},
        {spin, "Value", "0"},
        {spin, "Increment", "1"},
        {section, "Text", "Name"},
        {section, "Width", "50"},
        {section, "Alignment", "taLeftJustify"},
        {list, "ViewStyle", "vsIcon"},
        {list, "RowSelect", "False"},
        {list, "GridLines", "False"},
        {column, "Caption", "Col"},
        {glyph, "UseCustomGlyphs", "False"},
        {glyph, "transparentcolor", std::to_string(0xFF00FF)},
        {glyph, "Checked", "False"},
    };
    for (const auto& [object, name, value] : expected) {
        EXPECT_EQ(GetPropValue(object, name).value_or("<missing>"), value) << object->ClassName() << "." << name;
    }
    for (const auto& [object, name] : std::vector<std::pair<TObject*, const char*>>{{combo, "Items"},
                                                                                    {pages, "ActivePage"},
                                                                                    {tabs, "Tabs"},
                                                                                    {tabSet, "Tabs"},
                                                                                    {upDown, "Associate"},
                                                                                    {header, "Sections"},
                                                                                    {list, "Columns"},
                                                                                    {list, "Items"},
                                                                                    {list, "SmallImages"},
                                                                                    {glyph, "CustomGlyphs"},
                                                                                    {comboEx, "Images"}}) {
        EXPECT_TRUE(IsPublishedProp(object, name)) << object->ClassName() << "." << name;
    }
    EXPECT_EQ(GetObjectProp(pages, "ActivePage"), sheet);

    // Class names the skin looks for, and the windows under them.
    EXPECT_EQ(ClassOf(tabSet->Handle()), L"TTabSet");
    EXPECT_EQ(ClassOf(upDown->Handle()), L"TUpDown");
    EXPECT_EQ(ClassOf(spin->Handle()), L"TSpinEdit");
    EXPECT_EQ(ClassOf(glyph->Handle()), L"TGlyphCheckBox");
    EXPECT_TRUE(list->InheritsFrom("TCustomListView"));
    ASSERT_GT(tabSet->ComponentCount(), 0);
    EXPECT_EQ(tabSet->Components(0), tabSet->Scroller());
    EXPECT_TRUE(tabSet->Components(0)->InheritsFrom("TUpDown"));
    ASSERT_NE(spin->UpDownWindow(), nullptr);
    EXPECT_EQ(ClassOf(spin->UpDownWindow()), L"msctls_updown32");
    EXPECT_EQ(GetParent(spin->UpDownWindow()), spin->Handle());

    // Progress positions stay in the range; a step past the end starts again at the beginning.
    progress->SetPosition(150);
    EXPECT_EQ(GetIntProp(progress, "Position"), 100);
    progress->SetPosition(-5);
    EXPECT_EQ(progress->Position(), 0);
    EXPECT_TRUE(SetIntProp(progress, "Position", 95));
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 5);
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 5);
    progress->SetMax(3);
    EXPECT_EQ(progress->Position(), 3);

    // Items and selection survive a re-created window.
    combo->SetSorted(true);
    EXPECT_EQ(combo->Items()->Text(), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(combo->Text(), "a");
    EXPECT_TRUE(SetEnumProp(combo, "Style", "csDropDownList"));
    EXPECT_EQ(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetText("c");
    EXPECT_EQ(combo->ItemIndex(), 2);

    // Tabs along a side come in rows.
    const std::vector<std::pair<const char*, LONG_PTR>> positions = {
        {"tpBottom", TCS_BOTTOM},
        {"tpLeft", TCS_VERTICAL | TCS_MULTILINE},
        {"tpRight", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE},
        {"tpTop", 0}};
    for (const auto& [position, bits] : positions) {
        ASSERT_TRUE(SetEnumProp(pages, "TabPosition", position));
        const LONG_PTR style = GetWindowLongPtrW(pages->Handle(), GWL_STYLE);
        EXPECT_EQ(style & (TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE), bits) << position;
        EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1) << position;
    }

    // Report view: a header window with the columns; many rows bring a vertical scroll bar.
    EXPECT_TRUE(SetEnumProp(list, "ViewStyle", "vsReport"));
    const HWND listHeader = list->HeaderWindow();
    ASSERT_NE(listHeader, nullptr);
    EXPECT_EQ(ClassOf(listHeader), L"SysHeader32");
    EXPECT_EQ(SendMessageW(listHeader, HDM_GETITEMCOUNT, 0, 0), 1);
    list->Columns()->Add()->SetCaption("Sub");
    for (int i = 0; i < 20; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("row " + std::to_string(i));
        item->SubItems()->Add("sub " + std::to_string(i));
    }
    EXPECT_EQ(SendMessageW(listHeader, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 20);
    wchar_t text[32] = {};
    LVITEMW read{};
    read.iSubItem = 1;
    read.pszText = text;
    read.cchTextMax = 32;
    SendMessageW(list->Handle(), LVM_GETITEMTEXTW, 3, reinterpret_cast<LPARAM>(&read));
    EXPECT_STREQ(text, L"sub 3");
    EXPECT_NE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    list->SetItemIndex(4);
    EXPECT_TRUE(SetEnumProp(list, "RowSelect", "True"));
    EXPECT_TRUE(SetEnumProp(list, "ViewStyle", "vsList"));
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_EQ(SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(FrameworkRangeTabControls, ComboOpensByClickAndKeyboardAndAPickedItemChangesItOnce) {
    auto* combo = Make<TComboBox>(form_, 20, 20, 150, 21);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("alpha\r\nbeta\r\ngamma\r\ndelta");
    int changes = 0, selects = 0, drops = 0, closes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->OnSelect = [&](TObject*) { ++selects; };
    combo->OnDropDown = [&](TObject*) { ++drops; };
    combo->OnCloseUp = [&](TObject*) { ++closes; };
    ShowForm();
    HWND window = combo->Handle();
    RECT client{};
    GetClientRect(window, &client);
    ASSERT_TRUE(
        ClickAndPump(ScreenPoint(window, client.right - 8, client.bottom / 2), [&] { return combo->DroppedDown(); }));
    EXPECT_EQ(drops, 1);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(window, &info));
    RECT item{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    ASSERT_TRUE(ClickAndPump(RectCentre(info.hwndList, item), [&] { return !combo->DroppedDown(); }));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(GetPropValue(combo, "Text"), "gamma");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(closes, 1);

    // F4 opens, Down moves to the next item, Enter closes.
    changes = 0;
    combo->SetFocus();
    ASSERT_TRUE(SendInputAndPump(Chord({VK_F4}), [&] { return combo->DroppedDown(); }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_DOWN}), [&] { return combo->ItemIndex() == 3; }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_RETURN}), [&] { return !combo->DroppedDown(); }));
    EXPECT_EQ(combo->Text(), "delta");
    EXPECT_EQ(changes, 1);
    // Alt+Down opens too; Escape closes without a change.
    ASSERT_TRUE(SendInputAndPump(Chord({VK_MENU, VK_DOWN}), [&] { return combo->DroppedDown(); }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_ESCAPE}), [&] { return !combo->DroppedDown(); }));
    EXPECT_EQ(drops, 3);
    EXPECT_EQ(closes, 3);
}

TEST_F(FrameworkRangeTabControls, PageControlSwitchesPagesByClickAndCtrlTab) {
    auto* pages = Make<TPageControl>(form_, 10, 10, 300, 200);
    std::vector<TTabSheet*> sheets;
    std::vector<TEdit*> edits;
    for (const char* caption : {"First", "Second", "Third"}) {
        auto* sheet = new TTabSheet(form_);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
        sheets.push_back(sheet);
        edits.push_back(Make<TEdit>(sheet, 10, 10, 100, 21));
    }
    int changes = 0, changing = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->OnChanging = [&](TObject*, bool&) { ++changing; };
    ShowForm();
    auto onlyVisible = [&](int index) {
        for (int i = 0; i < 3; ++i) {
            if ((IsWindowVisible(sheets[static_cast<std::size_t>(i)]->Handle()) != FALSE) != (i == index)) return false;
        }
        return pages->ActivePageIndex() == index;
    };
    ASSERT_TRUE(onlyVisible(0));
    // The page fills the display area inside the tabs.
    const RECT display = pages->DisplayRect();
    EXPECT_EQ(sheets[0]->Left(), display.left);
    EXPECT_EQ(sheets[0]->Top(), display.top);
    EXPECT_EQ(sheets[0]->Width(), display.right - display.left);

    ASSERT_TRUE(ClickAndPump(RectCentre(pages->Handle(), pages->TabRect(1)), [&] { return onlyVisible(1); }));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(GetIntProp(pages, "ActivePageIndex"), 1);

    pages->SetFocus();
    ASSERT_TRUE(SendInputAndPump(Chord({VK_CONTROL, VK_TAB}), [&] { return onlyVisible(2); }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_CONTROL, VK_TAB}), [&] { return onlyVisible(0); }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_CONTROL, VK_SHIFT, VK_TAB}), [&] { return onlyVisible(2); }));
    EXPECT_EQ(changes, 4);

    // From an edit inside a page the form hands Ctrl+Tab to the page control.
    edits[2]->SetFocus();
    ASSERT_TRUE(SendInputAndPump(
        Chord({VK_CONTROL, VK_TAB}), [&] { return onlyVisible(0); }, true));
    // A refused change keeps the page.
    int refused = 0;
    pages->OnChanging = [&](TObject*, bool& allow) {
        allow = false;
        ++refused;
    };
    // Away from the first click on this tab, so that it does not count as a double click.
    const RECT second = pages->TabRect(1);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(pages->Handle(), second.left + 6, (second.top + second.bottom) / 2),
                             [&] { return refused == 1; }));
    EXPECT_TRUE(onlyVisible(0));
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 0);
    // A hidden tab leaves the row; its page can still be shown from code.
    sheets[1]->SetTabVisible(false);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    pages->SetActivePage(sheets[2]);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(FrameworkRangeTabControls, TabControlAndTabSetFollowClicksAndTheScrollerScrolls) {
    auto* tabs = Make<TTabControl>(form_, 10, 10, 300, 80);
    tabs->Tabs()->SetText("one\r\ntwo\r\nthree");
    int tabChanges = 0;
    tabs->OnChange = [&](TObject*) { ++tabChanges; };
    auto* tabSet = Make<TTabSet>(form_, 10, 120, 160, 21);
    for (int i = 0; i < 10; ++i) tabSet->Tabs()->Add("Tab " + std::to_string(i));
    std::vector<int> requested;
    tabSet->OnChange = [&](TObject*, int newTab, bool&) { requested.push_back(newTab); };
    ShowForm();
    ASSERT_TRUE(ClickAndPump(RectCentre(tabs->Handle(), tabs->TabRect(2)), [&] { return tabs->TabIndex() == 2; }));
    EXPECT_EQ(tabChanges, 1);

    // Ten tabs do not fit in 160 pixels: the scroller shows at the right end.
    const HWND scroller = tabSet->Scroller()->Handle();
    EXPECT_NE(IsWindowVisible(scroller), FALSE);
    EXPECT_TRUE(tabSet->Layout().Overflow);
    RECT scrollerRect{};
    GetWindowRect(scroller, &scrollerRect);
    MapWindowPoints(nullptr, tabSet->Handle(), reinterpret_cast<POINT*>(&scrollerRect), 2);
    EXPECT_EQ(scrollerRect.right, tabSet->ClientWidth());
    const TTabSetLayout before = tabSet->Layout();
    ASSERT_GE(before.Lefts.size(), 2U);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(tabSet->Handle(), (before.Lefts[1] + before.Rights[1]) / 2, 8),
                             [&] { return tabSet->TabIndex() == 1; }));
    EXPECT_EQ(requested, std::vector<int>{1});
    // The right arrow of the scroller moves the strip on by one tab.
    ASSERT_TRUE(ClickAndPump(ScreenPoint(scroller, (scrollerRect.right - scrollerRect.left) * 3 / 4, 6),
                             [&] { return tabSet->FirstIndex() == 1; }));
    EXPECT_EQ(GetIntProp(tabSet, "FirstIndex"), 1);
    EXPECT_EQ(tabSet->Layout().Lefts.front(), tabSet->StartMargin());
    // The selected tab is drawn in the face colour, the others in the window colour.
    const TTabSetLayout& now = tabSet->Layout();
    UpdateWindow(tabSet->Handle());
    EXPECT_EQ(ClientPixel(tabSet->Handle(), now.Lefts[0] + 10, 3), ColorToRGB(clBtnFace));
    EXPECT_EQ(ClientPixel(tabSet->Handle(), now.Lefts[1] + 10, 3), ColorToRGB(clWindow));
}

TEST_F(FrameworkRangeTabControls, TrackBarFollowsADraggedThumbAndAnswersCustomDrawThroughAHook) {
    auto* track = Make<TTrackBar>(form_, 20, 20, 220, 45);
    int changes = 0;
    track->OnChange = [&](TObject*) { ++changes; };
    int prePaints = 0, itemPrePaints = 0;
    track->AddMessageHook(this, [&](TMessage& message, const TMessageNext& next) {
        if (message.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == NM_CUSTOMDRAW) {
            const auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(message.LParam);
            if (draw->dwDrawStage == CDDS_PREPAINT) {
                ++prePaints;
                message.Result = CDRF_NOTIFYITEMDRAW;
                return;
            }
            if (draw->dwDrawStage == CDDS_ITEMPREPAINT) ++itemPrePaints;
        }
        next(message);
    });
    ShowForm();
    HWND window = track->Handle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(prePaints, 0);
    // Item stages come only because the hook's answer reached the track bar.
    EXPECT_GT(itemPrePaints, 0);

    RECT thumb{};
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const POINT start = RectCentre(window, thumb);
    std::vector<INPUT> drag{MoveTo(start), MouseInput(MOUSEEVENTF_LEFTDOWN)};
    for (int dx = 20; dx <= 120; dx += 20) drag.push_back(MoveTo(POINT{start.x + dx, start.y}));
    drag.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    ASSERT_TRUE(SendInputAndPump(drag, [&] { return GetKeyState(VK_LBUTTON) >= 0 && track->Position() >= 4; }));
    EXPECT_GE(track->Position(), 4);
    EXPECT_GT(changes, 0);
    EXPECT_EQ(GetIntProp(track, "Position"), track->Position());
    track->RemoveMessageHook(this);
}

TEST_F(FrameworkRangeTabControls, UpDownArrowsChangeTheBuddyAndTheSpinEditValue) {
    auto* edit = Make<TEdit>(form_, 20, 20, 80, 21);
    auto* upDown = Make<TUpDown>(form_, 100, 20, 17, 21);
    upDown->SetPosition(5);
    upDown->SetAssociate(edit);
    std::vector<TUDBtnType> clicks;
    upDown->OnClick = [&](TObject*, TUDBtnType button) { clicks.push_back(button); };
    auto* spin = Make<TSpinEdit>(form_, 20, 80, 100, 22);
    spin->SetIncrement(2);
    spin->SetMaxValue(5);
    ShowForm();
    EXPECT_EQ(edit->Text(), "5");
    EXPECT_TRUE(SetObjectProp(upDown, "Associate", edit));
    // The arrows sit right of their buddy.
    RECT buddy{}, arrows{};
    GetWindowRect(edit->Handle(), &buddy);
    GetWindowRect(upDown->Handle(), &arrows);
    EXPECT_EQ(arrows.left, buddy.right);

    HWND window = upDown->Handle();
    RECT r{};
    GetClientRect(window, &r);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(window, r.right / 2, r.bottom / 4), [&] { return edit->Text() == "6"; }));
    EXPECT_EQ(upDown->Position(), 6);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(window, r.right / 2, r.bottom * 3 / 4), [&] { return edit->Text() == "5"; }));
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btPrev}));

    HWND arrowsInside = spin->UpDownWindow();
    GetClientRect(arrowsInside, &r);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(arrowsInside, r.right / 2, r.bottom / 4), [&] { return spin->Value() == 2; }));
    ASSERT_TRUE(ClickAndPump(ScreenPoint(arrowsInside, r.right / 2, r.bottom / 4), [&] { return spin->Value() == 4; }));
    // Held at MaxValue.
    ASSERT_TRUE(
        ClickAndPump(ScreenPoint(arrowsInside, r.right / 2, r.bottom / 4), [&] { return spin->Text() == "5"; }));
    ASSERT_TRUE(
        ClickAndPump(ScreenPoint(arrowsInside, r.right / 2, r.bottom * 3 / 4), [&] { return spin->Value() == 3; }));
    spin->SetFocus();
    ASSERT_TRUE(SendInputAndPump(Chord({VK_DOWN}), [&] { return spin->Value() == 1; }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_UP}), [&] { return spin->Value() == 3; }));
    EXPECT_EQ(GetIntProp(spin, "Value"), 3);
}

TEST_F(FrameworkRangeTabControls, GlyphCheckBoxTogglesAndDrawsFromItsCustomGlyphs) {
    auto* check = Make<TGlyphCheckBox>(form_, 20, 20, 140, 20);
    check->SetCaption("Glyphs");
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    // Nine 12x12 frames, each its own colour, with a transparent top-left pixel.
    auto frameColor = [](int frame) { return RGB(20 * frame, 160, 255 - 20 * frame); };
    TBitmap strip;
    strip.SetSize(9 * 12, 12);
    for (int frame = 0; frame < 9; ++frame) {
        strip.Canvas()->Brush()->SetColor(static_cast<TColor>(frameColor(frame)));
        strip.Canvas()->FillRect(RECT{frame * 12, 0, frame * 12 + 12, 12});
        strip.Canvas()->SetPixel(frame * 12, 0, clFuchsia);
    }
    ASSERT_TRUE(SetObjectProp(check, "CustomGlyphs", &strip));
    ShowForm();
    HWND window = check->Handle();
    auto glyphPixel = [&](int x, int y) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const RECT glyph = check->GlyphRect();
        return ClientPixel(window, glyph.left + x, glyph.top + y);
    };
    // The built-in look until UseCustomGlyphs.
    EXPECT_NE(glyphPixel(6, 6), frameColor(0));
    ASSERT_TRUE(SetEnumProp(check, "UseCustomGlyphs", "True"));
    EXPECT_EQ(check->GlyphRect().right - check->GlyphRect().left, 12);
    EXPECT_EQ(glyphPixel(6, 6), frameColor(0));
    EXPECT_EQ(glyphPixel(0, 0), ColorToRGB(check->Color()));

    ASSERT_TRUE(ClickAndPump(ScreenPoint(window, 40, 10), [&] { return check->Checked(); }));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetEnumProp(check, "Checked"), "True");
    EXPECT_EQ(glyphPixel(6, 6), frameColor(1));
    check->SetEnabled(false);
    EXPECT_EQ(glyphPixel(6, 6), frameColor(7));  // the disabled group comes last
    check->SetEnabled(true);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(window, 40, 10), [&] { return !check->Checked(); }));
    EXPECT_EQ(clicks, 2);
    // Glyphs drawn into the strip afterwards show once UseCustomGlyphs is set again.
    check->CustomGlyphs()->Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(1, 2, 3)));
    check->CustomGlyphs()->Canvas()->FillRect(RECT{0, 0, 12, 12});
    check->SetUseCustomGlyphs(true);
    EXPECT_EQ(glyphPixel(6, 6), RGB(1, 2, 3));

    // Radio buttons: a six-frame strip; checking one unchecks its sibling.
    auto* first = Make<TGlyphRadioButton>(form_, 20, 60, 140, 20);
    auto* second = Make<TGlyphRadioButton>(form_, 20, 90, 140, 20);
    TBitmap radios;
    radios.SetSize(6 * 10, 10);
    for (int frame = 0; frame < 6; ++frame) {
        radios.Canvas()->Brush()->SetColor(static_cast<TColor>(frameColor(frame)));
        radios.Canvas()->FillRect(RECT{frame * 10, 0, frame * 10 + 10, 10});
    }
    second->SetCustomGlyphs(&radios);
    second->SetUseCustomGlyphs(true);
    first->SetChecked(true);
    ASSERT_TRUE(ClickAndPump(ScreenPoint(second->Handle(), 40, 10), [&] { return second->Checked(); }));
    EXPECT_FALSE(first->Checked());
    RedrawWindow(second->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const RECT glyph = second->GlyphRect();
    EXPECT_EQ(ClientPixel(second->Handle(), glyph.left + 5, glyph.top + 5), frameColor(1));
}

TEST_F(FrameworkRangeTabControls, ExtendedAndOwnerDrawnCombosAndHeaderSectionsFollowTheirItems) {
    TCustomImageList images(nullptr, 16, 16);
    auto* comboEx = Make<TComboBoxEx>(form_, 20, 20, 160, 22);
    ASSERT_TRUE(SetObjectProp(comboEx, "Images", &images));
    comboEx->ItemsEx()->AddItem("red", 0);
    comboEx->ItemsEx()->AddItem("green", 1);
    comboEx->ItemsEx()->AddItem("blue", 2);
    comboEx->ItemsEx()->Items(1)->SetCaption("lime");
    int exChanges = 0;
    comboEx->OnChange = [&](TObject*) { ++exChanges; };
    auto* drawn = Make<TComboBox>(form_, 20, 60, 160, 21);
    drawn->SetStyle(csOwnerDrawFixed);
    drawn->SetItemHeight(20);
    drawn->Items()->SetText("one\r\ntwo");
    drawn->SetItemIndex(1);
    std::vector<int> drawnItems;
    drawn->OnDrawItem = [&](TWinControl* control, int index, const RECT& rect, TOwnerDrawState) {
        drawnItems.push_back(index);
        EXPECT_EQ(control, drawn);
        drawn->Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(0, 128, 0)));
        drawn->Canvas()->FillRect(rect);
    };
    auto* header = Make<THeaderControl>(form_, 20, 100, 300, 20);
    for (const char* text : {"Name", "Size"}) header->Sections()->Add()->SetText(text);
    std::vector<int> clickedSections;
    header->OnSectionClick = [&](THeaderControl*, THeaderSection* section) {
        clickedSections.push_back(section->Index());
    };
    ShowForm();

    // Every item reaches the window with its caption and image.
    HWND window = comboEx->Handle();
    ASSERT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
    wchar_t caption[16] = {};
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = 1;
    item.pszText = caption;
    item.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(window, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(caption, L"lime");
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(window, CBEM_GETIMAGELIST, 0, 0)), images.Handle());
    // Opened from code, picked by keyboard.
    comboEx->SetFocus();
    comboEx->SetDroppedDown(true);
    ASSERT_TRUE(PumpMessagesUntil([&] { return comboEx->DroppedDown(); }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_DOWN}), [&] { return comboEx->ItemIndex() == 0; }));
    ASSERT_TRUE(SendInputAndPump(Chord({VK_RETURN}), [&] { return !comboEx->DroppedDown(); }));
    EXPECT_EQ(comboEx->ItemIndex(), 0);
    EXPECT_EQ(exChanges, 1);
    // The selection survives a new window.
    EXPECT_TRUE(SetEnumProp(comboEx, "Style", "csExDropDown"));
    EXPECT_EQ(comboEx->ItemIndex(), 0);
    EXPECT_EQ(SendMessageW(comboEx->Handle(), CB_GETCOUNT, 0, 0), 3);

    // The owner-drawn combo paints its selection field through OnDrawItem.
    RedrawWindow(drawn->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ASSERT_FALSE(drawnItems.empty());
    EXPECT_EQ(drawnItems.back(), 1);
    EXPECT_EQ(ClientPixel(drawn->Handle(), 10, 8), RGB(0, 128, 0));

    // Header sections: in the window, clickable, and their widths read back.
    ASSERT_EQ(SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
    header->Sections()->Items(0)->SetWidth(120);
    const RECT size = header->SectionRect(1);
    EXPECT_EQ(size.left, 120);
    ASSERT_TRUE(ClickAndPump(RectCentre(header->Handle(), size), [&] { return !clickedSections.empty(); }));
    EXPECT_EQ(clickedSections, std::vector<int>{1});
    EXPECT_EQ(GetIntProp(header->Sections()->Items(0), "Width"), 120);
}

}  // namespace
