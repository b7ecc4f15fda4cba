// The built default skin through the loader: every image it names loads, and
// loading it over another skin gives the same objects as a fresh load.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/skin_loader.h"
#include "unit/skin_loader_fixture.h"

namespace {

std::vector<std::uint8_t> DefaultSkinPackage() {
#ifdef BUILT_SKINS_DIR
    std::ifstream in(std::filesystem::path(BUILT_SKINS_DIR) / "graphite.skn", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
#else
    return {};
#endif
}

// Every optional object, by name, for comparisons.
std::vector<std::pair<const char*, const skin::TDataSkinObject*>> AllObjects(const skin::TSkinObjects& o) {
    return {{"Title", o.Title.get()},
            {"BorderLeft", o.BorderLeft.get()},
            {"BorderRight", o.BorderRight.get()},
            {"BorderTop", o.BorderTop.get()},
            {"BorderBottom", o.BorderBottom.get()},
            {"Buttons", o.Buttons.get()},
            {"Progress", o.Progress.get()},
            {"MenuBar", o.MenuBar.get()},
            {"GroupBoxEdge", o.GroupBoxEdge.get()},
            {"GroupBox", o.GroupBox.get()},
            {"Tabs", o.Tabs.get()},
            {"StatusBarEdges", o.StatusBarEdges.get()},
            {"ToolbarBackground", o.ToolbarBackground.get()},
            {"Toolbars", o.Toolbars.get()},
            {"ComboButton", o.ComboButton.get()},
            {"SunkEdge", o.SunkEdge.get()},
            {"ExtraImages", o.ExtraImages.get()},
            {"HeaderBar", o.HeaderBar.get()},
            {"MenuItem", o.MenuItem.get()},
            {"MenuBackground", o.MenuBackground.get()},
            {"ScrollBar", o.ScrollBar.get()},
            {"HorzScroll", o.HorzScroll.get()},
            {"VertScroll", o.VertScroll.get()},
            {"HorzScrollThumb", o.HorzScrollThumb.get()},
            {"VertScrollThumb", o.VertScrollThumb.get()},
            {"TrackThumbHorz", o.TrackThumbHorz.get()},
            {"TrackThumbVert", o.TrackThumbVert.get()},
            {"TrackThumbLeft", o.TrackThumbLeft.get()},
            {"TrackThumbRight", o.TrackThumbRight.get()},
            {"TrackThumbUp", o.TrackThumbUp.get()},
            {"TrackThumbDown", o.TrackThumbDown.get()},
            {"UpDownHorz", o.UpDownHorz.get()},
            {"UpDownVert", o.UpDownVert.get()}};
}

void ExpectSameObject(const skin::TDataSkinObject& a, const skin::TDataSkinObject& b, const std::string& what) {
    EXPECT_EQ(a.Name, b.Name) << what;
    EXPECT_EQ(a.Map, b.Map) << what;
    EXPECT_EQ(a.Margins, b.Margins) << what;
    EXPECT_EQ(a.FrameCount, b.FrameCount) << what;
    EXPECT_EQ(a.Trans, b.Trans) << what;
    EXPECT_EQ(a.Tile, b.Tile) << what;
    EXPECT_EQ(a.Style, b.Style) << what;
    EXPECT_EQ(a.NormalColor2, b.NormalColor2) << what;
    const auto* borderA = dynamic_cast<const skin::TDataSkinBorder*>(&a);
    const auto* borderB = dynamic_cast<const skin::TDataSkinBorder*>(&b);
    ASSERT_EQ(borderA == nullptr, borderB == nullptr) << what;
    if (borderA) {
        EXPECT_EQ(borderA->Map2, borderB->Map2) << what;
    }
}

TEST(SkinDefaultPackage, EveryNamedImageLoads) {
    const std::vector<std::uint8_t> package = DefaultSkinPackage();
    if (package.empty()) GTEST_SKIP() << "default skin package not built";
    skin::TSkinObjects objects;
    const skin::TSkinLoadResult result = skin::LoadSkinPackage(objects, package, 17);
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_FALSE(result.DefinitionName.empty());
    for (const auto& [name, object] : AllObjects(objects)) {
        if (!object) continue;
        EXPECT_FALSE(object->Map.Empty()) << name;
        EXPECT_GE(object->FrameCount, 1) << name;
    }
    ASSERT_GE(objects.SysButtons.size(), 3u);
    for (const auto& button : objects.SysButtons) {
        if (button->Action != 3 && button->Action != 11) {
            EXPECT_FALSE(button->Map.Empty()) << button->Name;
        }
    }
}

TEST(SkinDefaultPackage, ReloadOverAnotherSkinEqualsFreshLoad) {
    const std::vector<std::uint8_t> package = DefaultSkinPackage();
    if (package.empty()) GTEST_SKIP() << "default skin package not built";
    skin::TSkinObjects fresh;
    ASSERT_TRUE(skin::LoadSkinPackage(fresh, package, 17).Ok());

    // A skin that sets values the default skin may leave at their defaults.
    skintest::SkinPackage other(
        "[Personality]\nTextBack=x.bmp\nTextShift=9\nLeftTrans=0\nActiveTextR=1\nActiveTextG=1\nActiveTextB=1\n"
        "[Buttons]\nNormalColour2=1 1 1\nRadioButtonFrame=9\n[Colours]\nButtonText=5 5 5\n"
        "[Colour9]\ncolor=1 1 1\n[Tabs]\nImage=x.bmp\n[ButtonExtra]\nButtonImage=x.bmp\n");
    other.Image("x.bmp", skintest::Gradient(30, 10));
    skin::TSkinObjects reloaded;
    ASSERT_TRUE(other.LoadInto(reloaded).Ok());
    ASSERT_TRUE(skin::LoadSkinPackage(reloaded, package, 17).Ok());

    const auto a = AllObjects(fresh);
    const auto b = AllObjects(reloaded);
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].second == nullptr, b[i].second == nullptr) << a[i].first;
        if (a[i].second) ExpectSameObject(*a[i].second, *b[i].second, a[i].first);
    }
    ASSERT_EQ(fresh.SysButtons.size(), reloaded.SysButtons.size());
    for (std::size_t i = 0; i < fresh.SysButtons.size(); ++i) {
        ExpectSameObject(*fresh.SysButtons[i], *reloaded.SysButtons[i], fresh.SysButtons[i]->Name);
        EXPECT_EQ(fresh.SysButtons[i]->XCoord, reloaded.SysButtons[i]->XCoord);
        EXPECT_EQ(fresh.SysButtons[i]->Visibility1, reloaded.SysButtons[i]->Visibility1);
    }
    EXPECT_EQ(fresh.Title->ActiveTextColor, reloaded.Title->ActiveTextColor);
    EXPECT_EQ(fresh.Buttons->RadioFrameCount, reloaded.Buttons->RadioFrameCount);
    EXPECT_EQ(fresh.Buttons->HasNormalColor2, reloaded.Buttons->HasNormalColor2);
    EXPECT_EQ(fresh.SectionColors, reloaded.SectionColors);
    EXPECT_EQ(fresh.CustomColors, reloaded.CustomColors);
    EXPECT_EQ(fresh.ButtonTextColor, reloaded.ButtonTextColor);
    EXPECT_EQ(fresh.SkinName, reloaded.SkinName);
}

}  // namespace
