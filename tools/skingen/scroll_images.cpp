// Scroll bar arrows, tracks and thumbs; track bar thumbs; up-down buttons and their glyphs.
#include "tools/skingen/glyphs.h"
#include "tools/skingen/images.h"

namespace tools::skingen {

namespace {

const Look kLooks[4] = {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot};

// Arrow frames: left, right, up, down (each normal, pressed, disabled, hot), then 7 plain frames.
base::Bitmap ScrollArrows(const Params& p) {
    constexpr const char* s = "scrollbar";
    const int size = p.Int(s, "size");
    const Rgb track = p.Color(s, "track");
    const Direction dirs[4] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};
    return MakeStrip(size, size, 23, false, [&](int i) {
        Canvas c(size, size, track);
        c.FillRect(0, 0, size, size, Solid(track));
        if (i >= 16) return c.Export();
        const Direction d = dirs[i / 4];
        const Look look = kLooks[i % 4];
        // The separator line between the bar and the control's content continues under the arrows.
        if (d == Direction::Up || d == Direction::Down)
            c.FillRect(0, 0, 1, size, Solid(p.Color(s, "track_line")));
        else
            c.FillRect(0, 0, size, 1, Solid(p.Color(s, "track_line")));
        if (look == Look::Hot || look == Look::Pressed)
            c.Fill(RoundRect(2.5, 2.5, size - 1.5, size - 1.5, 3), Solid(p.Color(s, "plate")),
                   look == Look::Pressed ? 0.9 : 0.5);
        const Rgb glyph = p.Color(s, look == Look::Disabled  ? "glyph_disabled"
                                     : look == Look::Pressed ? "glyph_pressed"
                                                             : "glyph");
        c.Fill(Arrowhead(size / 2.0 + 0.5, size / 2.0 + 0.5, size * 0.2, d), Solid(glyph));
        return c.Export();
    });
}

// Track: 4 frames (normal, pressed, disabled, hot); uniform along the bar.
base::Bitmap Track(const Params& p, bool vertical) {
    constexpr const char* s = "scrollbar";
    const int size = p.Int(s, "size"), length = p.Int(s, "track_length");
    const int w = vertical ? size : length, h = vertical ? length : size;
    return MakeStrip(w, h, 4, false, [&](int i) {
        Canvas c(w, h, Rgb{});
        c.FillRect(0, 0, w, h, Solid(p.Color(s, i == 2 ? "track_disabled" : "track")));
        if (vertical)
            c.FillRect(0, 0, 1, h, Solid(p.Color(s, "track_line")));
        else
            c.FillRect(0, 0, w, 1, Solid(p.Color(s, "track_line")));
        return c.Export();
    });
}

// Thumb: 3 frames (normal, dragged, hot); a slim pill on the track.
base::Bitmap Thumb(const Params& p, bool vertical) {
    constexpr const char* s = "scrollbar";
    const int size = p.Int(s, "size"), length = p.Int(s, "thumb_length");
    const double t = p.Number(s, "thumb_width", 8);
    const int w = vertical ? size : length, h = vertical ? length : size;
    const char* colors[3] = {"thumb", "thumb_drag", "thumb_hot"};
    return MakeStrip(w, h, 3, false, [&](int i) {
        Canvas c(w, h, Rgb{});
        c.FillRect(0, 0, w, h, Solid(p.Color(s, "track")));
        if (vertical)
            c.FillRect(0, 0, 1, h, Solid(p.Color(s, "track_line")));
        else
            c.FillRect(0, 0, w, 1, Solid(p.Color(s, "track_line")));
        const double a = (size - t) / 2.0 + 0.5, b = a + t;
        const Shape pill = vertical ? RoundRect(a, 2, b, h - 2, t / 2) : RoundRect(2, a, w - 2, b, t / 2);
        c.Fill(pill, Solid(p.Color(s, colors[i])));
        return c.Export();
    });
}

// A track bar thumb: a pill (no direction) or a tab with a point towards `d`; `inset` shrinks it.
Shape TrackThumbShape(int w, int h, bool pointed, Direction d, double inset) {
    const double l = 0.5 + inset, t = 0.5 + inset, r = w - 0.5 - inset, b = h - 0.5 - inset;
    if (!pointed) return RoundRect(l, t, r, b, (w < h ? w : h) / 2.0 - inset);
    const double tip = (w < h ? w : h) / 2.0;
    switch (d) {
        case Direction::Down:
            return Union(RoundRect(l, t, r, h - tip + 1, 2), Polygon({{l, h - tip}, {r, h - tip}, {w / 2.0, b}}));
        case Direction::Up: return Union(RoundRect(l, tip - 1, r, b, 2), Polygon({{l, tip}, {r, tip}, {w / 2.0, t}}));
        case Direction::Right:
            return Union(RoundRect(l, t, w - tip + 1, b, 2), Polygon({{w - tip, t}, {w - tip, b}, {r, h / 2.0}}));
        case Direction::Left: return Union(RoundRect(tip - 1, t, r, b, 2), Polygon({{tip, t}, {tip, b}, {l, h / 2.0}}));
    }
    return RoundRect(l, t, r, b, 2);
}

// Track bar thumbs: 5 frames (normal, normal, disabled, hot, pressed); frame 2 is the one shown.
base::Bitmap TrackThumb(const Params& p, bool upright, bool pointed, Direction d) {
    constexpr const char* s = "trackbar";
    const int across = p.Int(s, "thumb_width"), along = p.Int(s, "thumb_length");
    const int w = upright ? across : along, h = upright ? along : across;
    const Look looks[5] = {Look::Normal, Look::Normal, Look::Disabled, Look::Hot, Look::Pressed};
    return MakeStrip(w, h, 5, false, [&](int i) {
        const Look look = looks[i];
        Canvas c(w, h, p.Color("palette", "face"));
        const Rgb border = p.Color(s, look == Look::Disabled ? "disabled_border"
                                      : look == Look::Normal ? "border"
                                                             : "hot_border");
        const Rgb fill = p.Color(s, look == Look::Disabled  ? "disabled_fill"
                                    : look == Look::Pressed ? "pressed_fill"
                                                            : "fill");
        c.Fill(TrackThumbShape(w, h, pointed, d, 0), Solid(border));
        c.Fill(TrackThumbShape(w, h, pointed, d, 1.2), VerticalGradient(Lighten(fill, 0.3), fill, 0, h));
        return c.Export();
    });
}

// Up-down buttons: 8 frames (first arrow normal, pressed, disabled, hot; then the second arrow).
base::Bitmap UpDownButtons(const Params& p, bool vertical) {
    constexpr const char* s = "updown";
    const int across = p.Int(s, "width"), along = p.Int(s, "height");
    const int w = vertical ? across : along, h = vertical ? along : across;
    return MakeStrip(w, h, 8, false, [&](int i) {
        const Look look = kLooks[i % 4];
        Canvas c(w, h, p.Color("palette", "face"));
        const char* fill = look == Look::Pressed    ? "pressed_fill"
                           : look == Look::Hot      ? "hot_fill"
                           : look == Look::Disabled ? "disabled_fill"
                                                    : "fill";
        c.Fill(RoundRect(0, 0, w, h, 2.5), Solid(p.Color(s, look == Look::Hot ? "hot_border" : "border")));
        c.Fill(RoundRect(1, 1, w - 1, h - 1, 1.5), Solid(p.Color(s, fill)));
        return c.Export();
    });
}

base::Bitmap UpDownGlyphs(const Params& p, bool vertical) {
    constexpr const char* s = "updown";
    const int gw = vertical ? 7 : 5, gh = vertical ? 5 : 7;
    return MakeStrip(gw, gh, 8, false, [&](int i) {
        const Look look = kLooks[i % 4];
        const bool first = i < 4;
        const Direction d =
            vertical ? (first ? Direction::Up : Direction::Down) : (first ? Direction::Left : Direction::Right);
        Canvas c(gw, gh, p.Color(s, look == Look::Pressed ? "pressed_fill" : look == Look::Hot ? "hot_fill" : "fill"));
        const Rgb glyph = p.Color(s, look == Look::Disabled ? "glyph_disabled"
                                     : look == Look::Hot    ? "glyph_hot"
                                                            : "glyph");
        c.Fill(Arrowhead(gw / 2.0, gh / 2.0, (vertical ? gw : gh) / 2.0 - 0.3, d), Solid(glyph));
        return c.Export();
    });
}

}  // namespace

void MakeScrollImages(const Params& p, ImageSet& out) {
    out["scrollbar.bmp"] = ScrollArrows(p);
    out["hscroll.bmp"] = Track(p, false);
    out["vscroll.bmp"] = Track(p, true);
    out["hthumb.bmp"] = Thumb(p, false);
    out["vthumb.bmp"] = Thumb(p, true);

    out["track_horz.bmp"] = TrackThumb(p, true, false, Direction::Down);
    out["track_vert.bmp"] = TrackThumb(p, false, false, Direction::Right);
    out["track_down.bmp"] = TrackThumb(p, true, true, Direction::Down);
    out["track_up.bmp"] = TrackThumb(p, true, true, Direction::Up);
    out["track_left.bmp"] = TrackThumb(p, false, true, Direction::Left);
    out["track_right.bmp"] = TrackThumb(p, false, true, Direction::Right);

    out["updown_v.bmp"] = UpDownButtons(p, true);
    out["updown_h.bmp"] = UpDownButtons(p, false);
    out["updown_vglyph.bmp"] = UpDownGlyphs(p, true);
    out["updown_hglyph.bmp"] = UpDownGlyphs(p, false);
}

}  // namespace tools::skingen
