// Caption buttons: which sections become buttons, their frame counts and the
// three MDI buttons.

#include <gtest/gtest.h>

#include "skin/data/skin_image.h"
#include "skin/data/skin_loader.h"
#include "unit/skin_loader_fixture.h"

namespace {

using skintest::Gradient;
using skintest::SkinPackage;

const skin::TDataSkinSysButton* FindButton(const skin::TSkinObjects& objects, const std::string& name) {
    for (const auto& button : objects.SysButtons)
        if (button->Name == name) return button.get();
    return nullptr;
}

TEST(SkinLoadSysButtons, SectionsThatBecomeCaptionButtons) {
    const std::string definition =
        "[Button]\nButtonImage=a.bmp\n"
        "[Buttons]\nBitmap=a.bmp\n"
        "[Button.Radio]\nButtonImage=a.bmp\n"
        "[button.checkbox]\nButtonImage=a.bmp\n"
        "[ButtonClose]\nAction=0\nAlign=1\nXcoord=20\nYcoord=4\nCombineOp=2\nframe=3\nButtonImage=a.bmp\n"
        "[MyButton]\nButtonImage=a.bmp\n"
        "[ButtonHidden]\nAction=-1\nButtonImage=a.bmp\n"
        "[buttonShown]\nAction=-1\nVisibility=0\nButtonImage=a.bmp\n"
        "[Button.Help]\nAction=5\nVisibility=2\nVisibility1=3\n";
    SkinPackage package(definition);
    package.Image("a.bmp", Gradient(57, 18));
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());

    ASSERT_EQ(objects.SysButtons.size(), 3u + 3u);
    // File order, upper-case names.
    EXPECT_EQ(objects.SysButtons[0]->Name, "BUTTONCLOSE");
    EXPECT_EQ(objects.SysButtons[1]->Name, "BUTTONSHOWN");
    EXPECT_EQ(objects.SysButtons[2]->Name, "BUTTON.HELP");
    EXPECT_EQ(FindButton(objects, "BUTTONHIDDEN"), nullptr);

    const skin::TDataSkinSysButton& close = *objects.SysButtons[0];
    EXPECT_EQ(close.Action, 0);
    EXPECT_EQ(close.Align, 1);
    EXPECT_EQ(close.XCoord, 20);
    EXPECT_EQ(close.YCoord, 4);
    EXPECT_EQ(close.CombineOp, 2);
    EXPECT_EQ(close.FrameCount, 3);
    EXPECT_EQ(close.Visibility, 0);
    EXPECT_EQ(close.Visibility1, 0);
    EXPECT_EQ(close.Map, Gradient(57, 18));

    const skin::TDataSkinSysButton& shown = *objects.SysButtons[1];
    EXPECT_EQ(shown.Action, -1);
    EXPECT_EQ(shown.Visibility1, -1);  // hidden buttons default Visibility1 to -1
    EXPECT_EQ(shown.FrameCount, 6);    // and always count 6 frames without a "frame" key
    EXPECT_EQ(shown.CombineOp, -1);

    const skin::TDataSkinSysButton& help = *objects.SysButtons[2];
    EXPECT_EQ(help.Visibility, 2);
    EXPECT_EQ(help.Visibility1, 3);
    EXPECT_TRUE(help.Map.Empty());
    EXPECT_EQ(help.FrameCount, 6);  // no image, no "frame" key
}

TEST(SkinLoadSysButtons, FrameCountFromImageShape) {
    struct Case {
        int width, height, action, frameKey;
        int expectedFrames;
        bool keepsImage;
    };
    const Case cases[] = {
        {57, 18, 0, 0, 3, true},                              // ratio 3.17
        {120, 18, 0, 0, 6, true},                             // ratio 6.7
        {76, 20, 0, 0, 3, true},                              // ratio exactly 3.8
        {77, 20, 0, 0, 6, true},                              // just above 3.8
        {57, 18, 3, 0, 3, false},                             // close-like actions lose the image...
        {57, 18, 11, 0, 3, false},  {57, 18, 3, 4, 4, true},  // ...unless the frame count is given
        {57, 18, 11, -2, -2, true},                           // out-of-range values are stored as they are
        {57, 18, -5, 0, 6, true},
    };
    for (const Case& c : cases) {
        const std::string definition = "[ButtonX]\nButtonImage=b.bmp\nAction=" + std::to_string(c.action) +
                                       "\nframe=" + std::to_string(c.frameKey) + "\n";
        SkinPackage package(definition);
        package.Image("b.bmp", Gradient(c.width, c.height));
        skin::TSkinObjects objects;
        ASSERT_TRUE(package.LoadInto(objects).Ok());
        ASSERT_EQ(objects.SysButtons.size(), 4u);
        const skin::TDataSkinSysButton& button = *objects.SysButtons[0];
        const std::string label = std::to_string(c.width) + "x" + std::to_string(c.height) + " action " +
                                  std::to_string(c.action) + " frame " + std::to_string(c.frameKey);
        EXPECT_EQ(button.FrameCount, c.expectedFrames) << label;
        EXPECT_EQ(!button.Map.Empty(), c.keepsImage) << label;
    }
}

TEST(SkinLoadSysButtons, MdiButtonsAreCutFromTwelveFrames) {
    // 12 frames of 5 x 7; each frame k filled with its own color.
    std::vector<base::Pixel> colors;
    for (int k = 0; k < 12; ++k) colors.push_back(base::MakePixel(static_cast<std::uint8_t>(10 * k), 1, 2));
    // Two spare columns that do not make a whole frame.
    base::Bitmap strip(62, 7);
    skin::CopyBitmap(strip, 0, 0, skintest::SolidFrames(5, 7, colors));

    SkinPackage package("[MDICONTROLS]\nImage=mdi.bmp\n[ButtonA]\nButtonImage=x.bmp\n");
    package.Image("mdi.bmp", strip);
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());
    ASSERT_EQ(objects.SysButtons.size(), 1u + 3u);
    const int w = 62 / 12;
    for (int i = 0; i < 3; ++i) {
        const skin::TDataSkinSysButton& mdi = *objects.SysButtons[1 + static_cast<std::size_t>(i)];
        EXPECT_EQ(mdi.Action, 7 + i);
        EXPECT_EQ(mdi.Align, 100);
        EXPECT_EQ(mdi.Visibility, 100);
        EXPECT_EQ(mdi.Visibility1, 100);
        EXPECT_EQ(mdi.FrameCount, 4);
        EXPECT_EQ(mdi.XCoord, (w + 4) * (3 - i));
        ASSERT_EQ(mdi.Map.Width(), 4 * w);
        ASSERT_EQ(mdi.Map.Height(), 7);
        for (int state = 0; state < 4; ++state)
            EXPECT_EQ(mdi.Map.At(state * w + 2, 3), colors[static_cast<std::size_t>(4 * i + state)])
                << "button " << i << " state " << state;
    }

    // Without the image (or with one narrower than 12 pixels) the MDI buttons exist with empty maps.
    for (const int width : {0, 11}) {
        SkinPackage bare(width ? "[MDICONTROLS]\nImage=mdi.bmp\n" : "");
        if (width) bare.Image("mdi.bmp", Gradient(width, 5));
        skin::TSkinObjects plain;
        ASSERT_TRUE(bare.LoadInto(plain).Ok());
        ASSERT_EQ(plain.SysButtons.size(), 3u);
        for (const auto& mdi : plain.SysButtons) {
            EXPECT_TRUE(mdi->Map.Empty());
            EXPECT_EQ(mdi->FrameCount, 4);
        }
    }
}

}  // namespace
