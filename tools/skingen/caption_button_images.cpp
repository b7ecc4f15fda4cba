// Caption buttons (close, maximize, restore, minimize), the window icon button and the three
// buttons of a maximized MDI child shown in the menu bar.
#include "tools/skingen/glyphs.h"
#include "tools/skingen/images.h"

namespace tools::skingen {

namespace {

constexpr const char* kSection = "caption_buttons";

enum class Kind { Close, Maximize, Restore, Minimize };

Shape GlyphOf(Kind kind, double cx, double cy, double s, double w) {
    switch (kind) {
        case Kind::Close: return CloseGlyph(cx, cy, s, w);
        case Kind::Maximize: return MaximizeGlyph(cx, cy, s, w);
        case Kind::Restore: return RestoreGlyph(cx, cy, s, w);
        case Kind::Minimize: return MinimizeGlyph(cx, cy, s, w);
    }
    return CloseGlyph(cx, cy, s, w);
}

// The caption behind a button placed at row `top` of the caption.
Paint BehindButton(const Params& p, bool active, int top) {
    const Paint caption = CaptionPaint(p, active);
    return [caption, top](double x, double y) { return caption(x, y + top); };
}

// Flat buttons: four frames (normal, pressed, hot, inactive); only the glyph shows until the
// mouse is over the button, then a rounded plate appears (red for close).
base::Bitmap FlatButton(const Params& p, Kind kind) {
    const int w = p.Int(kSection, "width"), h = p.Int(kSection, "height"), top = p.Int(kSection, "y");
    const double s = p.Number(kSection, "glyph_size", 5), gw = p.Number(kSection, "glyph_width", 1.2);
    const double r = p.Number(kSection, "radius", 4);
    return MakeStrip(w, h, 4, false, [&](int state) {
        const bool active = state != 3, pressed = state == 1, hot = state == 2;
        Canvas c(w, h, BehindButton(p, active, top));
        const bool close = kind == Kind::Close;
        if (pressed || hot) {
            if (close)
                c.Fill(RoundRect(0, 0, w, h, r), Solid(p.Color(kSection, pressed ? "close_pressed" : "close_hot")));
            else
                c.Fill(RoundRect(0, 0, w, h, r), Solid(p.Color(kSection, "plate")),
                       p.Number(kSection, pressed ? "pressed_opacity" : "hot_opacity", 0.15));
        }
        Rgb glyph = p.Color(kSection, active ? "glyph" : "glyph_inactive");
        if (close && (pressed || hot)) glyph = p.Color(kSection, "close_glyph_hot");
        const double cy = kind == Kind::Minimize ? h / 2.0 + s * 0.2 : h / 2.0;
        c.Fill(GlyphOf(kind, w / 2.0, cy, s, gw), Solid(glyph));
        return c.Export();
    });
}

// Round buttons: three frames (normal, pressed, hot), a colored ball whose glyph shows on hover.
base::Bitmap RoundButton(const Params& p, Kind kind) {
    const int w = p.Int(kSection, "width"), h = p.Int(kSection, "height"), top = p.Int(kSection, "y");
    const double s = p.Number(kSection, "glyph_size", 3.5), gw = p.Number(kSection, "glyph_width", 1.3);
    const char* colorKey = kind == Kind::Close      ? "close_colour"
                           : kind == Kind::Minimize ? "minimize_colour"
                                                    : "maximize_colour";
    const Rgb ball = p.Color(kSection, colorKey);
    return MakeStrip(w, h, 3, false, [&](int state) {
        Canvas c(w, h, BehindButton(p, true, top));
        const double cx = w / 2.0, cy = h / 2.0, rad = (h < w ? h : w) / 2.0 - 1.5;
        const Rgb face = state == 1 ? Darken(ball, 0.18) : state == 2 ? Lighten(ball, 0.08) : ball;
        c.Fill(Circle(cx, cy, rad + 0.8), Solid(Darken(ball, 0.3)));
        c.Fill(Circle(cx, cy, rad), VerticalGradient(Lighten(face, 0.18), face, cy - rad, cy + rad));
        if (state != 0) c.Fill(GlyphOf(kind, cx, cy, s, gw), Solid(p.Color(kSection, "round_glyph")), 0.75);
        return c.Export();
    });
}

// The MDI child buttons: minimize, restore, close, each normal, pressed, hot, hot.
base::Bitmap MdiButtons(const Params& p) {
    const int m = p.Int(kSection, "mdi_size");
    const Rgb bar = p.Color("frame", "menubar_colour");
    const Kind kinds[3] = {Kind::Minimize, Kind::Restore, Kind::Close};
    return MakeStrip(m, m, 12, false, [&](int i) {
        const Kind kind = kinds[i / 4];
        const int state = i % 4;
        Canvas c(m, m, bar);
        if (state != 0)
            c.Fill(RoundRect(0, 0, m, m, 3), Solid(p.Color(kSection, "mdi_plate")), state == 1 ? 0.32 : 0.18);
        c.Fill(GlyphOf(kind, m / 2.0, kind == Kind::Minimize ? m / 2.0 + 2 : m / 2.0, m * 0.22, 1.1),
               Solid(p.Color(kSection, "mdi_glyph")));
        return c.Export();
    });
}

}  // namespace

void MakeCaptionButtonImages(const Params& p, ImageSet& out) {
    const std::string style = p.Text(kSection, "style");
    if (style != "flat" && style != "round") throw ParamError("[caption_buttons] style: expected flat or round");
    const auto make = [&](Kind k) { return style == "flat" ? FlatButton(p, k) : RoundButton(p, k); };
    out["close.bmp"] = make(Kind::Close);
    out["maximize.bmp"] = make(Kind::Maximize);
    out["restore.bmp"] = make(Kind::Restore);
    out["minimize.bmp"] = make(Kind::Minimize);
    out["mdicontrols.bmp"] = MdiButtons(p);

    if (p.Text(kSection, "icon", "no") == "yes") {
        const int size = p.Int(kSection, "icon_size"), top = p.Int(kSection, "icon_y");
        out["icon.bmp"] = MakeStrip(size, size, 4, false, [&](int state) {
            Canvas c(size, size, BehindButton(p, state != 3, top));
            const Rgb a = p.Color(kSection, "icon_top"), b = p.Color(kSection, "icon_bottom");
            if (state == 3)
                DrawAppIcon(c, 0, 0, size, Mix(a, {128, 128, 128}, 0.5), Mix(b, {128, 128, 128}, 0.5), {230, 230, 230});
            else
                DrawAppIcon(c, 0, 0, size, state == 2 ? Lighten(a, 0.1) : a, state == 1 ? Darken(b, 0.1) : b,
                            {255, 255, 255});
            return c.Export();
        });
    }
}

}  // namespace tools::skingen
