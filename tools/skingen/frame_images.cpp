// Window frame: the four edges cut from one drawn window, the caption text background and the
// menu bar strip.
#include <cmath>

#include "skin/data/skin_image.h"
#include "tools/skingen/glyphs.h"
#include "tools/skingen/images.h"

namespace tools::skingen {

namespace {

constexpr const char* kSection = "frame";

bool Striped(const Params& p) {
    const std::string pattern = p.Text(kSection, "pattern", "none");
    if (pattern != "none" && pattern != "stripes") throw ParamError("[frame] pattern: expected none or stripes");
    return pattern == "stripes";
}

// One window drawn whole, active or inactive, from which the edges are cut.
base::Bitmap DrawWindow(const Params& p, bool active, int width, int height) {
    const int caption = p.Int(kSection, "caption_height");
    const int side = p.Int(kSection, "border");
    const int bottom = p.Int(kSection, "bottom");
    const double radius = p.Number(kSection, "radius", 0);
    const Rgb outline = p.Color(kSection, active ? "outline" : "outline_inactive");
    const Rgb edge = p.Color(kSection, active ? "edge" : "edge_inactive");
    const Paint captionPaint = CaptionPaint(p, active);

    Canvas c(width, height, p.Color(kSection, "desktop"));
    c.Fill(TopRoundRect(0, 0, width, height, radius), Solid(outline));
    c.Fill(TopRoundRect(1, 1, width - 1, height - 1, radius - 1),
           [&](double x, double y) { return y < caption ? captionPaint(x, y) : edge; });
    // A crisp line where the caption meets the client area, and around the client area.
    const Rgb line = p.Color(kSection, active ? "inner_line" : "inner_line_inactive");
    c.FillRect(side, caption - 1, width - side, caption,
               Solid(p.Color(kSection, active ? "caption_line" : "caption_line_inactive")));
    c.FillRect(side - 1, caption, side, height - bottom + 1, Solid(line));
    c.FillRect(width - side, caption, width - side + 1, height - bottom + 1, Solid(line));
    c.FillRect(side - 1, height - bottom, width - side + 1, height - bottom + 1, Solid(line));
    return c.Export();
}

}  // namespace

Paint CaptionPaint(const Params& p, bool active) {
    const int caption = p.Int(kSection, "caption_height");
    const Rgb top = p.Color(kSection, active ? "caption_top" : "caption_inactive_top");
    const Rgb bottom = p.Color(kSection, active ? "caption_bottom" : "caption_inactive_bottom");
    const Paint gradient = VerticalGradient(top, bottom, 0, caption);
    if (!Striped(p)) return gradient;
    const int period = p.Int(kSection, "stripe_period");
    const double strength = p.Number(kSection, "stripe_strength", 0.05);
    if (period < 2) throw ParamError("[frame] stripe_period must be at least 2");
    return [=](double x, double y) {
        const int phase = static_cast<int>(std::floor(x + y)) % period;
        return phase < period / 2 ? Lighten(gradient(x, y), strength) : gradient(x, y);
    };
}

void MakeFrameImages(const Params& p, ImageSet& out) {
    const int caption = p.Int(kSection, "caption_height");
    const int side = p.Int(kSection, "border");
    const int bottom = p.Int(kSection, "bottom");
    const int cornerPart = p.Int(kSection, "corner_part");
    // The middle of each edge is one tile (the stripe period) when the middles tile.
    const int middle = Striped(p) ? p.Int(kSection, "stripe_period") : p.Int(kSection, "middle", 8);
    const int width = 2 * side + 2 * cornerPart + middle;
    const int height = caption + middle + bottom;

    const base::Bitmap windows[2] = {DrawWindow(p, true, width, height), DrawWindow(p, false, width, height)};
    out["left.bmp"] = MakeStrip(side, height, 2, false, [&](int i) { return windows[i].Crop({0, 0, side, height}); });
    out["right.bmp"] = MakeStrip(side, height, 2, false, [&](int i) {
        return windows[i].Crop({width - side, 0, width, height});
    });
    out["top.bmp"] = MakeStrip(width - 2 * side, caption, 2, true, [&](int i) {
        return windows[i].Crop({side, 0, width - side, caption});
    });
    out["bottom.bmp"] = MakeStrip(width - 2 * side, bottom, 2, true, [&](int i) {
        return windows[i].Crop({side, height - bottom, width - side, height});
    });

    // Caption text background: a pill behind the title, drawn between caps of textback_cap.
    const int cap = p.Int(kSection, "textback_cap");
    const int inset = p.Int(kSection, "textback_inset");
    const int tw = 2 * cap + 4;
    out["textback.bmp"] = MakeStrip(tw, caption, 2, true, [&](int i) {
        Canvas c(tw, caption, CaptionPaint(p, i == 0));
        const double h = caption - 2.0 * inset;
        c.Fill(RoundRect(0.5, inset, tw - 0.5, caption - inset, h / 2), Solid(p.Color(kSection, "textback_colour")),
               p.Number(kSection, i == 0 ? "textback_opacity" : "textback_inactive_opacity", 0.1));
        return c.Export();
    });

    // Menu bar: flat face with a hairline at the bottom; frame 1 active, 2 inactive.
    const int bar = p.Int(kSection, "menubar_height");
    out["menubar.bmp"] = MakeStrip(16, bar, 2, true, [&](int i) {
        Canvas c(16, bar, Rgb{});
        c.FillRect(0, 0, 16, bar, Solid(p.Color(kSection, i == 0 ? "menubar_colour" : "menubar_inactive_colour")));
        c.FillRect(0, bar - 1, 16, bar, Solid(p.Color(kSection, "menubar_line")));
        return c.Export();
    });
}

}  // namespace tools::skingen
