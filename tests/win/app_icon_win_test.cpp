// The utility's icon reaches Windows with its picture and its see-through corners.
#include "app/win/app_icon_win.h"

#include <gtest/gtest.h>

#include "app/app_icon.h"
#include "base/win/dib_section.h"

TEST(AppIconWin, DrawnIconShowsThePictureOverAnyBackground) {
    base::win::UniqueHIcon icon = MakeAppIcon(32);
    ASSERT_TRUE(icon);
    const IconImage image = DrawAppIcon(32);
    for (const base::Pixel background : {0x00FF00FFu, 0x00000000u}) {
        base::win::DibSection target(32, 32);
        target.Pixels().Fill(background);
        ASSERT_TRUE(DrawIconEx(target.Dc(), 0, 0, icon.Get(), 32, 32, 0, nullptr, DI_NORMAL));
        const base::Bitmap& drawn = target.Pixels();
        EXPECT_EQ(drawn.At(0, 0) & 0xFFFFFF, background);                     // corner: see-through
        EXPECT_EQ(drawn.At(16, 16) & 0xFFFFFF, image.At(16, 16) & 0xFFFFFF);  // opaque tile
        EXPECT_EQ(drawn.At(20, 9) & 0xFFFFFF, image.At(20, 9) & 0xFFFFFF);    // a knob
    }
    EXPECT_EQ(ApplicationIcon(), ApplicationIcon());  // made once
}
