// An open menu read back from the screen against the skin's own images, for both of our skins:
// the frame bands from the menu background, items from the item image (normal and selected),
// a Windows separator's etched line, the check mark, a framework separator from frame 2 and an
// image from the menu's image list.

#include <gtest/gtest.h>

#include <string>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/img_list.h"
#include "framework/win/menus.h"
#include "form_skin_fixture.h"
#include "menu_support.h"
#include "skin/data/skin_image.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "skin/manager/win/skin_pop_menu.h"
#include "support/message_pump.h"

namespace {

using base::Bitmap;
using menu_test::CountColour;
using menu_test::RgbAt;
using skin::Rect;

// The item image drawn the way the skin draws an item over the menu background (over the skin's
// menu colour when the skin has no menu background).
Bitmap ExpectedItem(const skin::win::TSkinData& data, const Bitmap& background, const RECT& item, int frame) {
    const skin::TDataSkinObject& image = *data.Objects().MenuItem;
    Bitmap expected(item.right - item.left, item.bottom - item.top);
    if (background.Empty())
        expected.Fill(skin::ColorToPixel(ColorToRGB(data.Objects().MenuColor)));
    else
        skin::CopyBitmapRect(expected, 0, 0, background, {item.left, item.top, item.right, item.bottom});
    skin::DrawSkinObject(expected, {0, 0, expected.Width(), expected.Height()}, image.Map, false, image.Tile != 0,
                         image.Trans != 0, 5, frame, image.Margins);
    return expected;
}

// An image list of one plain red 16 x 16 picture.
TCustomImageList* RedImageList(TComponent* owner) {
    auto* images = new TCustomImageList(owner, 16, 16);
    base::win::DibSection red(16, 16);
    red.Pixels().Fill(skin::ColorToPixel(RGB(220, 0, 0)));
    base::win::UniqueHBitmap copy(
        static_cast<HBITMAP>(CopyImage(GetCurrentObject(red.Dc(), OBJ_BITMAP), IMAGE_BITMAP, 0, 0, 0)));
    images->AddMasked(copy.Get(), RGB(255, 0, 255));
    return images;
}

class MenuPixels : public ::testing::TestWithParam<std::string> {};

TEST_P(MenuPixels, DropDownOfAWindowsMenuBar) {
    menu_test::RunningSkin skin(GetParam());
    HMENU bar = CreateMenu();
    HMENU dropDown = CreatePopupMenu();
    AppendMenuW(dropDown, MF_STRING, 101, L"Open");
    AppendMenuW(dropDown, MF_STRING | MF_CHECKED, 102, L"Wrap");
    AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(dropDown, MF_STRING | MF_GRAYED, 103, L"Print");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), L"&File");
    form_test::TestWindow window(WS_OVERLAPPEDWINDOW, 0, 320, 160, nullptr, bar);
    SetForegroundWindow(window.Handle());
    skin::win::SkinManager->AddFormSkin(window.Handle());
    testing_support::PumpPendingMessages();
    skin::win::TSkinForm* form = skin::win::SkinManager->FindFormSkin(window.Handle());
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->MenuBar(), nullptr);

    Bitmap shot;
    Bitmap background;
    RECT items[4]{};
    bool skinned = false;
    menu_test::WhileMenuOpen([&](HWND menuWindow) {
        // The first item is selected by the bar's first key; wait for it to be drawn so.
        if (GetMenuState(dropDown, 0, MF_BYPOSITION) & MF_HILITE) {
            skinned = SendMessageW(menuWindow, skin::win::SM_ISSKINNED, 0, 0) == 1;
            for (UINT i = 0; i < 4; ++i) items[i] = menu_test::ItemRectInWindow(menuWindow, dropDown, i);
            shot = menu_test::ScreenOf(menuWindow).Pixels();
            if (const Bitmap* b = skin::win::SkinManager->PopupBackground(dropDown)) background = *b;
            return true;
        }
        return false;
    });
    PostMessageW(window.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    PostMessageW(window.Handle(), WM_KEYDOWN, VK_DOWN, 0);  // F10 lights the bar, Down opens
    testing_support::PumpMessagesUntil([&] { return !shot.Empty(); }, 5000);
    testing_support::PumpPendingMessages();

    ASSERT_TRUE(skinned);
    ASSERT_FALSE(shot.Empty());
    const int w = shot.Width();
    const int h = shot.Height();
    if (const skin::TDataSkinObject* image = skin.Data().Objects().MenuBackground.get()) {
        // The frame bands: 3 pixels on every side, 1:1 from the background built for the window.
        ASSERT_EQ(background.Width(), w);
        ASSERT_EQ(background.Height(), h);
        const Bitmap built =
            skin::BuildSkinImage({0, 0, w, h}, image->Map, image->Margins, false, image->Tile != 0, 1, 1);
        for (const auto& [x, y] :
             {std::pair{w / 2, 1}, {1, h / 2}, {w - 2, h / 2}, {w / 2, h - 2}, {0, 0}, {w - 1, h - 1}}) {
            EXPECT_EQ(RgbAt(shot, x, y), form_test::RgbOf(built.At(x, y)))
                << GetParam() << " frame at " << x << "," << y;
        }
    } else {
        // Without a menu background the window keeps the system's frame and has no background.
        EXPECT_TRUE(background.Empty());
    }
    // Item backgrounds: the selected first item from frame 4, the others from frame 1, compared in
    // the right part of the item where no text goes, at a place where the two frames differ.
    const Bitmap selected = ExpectedItem(skin.Data(), background, items[0], 4);
    const Bitmap normal = ExpectedItem(skin.Data(), background, items[1], 1);
    int differ = -1;
    const int row = normal.Height() / 2;
    for (int x = normal.Width() - 2; x > normal.Width() * 3 / 4 && differ < 0; --x)
        if (RgbAt(selected, x, row) != RgbAt(normal, x, row)) differ = x;
    ASSERT_GE(differ, 0) << GetParam() << ": frames 1 and 4 of the item image look the same";
    for (int x : {differ, normal.Width() - 2}) {
        EXPECT_EQ(RgbAt(shot, items[0].left + x, items[0].top + row), RgbAt(selected, x, row))
            << GetParam() << " x " << x;
        EXPECT_EQ(RgbAt(shot, items[1].left + x, items[1].top + row), RgbAt(normal, x, row))
            << GetParam() << " x " << x;
    }
    // The Windows separator: an etched line 4 pixels down (shadow, then highlight).
    const RECT& sep = items[2];
    EXPECT_EQ(RgbAt(shot, sep.left + 40, sep.top + 4),
              form_test::RgbOf(skin::ColorToPixel(GetSysColor(COLOR_BTNSHADOW))));
    EXPECT_EQ(RgbAt(shot, sep.left + 40, sep.top + 5),
              form_test::RgbOf(skin::ColorToPixel(GetSysColor(COLOR_BTNHIGHLIGHT))));
    // The check mark in the checked item's glyph box, none in the unchecked one's.
    const int glyphLeft = skin.Data().Objects().MenuItem->Margins.Left + 1;
    const COLORREF mark = GetSysColor(COLOR_BTNTEXT);
    const RECT checkedBox{items[1].left + glyphLeft, items[1].top + 1, items[1].left + glyphLeft + 16,
                          items[1].top + 17};
    const RECT plainBox{items[0].left + glyphLeft, items[0].top + 1, items[0].left + glyphLeft + 16, items[0].top + 17};
    EXPECT_GE(CountColour(shot, checkedBox, mark), CountColour(shot, plainBox, mark) + 8) << GetParam();

    DestroyWindow(window.Handle());
    testing_support::PumpPendingMessages();
    if (IsMenu(bar)) DestroyMenu(bar);
}

TEST_P(MenuPixels, FrameworkPopupWithImageAndSeparator) {
    Application->Initialize();
    menu_test::RunningSkin skin(GetParam());
    auto* form = new TForm(nullptr);
    form->SetBounds(80, 80, 260, 160);
    TCustomImageList* images = RedImageList(form);
    ASSERT_EQ(images->Count(), 1);
    auto* popup = new TPopupMenu(form);
    popup->SetImages(images);
    const char* captions[] = {"Cut", "-", "Paste"};
    for (const char* caption : captions) {
        auto* item = new TMenuItem(popup);
        item->SetCaption(caption);
        popup->Items()->Add(item);
    }
    popup->Items()->Items(2)->SetImageIndex(0);
    ASSERT_TRUE(skin::win::SkinManager->AddFormSkin(form->Handle()));
    ASSERT_TRUE(popup->OwnerDraw());  // the form skin's drawing is installed

    Bitmap shot;
    Bitmap background;
    RECT items[3]{};
    HMENU menu = popup->Handle();
    menu_test::WhileMenuOpen([&](HWND menuWindow) {
        for (UINT i = 0; i < 3; ++i) items[i] = menu_test::ItemRectInWindow(menuWindow, menu, i);
        shot = menu_test::ScreenOf(menuWindow).Pixels();
        if (const Bitmap* b = skin::win::SkinManager->PopupBackground(menu)) background = *b;
        return true;
    });
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, 120, 120, 0, form->Handle(), nullptr);
    testing_support::PumpPendingMessages();
    ASSERT_FALSE(shot.Empty());
    EXPECT_EQ(background.Empty(), skin.Data().Objects().MenuBackground == nullptr);

    // The image sits in the glyph box of "Paste".
    const int glyphLeft = skin.Data().Objects().MenuItem->Margins.Left + 1;
    EXPECT_EQ(RgbAt(shot, items[2].left + glyphLeft + 8, items[2].top + 9), 0xDC0000u) << GetParam();
    // A framework separator shows frame 2 of the item image (magenta transparent) over the
    // background: its middle column matches the image's frame 2 wherever that is not magenta.
    const skin::TDataSkinObject& image = *skin.Data().Objects().MenuItem;
    const RECT& sep = items[1];
    const int sepHeight = sep.bottom - sep.top;
    const Rect source = {image.Map.Width() / 5, image.Map.Height() > sepHeight ? image.Map.Height() - sepHeight : 0,
                         2 * image.Map.Width() / 5, image.Map.Height()};
    int compared = 0;
    for (int y = 0; y < source.Height() && y < sepHeight; ++y) {
        const std::uint32_t want = form_test::RgbOf(image.Map.At(source.Left + image.Margins.Left, source.Top + y));
        if (want == 0xFF00FFu) continue;
        EXPECT_EQ(RgbAt(shot, sep.left + image.Margins.Left, sep.top + y), want) << GetParam() << " row " << y;
        ++compared;
    }
    EXPECT_GT(compared, 0);
    form->Free();
    testing_support::PumpPendingMessages();
}

// A window that reads from the right gets its framework items mirrored: the image moves into a
// glyph box at the item's right end.
TEST_P(MenuPixels, FrameworkItemsOfARightToLeftWindowAreMirrored) {
    Application->Initialize();
    menu_test::RunningSkin skin(GetParam());
    auto* form = new TForm(nullptr);
    form->SetBounds(80, 80, 260, 160);
    SetWindowLongPtrW(
        form->Handle(), GWL_EXSTYLE,
        GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) | WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
    TCustomImageList* images = RedImageList(form);
    ASSERT_EQ(images->Count(), 1);
    auto* popup = new TPopupMenu(form);
    popup->SetImages(images);
    auto* item = new TMenuItem(popup);
    item->SetCaption("Otvori");
    item->SetImageIndex(0);
    popup->Items()->Add(item);
    ASSERT_TRUE(skin::win::SkinManager->AddFormSkin(form->Handle()));
    ASSERT_TRUE(skin::win::SkinManager->FindFormSkin(form->Handle())->RightToLeft());

    Bitmap shot;
    RECT row{};
    HMENU menu = popup->Handle();
    menu_test::WhileMenuOpen([&](HWND menuWindow) {
        row = menu_test::ItemRectInWindow(menuWindow, menu, 0);
        shot = menu_test::ScreenOf(menuWindow).Pixels();
        return true;
    });
    TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, 240, 120, 0, form->Handle(), nullptr);
    testing_support::PumpPendingMessages();
    ASSERT_FALSE(shot.Empty());
    const int inset = skin.Data().Objects().MenuItem->Margins.Left + 1;
    EXPECT_EQ(RgbAt(shot, row.right - inset - 8, row.top + 9), 0xDC0000u) << GetParam();
    EXPECT_NE(RgbAt(shot, row.left + inset + 8, row.top + 9), 0xDC0000u) << GetParam();
    form->Free();
    testing_support::PumpPendingMessages();
}

INSTANTIATE_TEST_SUITE_P(BothSkins, MenuPixels, ::testing::Values("graphite", "meadow"));

}  // namespace
