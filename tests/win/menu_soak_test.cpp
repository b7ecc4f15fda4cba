// Many popup menu open/close cycles with the skin manager running: every menu window gets its
// popup skin and gives it back, and nothing of GDI's or USER's grows.

#include <gtest/gtest.h>

#include "framework/win/forms.h"
#include "framework/win/menus.h"
#include "skin/manager/win/skin_manager.h"
#include "support/gui_objects.h"
#include "support/menu_cycles.h"
#include "support/skin_soak.h"

namespace {

TEST(MenuSoak, AThousandSkinnedPopupCyclesLeakNothing) {
    auto data = testing_support::ActiveMainSkinData("graphite");
    {
        testing_support::MenuForm menu;
        ASSERT_NE(skin::win::SkinManager->FindFormSkin(menu.Form()->Handle()), nullptr);
        ASSERT_TRUE(menu.Popup()->OwnerDraw());
        ASSERT_EQ(menu.OpenAndClose(3), 3);  // fonts and the check mark are made once
        const int gdiBefore = testing_support::CountGdiObjects();
        const int windowsBefore = testing_support::CountThreadWindows();
        EXPECT_EQ(menu.OpenAndClose(1000), 1000);
        EXPECT_EQ(menu.SkinnedWindows(), 1000);
        EXPECT_EQ(testing_support::CountGdiObjects(), gdiBefore);
        EXPECT_EQ(testing_support::CountThreadWindows(), windowsBefore);
        EXPECT_TRUE(skin::win::SkinManager->PopupSkins().empty());
        EXPECT_EQ(skin::win::SkinManager->MenuContext, 0);
    }
    testing_support::ReleaseMainSkinData(std::move(data));
}

}  // namespace
