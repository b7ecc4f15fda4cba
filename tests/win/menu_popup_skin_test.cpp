// The popup skin on a real menu window: printing keeps the caller's clip region and draws the
// background under a clipped menu; a menu window destroyed while skinning is switched off still
// leaves the manager's list; detaching twice changes nothing.

#include <gtest/gtest.h>

#include "base/win/dib_section.h"
#include "base/win/handles.h"
#include "form_skin_fixture.h"
#include "menu_support.h"
#include "skin/data/skin_image.h"
#include "skin/manager/win/skin_manager.h"
#include "skin/manager/win/skin_pop_menu.h"
#include "support/message_pump.h"

namespace {

using skin::win::SkinManager;

HMENU ThreeItems() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"One");
    AppendMenuW(menu, MF_STRING, 2, L"Two");
    AppendMenuW(menu, MF_STRING, 3, L"Three");
    return menu;
}

TEST(MenuPopupSkin, PrintDrawsTheBackgroundAndKeepsTheCallersClip) {
    menu_test::RunningSkin skin("graphite");
    form_test::TestWindow owner(WS_OVERLAPPEDWINDOW, 0, 200, 120);
    base::win::UniqueHMenu menu(ThreeItems());
    bool clipKept = false;
    bool modeKept = false;
    std::uint32_t corner = 0;
    std::uint32_t expectedCorner = 1;
    std::size_t listed = 0;
    menu_test::WhileMenuOpen([&](HWND menuWindow) {
        listed = SkinManager->PopupSkins().size();
        RECT r{};
        GetWindowRect(menuWindow, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        base::win::DibSection target(w, h);
        base::win::UniqueHRgn clip(CreateRectRgn(0, 0, w, h / 2));
        SelectClipRgn(target.Dc(), clip.Get());
        SetBkMode(target.Dc(), OPAQUE);
        SendMessageW(menuWindow, WM_PRINT, reinterpret_cast<WPARAM>(target.Dc()), PRF_CLIENT | PRF_NONCLIENT);
        base::win::UniqueHRgn after(CreateRectRgn(0, 0, 0, 0));
        clipKept = GetClipRgn(target.Dc(), after.Get()) == 1 &&
                   CombineRgn(after.Get(), after.Get(), clip.Get(), RGN_XOR) == NULLREGION;
        modeKept = GetBkMode(target.Dc()) == OPAQUE;
        GdiFlush();
        corner = form_test::RgbOf(target.Pixels().At(1, 1));
        const skin::TDataSkinObject& image = *skin.Data().Objects().MenuBackground;
        const base::Bitmap built =
            skin::BuildSkinImage({0, 0, w, h}, image.Map, image.Margins, false, image.Tile != 0, 1, 1);
        expectedCorner = form_test::RgbOf(built.At(1, 1));
        return true;
    });
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, 100, 100, 0, owner.Handle(), nullptr);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(listed, 1u);
    EXPECT_TRUE(clipKept);
    EXPECT_TRUE(modeKept);
    EXPECT_EQ(corner, expectedCorner);
    EXPECT_TRUE(SkinManager->PopupSkins().empty());
}

TEST(MenuPopupSkin, DestroyedWhileSwitchedOffLeavesTheListAndTheNextMenuIsSkinned) {
    menu_test::RunningSkin skin("graphite");
    form_test::TestWindow owner(WS_OVERLAPPEDWINDOW, 0, 200, 120);
    base::win::UniqueHMenu menu(ThreeItems());
    std::size_t listedWhileOpen = 0;
    menu_test::WhileMenuOpen([&](HWND) {
        listedWhileOpen = SkinManager->PopupSkins().size();
        SkinManager->Enabled = false;  // switched off while the menu is open
        return true;
    });
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, 100, 100, 0, owner.Handle(), nullptr);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(listedWhileOpen, 1u);
    EXPECT_TRUE(SkinManager->PopupSkins().empty());
    EXPECT_EQ(SkinManager->MenuContext, 0);

    SkinManager->Enabled = true;
    LRESULT skinned = 0;
    menu_test::WhileMenuOpen([&](HWND menuWindow) {
        skinned = SendMessageW(menuWindow, skin::win::SM_ISSKINNED, 0, 0);
        return true;
    });
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, 100, 100, 0, owner.Handle(), nullptr);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(skinned, 1);
}

TEST(MenuPopupSkin, DetachingTwiceAndAfterTheWindowChangesNothing) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const auto before = GetWindowLongPtrW(window, GWLP_WNDPROC);
    {
        skin::win::TSkinPopMenu popup;
        popup.AttachMenuWindow(window, nullptr, nullptr);
        EXPECT_TRUE(popup.Attached());
        EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC), before);
        popup.DetachMenuWindow();
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), before);
        popup.DetachMenuWindow();
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), before);
        popup.AttachMenuWindow(window, nullptr, nullptr);
        DestroyWindow(window);  // the window goes first: the skin lets go at WM_DESTROY
        EXPECT_FALSE(popup.Attached());
        popup.DetachMenuWindow();
    }
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
