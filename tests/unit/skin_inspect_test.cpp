// The inspect description: its fixed line format and that it reports what the loader read.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/color.h"
#include "skin_loader_fixture.h"
#include "skin/source/lzh_encoder.h"
#include "tools/common/skin_inspect.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The line starting with `prefix` followed by a blank or '=', or "" when there is none.
std::string LineOf(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const auto& l : lines)
        if (l.rfind(prefix, 0) == 0 &&
            (l.size() == prefix.size() || l[prefix.size()] == ' ' || l[prefix.size()] == '='))
            return l;
    return "";
}

TEST(SkinInspect, EmptySkinListsEveryMemberInOrder) {
    skin::TSkinObjects objects;
    const auto lines = Lines(tools::DescribeSkinObjects(objects));
    const std::vector<std::string> members{
        "Title",          "BorderLeft",     "BorderRight",       "BorderTop",       "BorderBottom",
        "Buttons",        "Progress",       "MenuBar",           "GroupBoxEdge",    "GroupBox",
        "Tabs",           "StatusBarEdges", "ToolbarBackground", "Toolbars",        "ComboButton",
        "SunkEdge",       "ExtraImages",    "HeaderBar",         "MenuItem",        "MenuBackground",
        "ScrollBar",      "HorzScroll",     "VertScroll",        "HorzScrollThumb", "VertScrollThumb",
        "TrackThumbHorz", "TrackThumbVert", "TrackThumbLeft",    "TrackThumbRight", "TrackThumbUp",
        "TrackThumbDown", "UpDownHorz",     "UpDownVert"};
    ASSERT_GE(lines.size(), members.size());
    for (std::size_t i = 0; i < members.size(); ++i)
        EXPECT_EQ(lines[i].rfind("object " + members[i] + " ", 0), 0u) << lines[i];
    // Objects a skin did not define are absent; the always-present ones show an empty image.
    EXPECT_EQ(LineOf(lines, "object Progress"), "object Progress absent");
    EXPECT_EQ(LineOf(lines, "object BorderTop"),
              "object BorderTop name=Top image=0x0 frames=0 margins=0,0,0,0 trans=0 tile=0 style=0 image2=0x0");
    EXPECT_EQ(lines.back(), "ok");
    EXPECT_EQ(lines[lines.size() - 2], "skinname ");
}

TEST(SkinInspect, ColorsPrintAsTColorHex) {
    skin::TSkinObjects objects;
    objects.WindowTextColor = MakeRgb(130, 31, 12);
    objects.SectionColors = {MakeRgb(1, 2, 3)};
    const auto lines = Lines(tools::DescribeSkinObjects(objects));
    EXPECT_EQ(LineOf(lines, "colour WindowTextColor"), "colour WindowTextColor=0x000C1F82");
    EXPECT_EQ(LineOf(lines, "colour ButtonFaceColor"), "colour ButtonFaceColor=0xFF00000F");
    EXPECT_EQ(LineOf(lines, "colour TitleTextInactiveColor"), "colour TitleTextInactiveColor=0xFF000013");
    EXPECT_EQ(LineOf(lines, "sectioncolour 0"), "sectioncolour 0=0x00030201");
    EXPECT_EQ(LineOf(lines, "customcolour 9"), "customcolour 9=0x00FFFFFF");
    EXPECT_EQ(LineOf(lines, "customcolour 10"), "");
}

TEST(SkinInspect, DescribesWhatTheLoaderRead) {
    skintest::SkinPackage package(
        "[TitlebarSkin]\nSkinName=Probe\n[Buttons]\nBitmap=b.bmp\nLeftWidth=3\nTopHeight=4\nTrans=1\n"
        "CheckButton=c.bmp\nRadioButton=r.bmp\nRadioButtonFrame=8\n[Tabs]\nImage=t.bmp\nBorder=p.bmp\nTile=1\n"
        "[BUTTON.X]\nAction=0\nAlign=1\nXCoord=30\nYCoord=5\nButtonImage=x.bmp\n[Colours]\nHilight=130 31 12\n"
        "[ColourOne]\ncolor=1 2 3\n[StatusBarEdges]\nImage=s.bmp\nLeftWidth=2\nRightWidth=2\n");
    package.Image("b.bmp", skintest::Gradient(50, 20))
        .Image("c.bmp", skintest::Gradient(52, 13))
        .Image("r.bmp", skintest::Gradient(104, 13))
        .Image("t.bmp", skintest::Gradient(100, 22))
        .Image("p.bmp", skintest::Gradient(16, 16))
        .Image("x.bmp", skintest::Gradient(57, 18))
        .Image("s.bmp", skintest::Gradient(36, 20));
    std::string description, error;
    ASSERT_TRUE(tools::InspectSkinPackage(package.Compressed(), description, error)) << error;
    const auto lines = Lines(description);
    EXPECT_EQ(LineOf(lines, "object Buttons"),
              "object Buttons name=Buttons image=50x20 frames=5 margins=3,4,0,0 trans=1 tile=0 style=0 "
              "check=52x13 checkframes=4 radio=104x13 radioframes=8");
    EXPECT_EQ(LineOf(lines, "object Tabs"),
              "object Tabs name=Tabs image=100x22 frames=5 margins=0,0,0,0 trans=0 tile=1 style=0 image2=16x16");
    // Derived from the status bar: first frame less the side margins.
    EXPECT_EQ(LineOf(lines, "object ToolbarBackground"),
              "object ToolbarBackground name=Toolbar image=8x20 frames=1 margins=0,0,0,0 trans=0 tile=0 style=0");
    // 57 x 18 without a frame key: 3 frames. Then the three MDI buttons.
    EXPECT_EQ(LineOf(lines, "sysbutton 0"),
              "sysbutton 0 name=BUTTON.X action=0 align=1 x=30 y=5 visibility=0 visibility1=0 combineop=-1 frames=3 "
              "image=57x18");
    EXPECT_NE(LineOf(lines, "sysbutton 3"), "");
    EXPECT_EQ(LineOf(lines, "sysbutton 4"), "");
    EXPECT_EQ(LineOf(lines, "colour HilightColor"), "colour HilightColor=0x000C1F82");
    EXPECT_EQ(LineOf(lines, "sectioncolour 0"), "sectioncolour 0=0x00030201");
    EXPECT_EQ(LineOf(lines, "skinname"), "skinname Probe");
    EXPECT_EQ(lines.back(), "ok");
}

TEST(SkinInspect, DamagedPackagesGiveAnErrorNotACrash) {
    skintest::SkinPackage package("[Buttons]\nBitmap=b.bmp\n");
    package.Image("b.bmp", skintest::Gradient(50, 20));
    std::vector<std::uint8_t> bytes = package.Compressed();
    std::string description, error;
    // Empty, cut inside the length word, and with a wrong version word inside the stream. (A bit
    // stream cut later still decodes: the decompressor reads zero bits past its end.)
    for (std::size_t keep : {std::size_t{0}, std::size_t{3}}) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(keep));
        error.clear();
        EXPECT_FALSE(tools::InspectSkinPackage(cut, description, error)) << keep;
        EXPECT_FALSE(error.empty()) << keep;
    }
    std::vector<std::uint8_t> decompressed = package.Decompressed();
    decompressed[0] ^= 1;
    error.clear();
    EXPECT_FALSE(tools::InspectSkinPackage(skin::source::EncodeLzhStream(decompressed), description, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
