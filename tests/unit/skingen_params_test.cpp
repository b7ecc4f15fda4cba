// The skin generator's parameter file and its anti-aliased canvas.
#include <gtest/gtest.h>

#include <string>

#include "tools/common/skingen_canvas.h"
#include "tools/common/skingen_params.h"

namespace {

using tools::skingen::Canvas;
using tools::skingen::ParamError;
using tools::skingen::Params;
using tools::skingen::Rgb;

TEST(SkingenParams, ReadsValuesAndPaletteNames) {
    const Params p = Params::Parse(
        "# comment\n[palette]\naccent = 10 20 30\nalias = accent\n\n[frame]\nheight = 28\nratio = 0.5\n"
        "colour = alias\nplain = 1 2 3\nname = stripes\n",
        "test.txt");
    EXPECT_EQ(p.Int("frame", "height"), 28);
    EXPECT_EQ(p.Int("frame", "missing", 7), 7);
    EXPECT_DOUBLE_EQ(p.Number("frame", "ratio", 0), 0.5);
    EXPECT_EQ(p.Text("frame", "name"), "stripes");
    const Rgb c = p.Color("frame", "colour");
    EXPECT_EQ(c.R, 10);
    EXPECT_EQ(c.G, 20);
    EXPECT_EQ(c.B, 30);
    EXPECT_EQ(p.Color("frame", "plain").B, 3);
    // Every key of [frame] was asked for; palette entries never count as unused.
    EXPECT_TRUE(p.UnusedKeys().empty());
}

TEST(SkingenParams, MistakesAreReportedWithFileSectionAndKey) {
    EXPECT_THROW(Params::Parse("key = 1\n", "a.txt"), ParamError);            // before any section
    EXPECT_THROW(Params::Parse("[s]\nno equals\n", "a.txt"), ParamError);     // not key = value
    EXPECT_THROW(Params::Parse("[s]\nk = 1\nk = 2\n", "a.txt"), ParamError);  // given twice
    EXPECT_THROW(Params::Parse("[s\n", "a.txt"), ParamError);
    const Params p =
        Params::Parse("[palette]\nloop = loop\n[s]\nn = 1x\nc = 1 2\nd = 1 2 300\ne = loop\nf = nothing\n", "b.txt");
    try {
        p.Int("s", "n");
        ADD_FAILURE() << "no error";
    } catch (const ParamError& e) {
        EXPECT_NE(std::string(e.what()).find("b.txt: [s] n"), std::string::npos) << e.what();
    }
    EXPECT_THROW(p.Int("s", "absent"), ParamError);
    EXPECT_THROW(p.Color("s", "c"), ParamError);
    EXPECT_THROW(p.Color("s", "d"), ParamError);
    EXPECT_THROW(p.Color("s", "e"), ParamError);  // a palette name naming itself ends
    EXPECT_THROW(p.Color("s", "f"), ParamError);
    const Params q = Params::Parse("[s]\nused = 1\nspare = 2\n", "c.txt");
    q.Int("s", "used");
    ASSERT_EQ(q.UnusedKeys().size(), 1u);
    EXPECT_EQ(q.UnusedKeys()[0], "[s] spare");
}

TEST(SkingenCanvas, ShapesBlendAgainstTheBackdropAndUncoveredPixelsBecomeMagenta) {
    using namespace tools::skingen;
    Canvas c(10, 10, Rgb{0, 0, 0});
    c.Fill(RoundRect(0, 0, 10, 10, 5), Solid({255, 255, 255}));
    const base::Bitmap b = c.Export();
    EXPECT_EQ(b.At(0, 0), base::kMagenta);                  // outside the rounded corner
    EXPECT_EQ(b.At(5, 5), base::MakePixel(255, 255, 255));  // fully covered
    // Partly covered pixels are blends of white and the black backdrop: grey, never colored.
    int blended = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const base::Pixel p = b.At(x, y);
            if (p == base::kMagenta || p == base::MakePixel(255, 255, 255)) continue;
            ++blended;
            EXPECT_EQ(base::PixelRed(p), base::PixelGreen(p));
            EXPECT_EQ(base::PixelGreen(p), base::PixelBlue(p));
        }
    EXPECT_GT(blended, 0);
}

TEST(SkingenCanvas, TranslucentPaintStaysOpaqueAndNeverYieldsTheKey) {
    using namespace tools::skingen;
    Canvas c(4, 4, Rgb{255, 0, 255});
    // A translucent overlay tints the backdrop but the pixels still belong to the image.
    c.Fill(RoundRect(0, 0, 4, 4, 0), Solid({255, 0, 255}), 0.1);
    const base::Bitmap b = c.Export();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_NE(b.At(x, y), base::kMagenta);
            EXPECT_GT(base::PixelGreen(b.At(x, y)), 1);  // nudged off the region key range
        }
}

}  // namespace
