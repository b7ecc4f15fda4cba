// Images the loader derives: mirrored combo button, combo frames, tool-bar
// background from the status bar.

#include <gtest/gtest.h>

#include "skin/data/skin_image.h"
#include "skin/data/skin_loader.h"
#include "unit/skin_loader_fixture.h"

namespace {

using base::Pixel;
using skintest::Gradient;
using skintest::SkinPackage;
using skintest::SolidFrames;

TEST(SkinDerivedImages, ComboButtonMapTwoIsTheMirroredMap) {
    SkinPackage package("[ComboButton]\nImage=combo.bmp\nStyle=1\n");
    package.Image("combo.bmp", Gradient(40, 6));
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());
    ASSERT_NE(objects.ComboButton, nullptr);
    const skin::TDataSkinBorder& combo = *objects.ComboButton;
    // Without a sunken edge nothing is synthesised: the map stays the image.
    EXPECT_EQ(combo.Map, Gradient(40, 6));
    EXPECT_EQ(combo.Style, 0);  // objects with a second image do not read Style
    ASSERT_EQ(combo.Map2.Width(), 40);
    ASSERT_EQ(combo.Map2.Height(), 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(combo.Map2.At(x, y), combo.Map.At(39 - x, y)) << x << "," << y;
}

class ComboSynthesis : public ::testing::Test {
protected:
    const std::vector<Pixel> edgeColors = {0x101010, 0x202020, 0x303030, 0x404040};
    const std::vector<Pixel> buttonColors = {0x00AA00, 0x00BB00, 0x00CC00, 0x00DD00};
    const std::vector<Pixel> glyphColors = {0x0000A1, 0x0000A2, 0x0000A3, 0x0000A4, 0x0000A5};

    SkinPackage Package(bool withGlyphs) const {
        std::string definition =
            "[SunkEdge]\nImage=edge.bmp\nLeftWidth=3\nTopHeight=4\nRightWidth=5\nBottomHeight=6\n"
            "[ComboButton]\nImage=button.bmp\n";
        if (withGlyphs) definition += "[ExtraImages]\nImage=glyph.bmp\n";
        SkinPackage package(definition);
        package.Image("edge.bmp", SolidFrames(12, 12, edgeColors))
            .Image("button.bmp", SolidFrames(8, 8, buttonColors))
            .Image("glyph.bmp", SolidFrames(3, 3, glyphColors));
        return package;
    }
};

TEST_F(ComboSynthesis, FramesAreDrawnFromEdgeButtonAndGlyph) {
    for (const int arrow : {17, 12, 30}) {
        skin::TSkinObjects objects;
        ASSERT_TRUE(Package(true).LoadInto(objects, arrow).Ok());
        const int d = arrow + 2;
        const skin::TDataSkinBorder& combo = *objects.ComboButton;
        const skin::TDataSkinObject& edge = *objects.SunkEdge;
        ASSERT_EQ(combo.Map.Width(), 50 * 4);
        ASSERT_EQ(combo.Map.Height(), 21);
        EXPECT_EQ(combo.Style, 2);
        EXPECT_EQ(combo.Margins, (base::Rect{2, 4, d + 2, 6}));
        EXPECT_EQ(combo.FrameCount, 4);
        EXPECT_EQ(edge.Margins, (base::Rect{d + 2, 4, 2, 6}));
        // Map2 still holds the mirror of the original button image.
        EXPECT_EQ(combo.Map2.Width(), 8 * 4);

        const int glyphX = 50 - d + (d - 3) / 2;
        const int glyphY = (21 - 3) / 2;
        for (int b = 0; b < 4; ++b) {
            const int x0 = 50 * b;
            for (int y = 0; y < 21; ++y) {
                for (int x = 0; x < 50; ++x) {
                    Pixel expected = edgeColors[static_cast<std::size_t>(b)];
                    if (x >= 50 - d) expected = buttonColors[static_cast<std::size_t>(b)];
                    if (x >= glyphX && x < glyphX + 3 && y >= glyphY && y < glyphY + 3)
                        expected = glyphColors[static_cast<std::size_t>(b)];
                    if (x >= 2 && x < 49 - d && y >= 2 && y < 18) expected = base::kMagenta;
                    ASSERT_EQ(combo.Map.At(x0 + x, y), expected)
                        << "arrow " << arrow << " frame " << b + 1 << " at " << x << "," << y;
                    // The sunken edge gets every frame mirrored in place, in the same order.
                    ASSERT_EQ(edge.Map.At(x0 + 49 - x, y), expected)
                        << "arrow " << arrow << " mirrored frame " << b + 1 << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(ComboSynthesis, TransparentEdgeLeavesMagentaAndNoGlyphWithoutExtraImages) {
    SkinPackage package = Package(false);
    base::Bitmap edgeImage = SolidFrames(12, 12, edgeColors);
    edgeImage.At(0, 0) = base::kMagenta;  // top-left corner pixel of frame 1
    package.Definition(
        "[SunkEdge]\nImage=holed.bmp\nTrans=1\nLeftWidth=3\nTopHeight=4\nRightWidth=5\nBottomHeight=6\n"
        "[ComboButton]\nImage=button.bmp\n");
    package.Image("holed.bmp", edgeImage);
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());
    const base::Bitmap& map = objects.ComboButton->Map;
    EXPECT_EQ(map.At(0, 0), base::kMagenta);
    EXPECT_EQ(map.At(1, 0), edgeColors[0]);
    // Frame 2 of the edge has no hole: nothing of frame 1 shows through.
    EXPECT_EQ(map.At(50, 0), edgeColors[1]);
    // No glyph: the whole button column is the button image outside the text area.
    for (int y = 0; y < 21; ++y) EXPECT_EQ(map.At(48, y), buttonColors[0]) << y;
}

TEST_F(ComboSynthesis, NeedsBothSunkEdgeAndComboButton) {
    SkinPackage package = Package(true);
    package.Definition("[SunkEdge]\nImage=edge.bmp\n[ExtraImages]\nImage=glyph.bmp\n");
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());
    EXPECT_EQ(objects.ComboButton, nullptr);
    EXPECT_EQ(objects.SunkEdge->Map, SolidFrames(12, 12, edgeColors));
    EXPECT_EQ(objects.SunkEdge->Margins, base::Rect{});
}

TEST(SkinDerivedImages, ToolbarBackgroundFromFirstStatusBarFrame) {
    // Three frames of 10 x 12; margins L=2, T=3, R=1, B=4.
    SkinPackage package("[StatusBarEdges]\nImage=status.bmp\nLeftWidth=2\nTopHeight=3\nRightWidth=1\nBottomHeight=4\n");
    const base::Bitmap status = Gradient(30, 12, 7);
    package.Image("status.bmp", status);
    skin::TSkinObjects objects;
    ASSERT_TRUE(package.LoadInto(objects).Ok());
    ASSERT_NE(objects.ToolbarBackground, nullptr);
    const skin::TDataSkinObject& toolbar = *objects.ToolbarBackground;
    EXPECT_EQ(toolbar.Name, "Toolbar");
    EXPECT_EQ(toolbar.FrameCount, 1);
    EXPECT_EQ(toolbar.Margins, (base::Rect{0, 0, 0, 4}));
    ASSERT_EQ(toolbar.Map.Width(), 10 - 2 - 1);
    ASSERT_EQ(toolbar.Map.Height(), 12 - 3);
    // Columns 2..8 of frame 1 unscaled; rows 3..8 stretched over 9 rows, top to bottom.
    int previousRow = 3;
    for (int y = 0; y < toolbar.Map.Height(); ++y) {
        for (int x = 0; x < toolbar.Map.Width(); ++x) {
            const Pixel p = toolbar.Map.At(x, y);
            EXPECT_EQ(base::PixelRed(p), 2 + x);
            EXPECT_EQ(base::PixelBlue(p), 7);
        }
        const int sourceRow = base::PixelGreen(toolbar.Map.At(0, y));
        EXPECT_GE(sourceRow, previousRow);
        EXPECT_LE(sourceRow, 8);
        previousRow = sourceRow;
    }
    EXPECT_EQ(base::PixelGreen(toolbar.Map.At(0, 0)), 3);
    EXPECT_EQ(base::PixelGreen(toolbar.Map.At(0, toolbar.Map.Height() - 1)), 8);
}

TEST(SkinDerivedImages, ToolbarBackgroundWithMarginsWiderThanTheFrame) {
    // Margins that leave no width give the object with an empty image.
    for (const char* margins : {"LeftWidth=6\nRightWidth=4\n", "TopHeight=12\n", "LeftWidth=-2147483648\n"}) {
        SkinPackage package(std::string("[StatusBarEdges]\nImage=status.bmp\n") + margins);
        package.Image("status.bmp", Gradient(30, 12));
        skin::TSkinObjects objects;
        ASSERT_TRUE(package.LoadInto(objects).Ok());
        ASSERT_NE(objects.ToolbarBackground, nullptr) << margins;
        EXPECT_TRUE(objects.ToolbarBackground->Map.Empty()) << margins;
    }
    // A status bar without an image still yields the object.
    skin::TSkinObjects objects;
    ASSERT_TRUE(SkinPackage("[StatusBarEdges]\nImage=missing.bmp\n").LoadInto(objects).Ok());
    ASSERT_NE(objects.ToolbarBackground, nullptr);
    EXPECT_EQ(objects.ToolbarBackground->Name, "Toolbar");
    EXPECT_TRUE(objects.ToolbarBackground->Map.Empty());
}

}  // namespace

namespace {

TEST(SkinDerivedImages, ExtremeDefinitionValuesStayInBounds) {
    // Margins and widths at the ends of the integer range: the derived images
    // keep their fixed sizes and nothing is read or written out of bounds
    // (the sanitizer build checks the latter).
    const std::string definition =
        "[SunkEdge]\nImage=e.bmp\nTrans=1\nLeftWidth=2147483647\nTopHeight=-2147483648\nRightWidth=$7FFFFFFF\n"
        "BottomHeight=-1\n"
        "[ComboButton]\nImage=b.bmp\nLeftWidth=-2147483648\nRightWidth=2147483647\n"
        "[ExtraImages]\nImage=b.bmp\n"
        "[StatusBarEdges]\nImage=e.bmp\nLeftWidth=-2147483647\nRightWidth=-2147483647\nTopHeight=-5\n";
    SkinPackage package(definition);
    package.Image("e.bmp", Gradient(40, 10)).Image("b.bmp", Gradient(8, 3));
    for (const int arrow : {-2147483647 - 1, -1, 0, 49, 50, 51, 2147483647}) {
        skin::TSkinObjects objects;
        ASSERT_TRUE(package.LoadInto(objects, arrow).Ok()) << arrow;
        ASSERT_NE(objects.ComboButton, nullptr);
        EXPECT_EQ(objects.ComboButton->Map.Width(), 200) << arrow;
        EXPECT_EQ(objects.ComboButton->Map.Height(), 21) << arrow;
        EXPECT_EQ(objects.SunkEdge->Map.Width(), 200) << arrow;
        EXPECT_GE(objects.ComboButton->Margins.Right, 2) << arrow;
        ASSERT_NE(objects.ToolbarBackground, nullptr);
        EXPECT_TRUE(objects.ToolbarBackground->Map.Empty()) << arrow;
    }
}

}  // namespace
