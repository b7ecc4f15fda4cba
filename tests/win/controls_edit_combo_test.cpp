// Edit and combo box skins under Wine: the combo's frame and button follow its state on both of
// our skins (also mirrored for a right-to-left combo), real input on a skinned combo picks what
// it picks on an unskinned twin, detaching puts every procedure back, edits get the flat border.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/win/combo_box.h"
#include "framework/win/framework.h"
#include "skin/controls/win/control_attachment.h"
#include "skin/controls/win/skin_combo_box.h"
#include "skin/controls/win/skin_edit.h"
#include "skin/controls/win/skin_scroll_bars.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/data/skin_image.h"
#include "support/control_forms.h"
#include "support/control_skins.h"
#include "control_pixels.h"
#include "support/message_pump.h"
#include "support/parent_window.h"

namespace {

using skin::win::TSkinComBox;
using skin::win::TSkinEdit;
using testing_support::kUnpainted;
using testing_support::SkinOf;

const testing_support::ParentKind kEditComboParent{L"EditComboTestParent", L"Polja", 360, 260};

HWND CreateCombo(HWND parent, DWORD kind, int x, int y, DWORD exStyle = 0) {
    const HWND combo =
        CreateWindowExW(exStyle, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | kind, x, y, 150,
                        kind == CBS_SIMPLE ? 90 : 160, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const wchar_t* item : {L"Prvi", L"Drugi", L"Treci", L"Cetvrti", L"Peti", L"Sesti", L"Sedmi", L"Osmi"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return combo;
}

// The combo as the skin draws it in `state`. Our skins have the whole combo (edge, button and
// arrow) in one image per state, nine-sliced over the window; its mirror for a right-to-left
// combo. The text field is transparent in it and not compared.
skin::Bitmap ExpectedCombo(const skin::win::TSkinData& data, int w, int h, int state, bool left, RECT& field) {
    const auto& o = data.Objects();
    EXPECT_EQ(o.ComboButton->Style, 2);
    const skin::TDataSkinObject& whole = left ? *o.SunkEdge : *o.ComboButton;
    skin::Bitmap e(w, h, kUnpainted);
    skin::DrawSkinObject(e, {0, 0, w, h}, whole.Map, false, whole.Tile != 0, true, whole.FrameCount, state,
                         whole.Margins);
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    field = left ? RECT{a + 4, 2, w - 2, h - 2} : RECT{2, 2, w - a - 4, h - 2};
    return e;
}

// Mismatching pixels once the combo's paints settled (polled for up to a second).
int ComboMismatches(const skin::win::TSkinData& data, HWND combo, int state, bool left) {
    RECT r{};
    GetWindowRect(combo, &r);
    RECT field{};
    const skin::Bitmap expected = ExpectedCombo(data, r.right - r.left, r.bottom - r.top, state, left, field);
    int mismatches = -1;
    testing_support::PumpMessagesUntil(
        [&] {
            mismatches = testing_support::CountMismatches(testing_support::ScreenOfWindow(combo), expected, field);
            return mismatches == 0;
        },
        1000);
    return mismatches;
}

class ControlsEditCombo : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { Application->Initialize(); }
};

TEST_P(ControlsEditCombo, ComboFrameAndButtonFollowTheState) {
    auto data = form_test::LoadSkin(GetParam());
    ASSERT_TRUE(data->Objects().ComboButton && data->Objects().SunkEdge && data->Objects().ExtraImages);
    const HWND parent = testing_support::CreateParent(kEditComboParent, 20, 20);
    const HWND list = CreateCombo(parent, CBS_DROPDOWNLIST, 20, 20);
    const HWND rtl = CreateCombo(parent, CBS_DROPDOWNLIST, 20, 70, WS_EX_LEFTSCROLLBAR);
    SendMessageW(list, CB_SETCURSEL, 1, 0);
    auto formSkin = form_test::AttachSkin(*data, parent);
    skin::win::SkinChildWindows(*formSkin, parent);
    ASSERT_NE(SkinOf<TSkinComBox>(*formSkin, list), nullptr);
    ASSERT_NE(SkinOf<TSkinComBox>(*formSkin, rtl), nullptr);
    EXPECT_EQ(SkinOf<TSkinComBox>(*formSkin, list)->EditHandle(), nullptr);  // a drop-down list has no edit
    SetForegroundWindow(parent);
    SetFocus(parent);
    testing_support::RunInput([] { form_test::MoveMouseTo(POINT{700, 500}); });
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpMessagesFor(100);
    EXPECT_EQ(ComboMismatches(*data, list, 1, false), 0) << "normal";
    // A right-to-left combo is drawn with its button where the system put it (Wine keeps it on
    // the right; Windows moves it to the left): mirrored only then.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(rtl, &info));
    RECT rtlRect{};
    GetClientRect(rtl, &rtlRect);
    const bool buttonLeft = info.rcButton.left < rtlRect.right / 2;
    EXPECT_EQ(ComboMismatches(*data, rtl, 1, buttonLeft), 0) << "right to left";
    EXPECT_GT(ComboMismatches(*data, rtl, 1, !buttonLeft), 0) << "the other look differs";

    RECT r{};
    GetWindowRect(list, &r);
    testing_support::RunInput([&] { form_test::MoveMouseTo(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}); });
    // What the skin shows once the input has been handled (a loaded machine may take a moment).
    auto settled = [&](int state) {
        int mismatches = ComboMismatches(*data, list, state, false);
        for (int tries = 0; tries < 40 && mismatches != 0; ++tries) {
            testing_support::PumpMessagesFor(50);
            mismatches = ComboMismatches(*data, list, state, false);
        }
        return mismatches;
    };
    EXPECT_EQ(settled(4), 0) << "hot";
    int pressedMismatches = -1;
    testing_support::RunInput([&] {
        form_test::MoveMouseTo(POINT{r.right - 6, (r.top + r.bottom) / 2});
        Sleep(30);
        form_test::MouseButton(true);
        Sleep(300);
    });
    pressedMismatches = settled(2);
    testing_support::RunInput([] {
        form_test::MouseButton(false);
        Sleep(50);
        form_test::TapKey(VK_ESCAPE);
        Sleep(50);
        form_test::MoveMouseTo(POINT{700, 500});
    });
    EXPECT_EQ(pressedMismatches, 0) << "pressed";
    SetFocus(parent);
    EnableWindow(list, FALSE);
    testing_support::PumpMessagesFor(100);
    EXPECT_EQ(settled(3), 0) << "disabled";
    formSkin.reset();
    DestroyWindow(parent);
}

INSTANTIATE_TEST_SUITE_P(BothSkins, ControlsEditCombo, ::testing::Values("graphite", "meadow"));

// Picks items by mouse and by keyboard on a skinned combo and on an unskinned twin.
std::vector<int> PickItems(HWND combo) {
    std::vector<int> picked;
    RECT r{};
    GetWindowRect(combo, &r);
    const int rowHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    testing_support::RunInput([&] { testing_support::ClickAt(POINT{r.right - 6, (r.top + r.bottom) / 2}); });
    testing_support::PumpMessagesUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 2000);
    picked.push_back(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0 ? 1 : 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT listRect{};
    GetWindowRect(info.hwndList, &listRect);
    testing_support::RunInput([&] {
        testing_support::ClickAt(POINT{listRect.left + 20, listRect.top + rowHeight * 2 + rowHeight / 2});
    });
    picked.push_back(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    SetFocus(combo);
    testing_support::RunInput([] {
        form_test::TapKey(VK_F4);
        Sleep(100);
        form_test::TapKey(VK_DOWN);
        form_test::TapKey(VK_DOWN);
        Sleep(50);
        form_test::TapKey(VK_RETURN);
        Sleep(100);
    });
    picked.push_back(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    picked.push_back(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0 ? 1 : 0);
    return picked;
}

TEST(ControlsEditComboInput, SkinnedComboPicksLikeItsTwinAndDetachRestoresProcedures) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    const HWND twinParent = testing_support::CreateParent(kEditComboParent, 400, 20);
    const HWND twin = CreateCombo(twinParent, CBS_DROPDOWNLIST, 20, 20);
    SetForegroundWindow(twinParent);
    const std::vector<int> unskinned = PickItems(twin);
    DestroyWindow(twinParent);

    const HWND parent = testing_support::CreateParent(kEditComboParent, 20, 20);
    const HWND list = CreateCombo(parent, CBS_DROPDOWNLIST, 20, 20);
    const HWND drop = CreateCombo(parent, CBS_DROPDOWN, 20, 70);
    const HWND simple = CreateCombo(parent, CBS_SIMPLE, 190, 20);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(drop, &info);
    const HWND edit = info.hwndItem;
    const LONG_PTR comboProc = GetWindowLongPtrW(drop, GWLP_WNDPROC);
    const LONG_PTR editProc = GetWindowLongPtrW(edit, GWLP_WNDPROC);
    auto formSkin = form_test::AttachSkin(*data, parent);
    skin::win::SkinChildWindows(*formSkin, parent);
    // The simple combo is not chosen by the walk; its list is what gets skinned.
    auto* simpleSkin =
        static_cast<TSkinComBox*>(skin::win::CreateControlSkin(skin::controls::SkinKind::ComBox, formSkin.get()));
    simpleSkin->InitSkinHandle(simple, data.get(), formSkin.get());
    testing_support::PumpMessagesFor(100);

    auto* dropSkin = SkinOf<TSkinComBox>(*formSkin, drop);
    ASSERT_NE(dropSkin, nullptr);
    EXPECT_EQ(dropSkin->EditHandle(), edit);
    EXPECT_NE(GetWindowLongPtrW(edit, GWLP_WNDPROC), editProc);
    EXPECT_NE(GetWindowLongPtrW(drop, GWLP_WNDPROC), comboProc);
    ASSERT_NE(simpleSkin->ListSkin(), nullptr);
    EXPECT_EQ(simpleSkin->ListHandle(), simpleSkin->ListSkin()->Handle());

    SetForegroundWindow(parent);
    EXPECT_EQ(PickItems(list), unskinned);
    EXPECT_EQ(unskinned, (std::vector<int>{1, 2, 4, 0}));

    // Hot over the inner edit shows the hot frame, as over the combo itself.
    RECT er{};
    GetWindowRect(edit, &er);
    SetFocus(parent);
    testing_support::RunInput([&] {
        form_test::MoveMouseTo(POINT{(er.left + er.right) / 2, (er.top + er.bottom) / 2});
    });
    EXPECT_EQ(ComboMismatches(*data, drop, 4, false), 0);

    formSkin.reset();  // frees the control skins
    EXPECT_EQ(GetWindowLongPtrW(drop, GWLP_WNDPROC), comboProc);
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), editProc);
    EXPECT_EQ(skin::win::TSkinControl::FromWindow(simple), nullptr);
    DestroyWindow(parent);
}

// Paint messages dispatched in `milliseconds` of pumping, at most `cap`.
int PaintsWhilePumping(DWORD milliseconds, int cap) {
    int paints = 0;
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < milliseconds && paints < cap) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        if (msg.message == WM_PAINT) ++paints;
        DispatchMessageW(&msg);
    }
    return paints;
}

TEST(ControlsEditComboInput, ExtendedComboIsSkinnedInsideAndNeverPaintsForEver) {
    Application->Initialize();
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_USEREX_CLASSES};
    InitCommonControlsEx(&init);
    auto data = form_test::LoadSkin("meadow");
    const HWND parent = testing_support::CreateParent(kEditComboParent, 20, 20);
    const auto createExtended = [parent](int y) {
        const HWND extended = CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 20, y,
                                              150, 160, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const wchar_t* text : {L"Prvi", L"Drugi"}) {
            COMBOBOXEXITEMW item{};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = const_cast<wchar_t*>(text);
            SendMessageW(extended, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(extended, CB_SETCURSEL, 0, 0);
        return extended;
    };
    const HWND walked = createExtended(20);
    auto formSkin = form_test::AttachSkin(*data, parent);
    skin::win::SkinChildWindows(*formSkin, parent);
    // The walk puts the combo skin on the combo box inside.
    const HWND inner = GetWindow(walked, GW_CHILD);
    EXPECT_NE(SkinOf<TSkinComBox>(*formSkin, inner), nullptr);
    EXPECT_EQ(SkinOf<TSkinComBox>(*formSkin, walked), nullptr);

    formSkin.reset();
    DestroyWindow(parent);

    // A combo skin put on a framework extended combo's outer window (as a class mapping could)
    // sees the inner combo's item drawing; the window still settles.
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 300, 200);
    auto* extended = new TComboBoxEx(form);
    extended->SetParent(form);
    extended->SetBounds(10, 10, 150, 24);
    extended->ItemsEx()->AddItem("Prvi", -1);
    extended->SetItemIndex(0);
    form->Show();
    skin::win::TSkinForm* frameworkSkin = testing_support::SkinFrameworkForm(*data, form);
    skin::win::TSkinControl* outer = skin::win::CreateControlSkin(skin::controls::SkinKind::ComBox, extended);
    outer->InitSkin(frameworkSkin, data.get(), false);
    ASSERT_TRUE(outer->Inited());
    PaintsWhilePumping(300, 1000);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    EXPECT_LT(PaintsWhilePumping(500, 200), 20);
    delete form;
}

// Colour of the pixel `inset` pixels inside the window's top-left corner, on its left edge's middle.
base::Pixel EdgePixel(const skin::Bitmap& screen, int inset) { return screen.At(inset, screen.Height() / 2); }

TEST_P(ControlsEditCombo, EditsGetTheFlatBorderAndTheirArrowsASkin) {
    auto data = form_test::LoadSkin(GetParam());
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 360, 220);
    auto* framed = new TEdit(form);
    framed->SetParent(form);
    framed->SetBounds(10, 10, 150, 24);
    auto* plain = new TEdit(form);
    plain->SetParent(form);
    plain->SetBorderStyle(bsNone);
    plain->SetBounds(10, 50, 150, 24);
    framed->SetText("HIH");
    form->Show();
    testing_support::PumpMessagesFor(100);
    // The text as the edit draws it unskinned: the skin's border must leave all of it.
    const auto clientPixels = [](HWND edit) {
        RECT client{};
        GetClientRect(edit, &client);
        POINT origin{0, 0};
        ClientToScreen(edit, &origin);
        RECT window{};
        GetWindowRect(edit, &window);
        const skin::Bitmap whole = testing_support::ScreenOfWindow(edit);
        skin::Bitmap inside(client.right, client.bottom);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                inside.At(x, y) = whole.At(x + origin.x - window.left, y + origin.y - window.top);
        return inside;
    };
    const skin::Bitmap textBefore = clientPixels(framed->Handle());
    const HWND spin = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"5", WS_CHILD | WS_VISIBLE, 10, 90, 150, 24,
                                      form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 128, 0, 16, 20, spin, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    skin::win::TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    skin::win::SkinWindow(*formSkin, spin);
    testing_support::PumpMessagesFor(100);
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpMessagesFor(100);

    ASSERT_NE(SkinOf<TSkinEdit>(*formSkin, framed->Handle()), nullptr);
    const skin::Bitmap screen = testing_support::ScreenOfWindow(framed->Handle());
    const base::Pixel shadow = skin::ColorToPixel(ColorToRGB(data->Objects().ButtonShadowColor));
    const base::Pixel field = skin::ColorToPixel(ColorToRGB(framed->Color()));
    EXPECT_EQ(EdgePixel(screen, 0), shadow);
    EXPECT_EQ(screen.At(screen.Width() / 2, 0), shadow);
    EXPECT_EQ(screen.At(screen.Width() - 1, screen.Height() - 1), shadow);
    EXPECT_EQ(EdgePixel(screen, 1), field);
    EXPECT_EQ(EdgePixel(screen, 2), field);
    EXPECT_EQ(testing_support::CountMismatches(clientPixels(framed->Handle()), textBefore, RECT{}), 0);
    // Printed (WM_PRINT) it shows the same edge.
    base::win::DibSection printed = form_test::PrintWindowPixels(framed->Handle());
    EXPECT_EQ(form_test::RgbOf(printed.Pixels().At(0, 12)), shadow);

    // Without a border the skin leaves the edit alone.
    const skin::Bitmap bare = testing_support::ScreenOfWindow(plain->Handle());
    EXPECT_NE(EdgePixel(bare, 0), shadow);

    auto* spinSkin = SkinOf<TSkinEdit>(*formSkin, spin);
    ASSERT_NE(spinSkin, nullptr);
    ASSERT_NE(spinSkin->UpDown(), nullptr);
    EXPECT_EQ(spinSkin->UpDown()->Handle(), arrows);
    EXPECT_EQ(spinSkin->UpDown()->Placement(), skin::win::UpDownPlacement::InEdit);
    InvalidateRect(spin, nullptr, TRUE);
    testing_support::PumpMessagesFor(50);
    EXPECT_EQ(spinSkin->UpDown(), SkinOf<skin::win::TSkinUpDown>(*formSkin, arrows)) << "found once";
    delete form;
}

}  // namespace
