// Whole-package loads: compressed packages, reloading over a previous skin,
// packages that cannot be opened.

#include <gtest/gtest.h>

#include <cstring>

#include "skin/data/skin_loader.h"
#include "unit/skin_loader_fixture.h"

namespace {

using skintest::Gradient;
using skintest::SkinPackage;

SkinPackage RichSkin() {
    SkinPackage package(
        "[TitlebarSkin]\nSkinName=Rich\n"
        "[Personality]\nTextBack=t.bmp\nLeft=t.bmp\nmenuBar=t.bmp\n"
        "[Colours]\nButtonText=1 2 3\n"
        "[Colour1]\ncolor=4 5 6\n"
        "[Tabs]\nImage=t.bmp\nBorder=t.bmp\n"
        "[StatusBarEdges]\nImage=t.bmp\n"
        "[ButtonClose]\nButtonImage=t.bmp\n"
        "[Buttons]\nBitmap=t.bmp\nNormalColour2=7 7 7\n"
        "[SunkEdge]\nImage=t.bmp\n[ComboButton]\nImage=t.bmp\n");
    package.Image("t.bmp", Gradient(40, 20, 3));
    return package;
}

TEST(SkinLoadPackage, CompressedPackageLoadsLikeTheDecompressedOne) {
    const SkinPackage package = RichSkin();
    skin::TSkinObjects fromCompressed;
    const std::vector<std::uint8_t> compressed = package.Compressed();
    const skin::TSkinLoadResult result = skin::LoadSkinPackage(fromCompressed, compressed, 17);
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(result.DefinitionName, "skin.ini");
    EXPECT_EQ(fromCompressed.SkinName, "Rich");
    ASSERT_NE(fromCompressed.Tabs, nullptr);
    EXPECT_EQ(fromCompressed.Tabs->Map, Gradient(40, 20, 3));

    skin::TSkinObjects fromPlain;
    ASSERT_TRUE(package.LoadInto(fromPlain).Ok());
    EXPECT_EQ(fromCompressed.ComboButton->Map, fromPlain.ComboButton->Map);
    EXPECT_EQ(fromCompressed.SunkEdge->Map, fromPlain.SunkEdge->Map);
    EXPECT_EQ(fromCompressed.ToolbarBackground->Map, fromPlain.ToolbarBackground->Map);
    EXPECT_EQ(fromCompressed.SysButtons.size(), fromPlain.SysButtons.size());
}

TEST(SkinLoadPackage, ReloadReplacesThePreviousSkin) {
    skin::TSkinObjects objects;
    ASSERT_TRUE(RichSkin().LoadInto(objects).Ok());
    ASSERT_NE(objects.Tabs, nullptr);
    ASSERT_NE(objects.MenuBar, nullptr);
    ASSERT_EQ(objects.SysButtons.size(), 4u);
    ASSERT_EQ(objects.SectionColors.size(), 1u);
    const skin::TDataSkinTitle* title = objects.Title.get();
    const skin::TDataSkinBorder* left = objects.BorderLeft.get();
    const skin::TDataSkinButton* buttons = objects.Buttons.get();

    ASSERT_TRUE(SkinPackage("[Personality]\nTextShift=2\n").LoadInto(objects).Ok());
    // Objects the new skin lacks are gone.
    const std::vector<const skin::TDataSkinObject*> gone = {
        objects.Tabs.get(),     objects.MenuBar.get(),    objects.StatusBarEdges.get(), objects.ToolbarBackground.get(),
        objects.SunkEdge.get(), objects.ComboButton.get()};
    for (const skin::TDataSkinObject* object : gone) EXPECT_EQ(object, nullptr);
    EXPECT_EQ(objects.SysButtons.size(), 3u);  // just the MDI buttons
    EXPECT_TRUE(objects.SectionColors.empty());
    EXPECT_EQ(objects.SkinName, "");
    EXPECT_EQ(objects.ButtonTextColor, clBtnText);
    // The always-present objects are the same objects, refilled.
    EXPECT_EQ(objects.Title.get(), title);
    EXPECT_EQ(objects.BorderLeft.get(), left);
    EXPECT_EQ(objects.Buttons.get(), buttons);
    EXPECT_TRUE(objects.Title->Map.Empty());
    EXPECT_EQ(objects.Title->Margins.Left, 2);
    EXPECT_TRUE(objects.BorderLeft->Map.Empty());
    EXPECT_TRUE(objects.Buttons->Map.Empty());
    EXPECT_EQ(objects.Buttons->NormalColor2, clBtnText);
    EXPECT_FALSE(objects.Buttons->HasNormalColor2);
}

TEST(SkinLoadPackage, PackagesThatCannotBeOpenedLeaveTheSkinAlone) {
    skin::TSkinObjects objects;
    ASSERT_TRUE(RichSkin().LoadInto(objects).Ok());

    // Another version.
    std::vector<std::uint8_t> older = RichSkin().Decompressed();
    const std::int32_t version = 19999;
    std::memcpy(older.data(), &version, sizeof version);
    skin::TSkinLoadResult result = skin::LoadDecompressedSkinPackage(objects, older, 17);
    EXPECT_EQ(result.Status, skin::TSkinLoadStatus::WrongVersion);
    EXPECT_FALSE(result.Reason.empty());

    // A size table that runs past the data.
    std::vector<std::uint8_t> truncated = RichSkin().Decompressed();
    truncated.resize(truncated.size() - 10);
    result = skin::LoadDecompressedSkinPackage(objects, truncated, 17);
    EXPECT_EQ(result.Status, skin::TSkinLoadStatus::Corrupt);
    EXPECT_FALSE(result.Reason.empty());

    // A compressed stream that declares more than the caller allows.
    const std::vector<std::uint8_t> compressed = RichSkin().Compressed();
    result = skin::LoadSkinPackage(objects, compressed, 17, 64);
    EXPECT_EQ(result.Status, skin::TSkinLoadStatus::DecompressError);

    EXPECT_EQ(objects.SkinName, "Rich");
    ASSERT_NE(objects.Tabs, nullptr);
    EXPECT_EQ(objects.Tabs->Map, Gradient(40, 20, 3));
}

TEST(SkinLoadPackage, PackageWithoutDefinitionLoadsDefaults) {
    SkinPackage package;
    package.WithoutDefinition().Image("t.bmp", Gradient(4, 4));
    skin::TSkinObjects objects;
    ASSERT_TRUE(RichSkin().LoadInto(objects).Ok());
    const skin::TSkinLoadResult result = package.LoadInto(objects);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.DefinitionName, "");
    EXPECT_EQ(objects.Tabs, nullptr);
    EXPECT_EQ(objects.SysButtons.size(), 3u);
    EXPECT_EQ(objects.Title->FontHeight, 14);
    EXPECT_EQ(objects.BorderTop->FrameCount, 1);
}

}  // namespace
