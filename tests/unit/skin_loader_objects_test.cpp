// Filling the skin objects from a definition and its bitmaps.

#include <gtest/gtest.h>

#include "skin/data/skin_image.h"
#include "skin/data/skin_loader.h"
#include "unit/skin_loader_fixture.h"

namespace {

using base::Rect;
using skintest::Gradient;
using skintest::SkinPackage;

TEST(SkinLoadImage, MemberNamesAndExtensions) {
    const base::Bitmap picture = Gradient(6, 4, 9);
    SkinPackage package;
    package.Image("edge.bmp", picture)
        .Image("upper.BMP", picture)
        .Image("picture.tga", picture)
        .Member("broken.bmp", {'B', 'M', 1, 2, 3})
        .Member("empty.bmp", {});
    skin::TSkinReader reader;
    const std::vector<std::uint8_t> bytes = package.Decompressed();
    ASSERT_TRUE(reader.OpenDecompressed(bytes).Ok());

    base::Bitmap target = Gradient(3, 3);
    EXPECT_TRUE(skin::LoadImage(target, reader, "edge.bmp"));
    EXPECT_EQ(target, picture);
    // A directory part is dropped; the member lookup ignores case.
    for (const char* name : {"C:\\skins\\edge.bmp", "skins\\deep\\EDGE.bmp", "d:edge.bmp"}) {
        target = base::Bitmap();
        EXPECT_TRUE(skin::LoadImage(target, reader, name)) << name;
        EXPECT_EQ(target, picture) << name;
    }
    // Unusable names, other formats, missing, empty or undecodable members all
    // leave an empty image, replacing what the target held.
    for (const char* name :
         {"upper.BMP", "picture.tga", "missing.bmp", "broken.bmp", "empty.bmp", "", "dir\\", "edge.bmp.old", "edge"}) {
        target = Gradient(2, 2);
        EXPECT_FALSE(skin::LoadImage(target, reader, name)) << name;
        EXPECT_TRUE(target.Empty()) << name;
    }
}

TEST(SkinLoadObjects, GenericObjectKeysAndDefaults) {
    const std::string definition =
        "[Colours]\nButtonText=1 2 3\n"
        "[MenuItem]\nImage=item.bmp\nStyle=7\nLeftWidth=1\nTopHeight=2\nRightWidth=3\nBottomHeight=4\n"
        "Trans=1\nTile=1\nNormalColour=11\nMouseOverColour=0x10\nNormalColour2=200 100 50\n"
        "[Scrollbar]\nImage=scroll.bmp\nTile=5\n"
        "[HeaderBar]\nImage=missing.bmp\n"
        "[Toolbars]\nImage=\n";
    SkinPackage package(definition);
    package.Image("item.bmp", Gradient(10, 5)).Image("scroll.bmp", Gradient(23, 2));
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());

    ASSERT_NE(objects.MenuItem, nullptr);
    const skin::TDataSkinObject& item = *objects.MenuItem;
    EXPECT_EQ(item.Name, "MenuItem");
    EXPECT_EQ(item.Map, Gradient(10, 5));
    EXPECT_EQ(item.Style, 7);
    EXPECT_EQ(item.Margins, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(item.Trans, 1);
    EXPECT_EQ(item.Tile, 1);
    EXPECT_EQ(item.NormalColor, 11);
    EXPECT_EQ(item.MouseOverColor, 16);
    EXPECT_EQ(item.PressedColor, -1);
    EXPECT_EQ(item.NormalColor2, MakeRgb(200, 100, 50));
    // Absent colors follow the skin's button text color.
    EXPECT_EQ(item.MouseOverColor2, MakeRgb(1, 2, 3));
    EXPECT_EQ(item.PressedColor2, MakeRgb(1, 2, 3));
    EXPECT_EQ(item.FrameCount, 5);

    ASSERT_NE(objects.ScrollBar, nullptr);
    EXPECT_EQ(objects.ScrollBar->Tile, 0);  // out-of-range tile falls back to stretching
    EXPECT_EQ(objects.ScrollBar->FrameCount, 23);
    // An image key naming a missing member still gives an object, with an empty map.
    ASSERT_NE(objects.HeaderBar, nullptr);
    EXPECT_TRUE(objects.HeaderBar->Map.Empty());
    // An empty image key or an absent section gives no object.
    EXPECT_EQ(objects.Toolbars, nullptr);
    EXPECT_EQ(objects.Tabs, nullptr);
    EXPECT_EQ(objects.Progress, nullptr);
    EXPECT_EQ(objects.MenuBar, nullptr);
}

TEST(SkinLoadObjects, FrameEdgesRunTheirSizesAlongTheEdge) {
    const std::string definition =
        "[Personality]\n"
        "Left=left.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftFrame=2\nLeftStretch=0\nLeftTrans=0\n"
        "Top=top.bmp\nTopTopHeight=7\nTopBotHeight=8\nTopStretch=4\n";
    SkinPackage package(definition);
    package.Image("left.bmp", Gradient(8, 30)).Image("top.bmp", Gradient(30, 8));
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());

    const skin::TDataSkinBorder& left = *objects.BorderLeft;
    EXPECT_EQ(left.Name, "Left");
    EXPECT_EQ(left.Margins, (Rect{0, 5, 0, 6}));
    EXPECT_EQ(left.FrameCount, 2);
    EXPECT_EQ(left.Tile, 0);
    EXPECT_EQ(left.Trans, 0);
    EXPECT_EQ(left.Map, Gradient(8, 30));

    const skin::TDataSkinBorder& top = *objects.BorderTop;
    EXPECT_EQ(top.Margins, (Rect{7, 0, 8, 0}));
    EXPECT_EQ(top.Tile, 1);  // Stretch above 1 is 1
    EXPECT_EQ(top.FrameCount, 1);
    EXPECT_EQ(top.Trans, 1);

    const skin::TDataSkinBorder& bottom = *objects.BorderBottom;
    EXPECT_TRUE(bottom.Map.Empty());
    EXPECT_EQ(bottom.Margins, Rect{});
    EXPECT_EQ(bottom.Tile, 1);
    EXPECT_EQ(bottom.Trans, 1);
    EXPECT_EQ(bottom.FrameCount, 1);
}

TEST(SkinLoadObjects, TitleButtonsProgressMenuBarAndGroupBox) {
    const std::string definition =
        "[Colours]\nButtonText=9 9 9\n"
        "[Personality]\nTextBack=text.bmp\nTextShift=3\nTextShiftVert=-2\nTextRightClip=40\n"
        "TextAlignment=1\nTextbackground=1\nTXTBackleft=4\nTXTBackRight=5\n"
        "ActiveTextR=255\nActiveTextG=0\nActiveTextB=0\nInActiveTextR=1\n"
        "menuBar=bar.bmp\nTileMenu=3\nTileLeftMenu=0\n"
        "[Fonts]\nFontHeight=11\n"
        "[Buttons]\nBitmap=button.bmp\nLeftWidth=2\nTrans=1\nTile=2\nMouseOverColour2=1 2 3\n"
        "RadioButton=radio.bmp\nCheckButton=check.bmp\nCheckButtonFrame=7\n"
        "[Progress]\nBitmap=progress.bmp\nChunk=chunk.bmp\nTile=9\nStyle=1\n"
        "[GroupBox]\nImage=box.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=3\nBackgroundRightShift=4\n"
        "[Tabs]\nImage=tabs.bmp\nBorder=pane.bmp\nStyle=5\n";
    SkinPackage package(definition);
    package.Image("text.bmp", Gradient(20, 10, 1))
        .Image("bar.bmp", Gradient(20, 10, 2))
        .Image("button.bmp", Gradient(50, 20, 3))
        .Image("radio.bmp", Gradient(65, 13, 4))
        .Image("check.bmp", Gradient(48, 16, 5))
        .Image("progress.bmp", Gradient(20, 10, 6))
        .Image("chunk.bmp", Gradient(4, 10, 7))
        .Image("box.bmp", Gradient(12, 12, 8))
        .Image("tabs.bmp", Gradient(50, 20, 9))
        .Image("pane.bmp", Gradient(9, 9, 10));
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());

    const skin::TDataSkinTitle& title = *objects.Title;
    EXPECT_EQ(title.Name, "Title");
    EXPECT_EQ(title.Map, Gradient(20, 10, 1));
    EXPECT_EQ(title.Margins, (Rect{3, -2, 40, 0}));
    EXPECT_EQ(title.TextAlignment, 1);
    EXPECT_EQ(title.TextBackground, 1);
    EXPECT_EQ(title.FontHeight, 11);
    EXPECT_EQ(title.TextBackLeft, 4);
    EXPECT_EQ(title.TextBackRight, 5);
    EXPECT_EQ(title.ActiveTextColor, MakeRgb(255, 0, 0));
    EXPECT_EQ(title.InactiveTextColor, skin::kColorNotGiven);
    EXPECT_EQ(title.FrameCount, 2);

    ASSERT_NE(objects.MenuBar, nullptr);
    EXPECT_EQ(objects.MenuBar->Name, "Personality");
    EXPECT_EQ(objects.MenuBar->Tile, 1);
    EXPECT_EQ(objects.MenuBar->Margins, (Rect{0, 0, 1, 0}));
    EXPECT_EQ(objects.MenuBar->FrameCount, 2);

    const skin::TDataSkinButton& buttons = *objects.Buttons;
    EXPECT_EQ(buttons.Name, "Buttons");
    EXPECT_EQ(buttons.Map, Gradient(50, 20, 3));
    EXPECT_EQ(buttons.Margins.Left, 2);
    EXPECT_EQ(buttons.Trans, 1);
    EXPECT_EQ(buttons.Tile, 0);
    EXPECT_EQ(buttons.FrameCount, 5);
    EXPECT_FALSE(buttons.HasNormalColor2);
    EXPECT_TRUE(buttons.HasMouseOverColor2);
    EXPECT_EQ(buttons.MouseOverColor2, MakeRgb(1, 2, 3));
    EXPECT_EQ(buttons.NormalColor2, MakeRgb(9, 9, 9));
    EXPECT_EQ(buttons.RadioFrameCount, 65 / 13);
    EXPECT_EQ(buttons.CheckFrameCount, 7);

    ASSERT_NE(objects.Progress, nullptr);
    EXPECT_EQ(objects.Progress->Map2, Gradient(4, 10, 7));
    EXPECT_EQ(objects.Progress->Tile, 1);  // progress clamps to tiling, not to stretching
    EXPECT_EQ(objects.Progress->Style, 1);
    EXPECT_EQ(objects.Progress->FrameCount, 2);

    ASSERT_NE(objects.GroupBox, nullptr);
    EXPECT_EQ(objects.GroupBox->BackgroundAlignment, 2);
    EXPECT_EQ(objects.GroupBox->BackgroundLeftShift, 3);
    EXPECT_EQ(objects.GroupBox->BackgroundRightShift, 4);
    EXPECT_EQ(objects.GroupBox->FrameCount, 1);

    ASSERT_NE(objects.Tabs, nullptr);
    EXPECT_EQ(objects.Tabs->Map2, Gradient(9, 9, 10));
    EXPECT_EQ(objects.Tabs->Style, 0);  // objects with a second image do not read Style
    EXPECT_EQ(objects.Tabs->FrameCount, 5);
}

TEST(SkinLoadObjects, RadioAndCheckFrameCountsFromImageShape) {
    struct Case {
        int width, height, expected;
    };
    // 13-pixel cells below 16 pixels height, 16-pixel cells otherwise, at least 4.
    for (const Case c : {Case{65, 13, 5}, Case{48, 16, 4}, Case{96, 16, 6}, Case{26, 15, 4}, Case{130, 15, 10}}) {
        SkinPackage package("[Buttons]\nRadioButton=r.bmp\nCheckButton=c.bmp\n");
        package.Image("r.bmp", Gradient(c.width, c.height)).Image("c.bmp", Gradient(c.width, c.height));
        skin::TSkinObjects objects;
        ASSERT_TRUE(package.LoadInto(objects).Ok());
        EXPECT_EQ(objects.Buttons->RadioFrameCount, c.expected) << c.width << "x" << c.height;
        EXPECT_EQ(objects.Buttons->CheckFrameCount, c.expected) << c.width << "x" << c.height;
    }
    // No images at all.
    skin::TSkinObjects objects;
    ASSERT_TRUE(SkinPackage("").LoadInto(objects).Ok());
    EXPECT_EQ(objects.Buttons->RadioFrameCount, 4);
    EXPECT_EQ(objects.Buttons->CheckFrameCount, 4);
}

TEST(SkinLoadObjects, FrameCountsOfTheObjectTable) {
    std::string definition;
    SkinPackage package;
    const std::vector<std::pair<std::string, int>> sections = {
        {"GroupBoxEdge", 2}, {"StatusBarEdges", 3},     {"ToolBarBackground", 1}, {"ToolBars", 5},
        {"ExtraImages", 5},  {"Headerbar", 5},          {"MenuBackground", 1},    {"HorzScroll", 4},
        {"VertScroll", 4},   {"Trackbar.ThumbLeft", 5}, {"UpDown.Vert", 8}};
    for (const auto& [section, count] : sections) {
        definition += "[" + section + "]\nImage=" + section + ".bmp\n";
        package.Image(section + ".bmp", Gradient(count * 4, 4));
    }
    definition += "[HorzScrollThumb]\nImage=t.bmp\n[VertScrollThumb]\nImage=t.bmp\nFrameCount=9\n";
    package.Image("t.bmp", Gradient(9, 3));
    package.Definition(definition);
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());
    const std::vector<std::pair<const skin::TDataSkinObject*, int>> loaded = {
        {objects.GroupBoxEdge.get(), 2},   {objects.StatusBarEdges.get(), 3}, {objects.ToolbarBackground.get(), 1},
        {objects.Toolbars.get(), 5},       {objects.ExtraImages.get(), 5},    {objects.HeaderBar.get(), 5},
        {objects.MenuBackground.get(), 1}, {objects.HorzScroll.get(), 4},     {objects.VertScroll.get(), 4},
        {objects.TrackThumbLeft.get(), 5}, {objects.UpDownVert.get(), 8}};
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        ASSERT_NE(loaded[i].first, nullptr) << sections[i].first;
        EXPECT_EQ(loaded[i].first->FrameCount, loaded[i].second) << sections[i].first;
        EXPECT_EQ(loaded[i].first->Map.Width(), loaded[i].second * 4) << sections[i].first;
    }
    EXPECT_EQ(objects.HorzScrollThumb->FrameCount, 3);
    EXPECT_EQ(objects.VertScrollThumb->FrameCount, 9);
    EXPECT_EQ(objects.TrackThumbUp, nullptr);
    // The skin's own tool-bar background is kept, not derived.
    EXPECT_EQ(objects.ToolbarBackground->Name, "ToolBarBackground");
}

}  // namespace
