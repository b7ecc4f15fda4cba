// Push buttons (5 frames) and the check box and radio button glyph strips.
#include "tools/skingen/glyphs.h"
#include "tools/skingen/images.h"

namespace tools::skingen {

namespace {

const char* LookName(Look look) {
    switch (look) {
        case Look::Normal: return "normal";
        case Look::Pressed: return "pressed";
        case Look::Disabled: return "disabled";
        case Look::Hot: return "hot";
    }
    return "normal";
}

// Frames: normal, pressed, disabled, hot (also focused), default.
base::Bitmap PushButtons(const Params& p) {
    constexpr const char* s = "buttons";
    const int w = p.Int(s, "width"), h = p.Int(s, "height");
    const double r = p.Number(s, "radius", 4);
    const bool tiled = p.Text(s, "tiled", "no") == "yes";
    const int band = p.Int(s, "band", 4);
    const Rgb face = p.Color("palette", "face");
    return MakeStrip(w, h, 5, false, [&](int i) {
        const Look look = i == 4 ? Look::Normal : static_cast<Look>(i);
        const std::string n = LookName(look);
        const Rgb top = p.Color(s, n + "_top"), bottom = p.Color(s, n + "_bottom");
        // A tiled middle must be uniform, so the shading stays within the fixed top and bottom bands.
        const Paint fill = tiled ? Paint([=](double, double y) {
            if (y < band) return Mix(top, bottom, 0.5 * y / band);
            if (y > h - band) return Mix(top, bottom, 0.5 + 0.5 * (y - (h - band)) / band);
            return Mix(top, bottom, 0.5);
        })
                                 : VerticalGradient(top, bottom, 0, h);
        Canvas c(w, h, face);
        const bool isDefault = i == 4;
        const double ring = isDefault ? p.Number(s, "default_width", 2) : 1.0;
        c.Fill(RoundRect(0, 0, w, h, r), Solid(p.Color(s, isDefault ? "default_border" : n + "_border")));
        c.Fill(RoundRect(ring, ring, w - ring, h - ring, r - ring), fill);
        if (!tiled)
            c.Fill(Segment(r, ring + 0.5, w - r, ring + 0.5, 1), Solid({255, 255, 255}),
                   look == Look::Pressed ? 0.0 : 0.45);
        return c.Export();
    });
}

enum class Value { Off, On, Mixed };

base::Bitmap CheckFrame(const Params& p, Value value, Look look) {
    constexpr const char* s = "check";
    const int size = p.Int(s, "size");
    const double r = p.Number(s, "radius", 3);
    Canvas c(size, size, p.Color("palette", "face"));
    const std::string n = LookName(look);
    if (value == Value::Off) {
        c.Fill(RoundRect(0, 0, size, size, r), Solid(p.Color(s, n + "_border")));
        c.Fill(RoundRect(1, 1, size - 1, size - 1, r - 1), Solid(p.Color(s, n + "_fill")));
    } else {
        const Rgb on = p.Color(s, "on_" + n);
        c.Fill(RoundRect(0, 0, size, size, r), Solid(Darken(on, 0.12)));
        c.Fill(RoundRect(1, 1, size - 1, size - 1, r - 1), VerticalGradient(Lighten(on, 0.12), on, 0, size));
        const Rgb mark = p.Color(s, look == Look::Disabled ? "mark_disabled" : "mark");
        const double half = size / 2.0;
        if (value == Value::On)
            c.Fill(CheckMark(half, half, size * 0.27, size * 0.14), Solid(mark));
        else
            c.Fill(Segment(half - size * 0.25, half, half + size * 0.25, half, size * 0.15), Solid(mark));
    }
    return c.Export();
}

base::Bitmap RadioFrame(const Params& p, Value value, Look look) {
    constexpr const char* s = "radio";
    const int size = p.Int(s, "size");
    const double half = size / 2.0;
    Canvas c(size, size, p.Color("palette", "face"));
    const std::string n = LookName(look);
    if (value == Value::Off) {
        c.Fill(Circle(half, half, half), Solid(p.Color(s, n + "_border")));
        c.Fill(Circle(half, half, half - 1), Solid(p.Color(s, n + "_fill")));
    } else {
        const Rgb on = p.Color(s, "on_" + n);
        c.Fill(Circle(half, half, half), Solid(Darken(on, 0.12)));
        c.Fill(Circle(half, half, half - 1), VerticalGradient(Lighten(on, 0.12), on, 0, size));
        c.Fill(Circle(half, half, size * p.Number(s, "dot", 0.2)),
               Solid(p.Color(s, look == Look::Disabled ? "dot_disabled" : "dot_colour")));
    }
    return c.Export();
}

}  // namespace

void MakeButtonImages(const Params& p, ImageSet& out) {
    out["button.bmp"] = PushButtons(p);

    // Check strips: 4 frames (off, on, off disabled, on disabled) or 12 frames (off, on, mixed;
    // each normal, hot, pressed, disabled).
    const int checkSize = p.Int("check", "size");
    const int checkFrames = p.Int("check", "frames");
    if (checkFrames == 4) {
        const std::pair<Value, Look> order[4] = {{Value::Off, Look::Normal},
                                                 {Value::On, Look::Normal},
                                                 {Value::Off, Look::Disabled},
                                                 {Value::On, Look::Disabled}};
        out["check.bmp"] = MakeStrip(checkSize, checkSize, 4, false,
                                     [&](int i) { return CheckFrame(p, order[i].first, order[i].second); });
    } else if (checkFrames == 12) {
        const Look looks[4] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
        out["check.bmp"] = MakeStrip(checkSize, checkSize, 12, false,
                                     [&](int i) { return CheckFrame(p, static_cast<Value>(i / 4), looks[i % 4]); });
    } else {
        throw ParamError("[check] frames: expected 4 or 12");
    }

    // Radio strips: 4 frames (off, on, off disabled, on disabled) or 8 (off, on; each normal,
    // hot, pressed, disabled).
    const int radioSize = p.Int("radio", "size");
    const int radioFrames = p.Int("radio", "frames");
    if (radioFrames == 4) {
        const std::pair<Value, Look> order[4] = {{Value::Off, Look::Normal},
                                                 {Value::On, Look::Normal},
                                                 {Value::Off, Look::Disabled},
                                                 {Value::On, Look::Disabled}};
        out["radio.bmp"] = MakeStrip(radioSize, radioSize, 4, false,
                                     [&](int i) { return RadioFrame(p, order[i].first, order[i].second); });
    } else if (radioFrames == 8) {
        const Look looks[4] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
        out["radio.bmp"] = MakeStrip(radioSize, radioSize, 8, false,
                                     [&](int i) { return RadioFrame(p, static_cast<Value>(i / 4), looks[i % 4]); });
    } else {
        throw ParamError("[radio] frames: expected 4 or 8");
    }
}

}  // namespace tools::skingen
