// Progress bar, tabs, group box, status bar, tool bar, combo box, header and menu images.
#include "tools/skingen/glyphs.h"
#include "tools/skingen/images.h"

namespace tools::skingen {

namespace {

Rgb Face(const Params& p) { return p.Color("palette", "face"); }

void Progress(const Params& p, ImageSet& out) {
    constexpr const char* s = "progress";
    const int w = p.Int(s, "width"), h = p.Int(s, "height"), frames = p.Int(s, "frames");
    const double r = p.Number(s, "radius", 4);
    if (frames != 1 && frames != 2) throw ParamError("[progress] frames: expected 1 or 2");
    out["progress.bmp"] = MakeStrip(w, h, frames, false, [&](int i) {
        Canvas c(w, h, Face(p));
        c.Fill(RoundRect(0, 0, w, h, r), Solid(p.Color(s, "trough_border")));
        if (i == 0)
            c.Fill(RoundRect(1, 1, w - 1, h - 1, r - 1), Solid(p.Color(s, "trough")));
        else
            c.Fill(RoundRect(1, 1, w - 1, h - 1, r - 1),
                   VerticalGradient(p.Color(s, "fill_top"), p.Color(s, "fill_bottom"), 1, h - 1));
        return c.Export();
    });
    // Chunk: a rounded block followed by a gap in the trough color.
    const int cw = p.Int(s, "chunk_width"), gap = p.Int(s, "chunk_gap"), ch = p.Int(s, "chunk_height");
    Canvas c(cw + gap, ch, p.Color(s, "trough"));
    c.FillRect(0, 0, cw + gap, ch, Solid(p.Color(s, "trough")));
    c.Fill(RoundRect(0, 0, cw, ch, p.Number(s, "chunk_radius", 2)),
           VerticalGradient(p.Color(s, "fill_top"), p.Color(s, "fill_bottom"), 0, ch));
    out["chunk.bmp"] = c.Export();
}

// Tabs: 5 frames (normal, selected, disabled, hot, normal) and the page border.
void Tabs(const Params& p, ImageSet& out) {
    constexpr const char* s = "tabs";
    const int w = p.Int(s, "width"), h = p.Int(s, "height");
    const double r = p.Number(s, "radius", 4);
    const char* fills[5] = {"normal_fill", "selected_fill", "disabled_fill", "hot_fill", "normal_fill"};
    out["tabs.bmp"] = MakeStrip(w, h, 5, false, [&](int i) {
        const bool selected = i == 1;
        // Unselected tabs stand a little lower than the selected one.
        const double top = selected ? 0 : 2;
        Canvas c(w, h, Face(p));
        c.Fill(TopRoundRect(0, top, w, h + 1, r), Solid(p.Color(s, "border")));
        c.Fill(TopRoundRect(1, top + 1, w - 1, h + 1, r - 1), Solid(p.Color(s, fills[i])));
        if (selected)
            c.Fill(TopRoundRect(1, 1, w - 1, 4, r - 1), Solid(p.Color(s, "accent")));
        else
            c.FillRect(0, h - 1, w, h, Solid(p.Color(s, "border")));
        return c.Export();
    });
    // Page border: drawn as the outer parts only, so the page keeps the control's own interior.
    Canvas page(16, 16, Rgb{});
    page.FillRect(0, 0, 16, 16, Solid(p.Color(s, "selected_fill")));
    page.FillRect(0, 0, 16, 1, Solid(p.Color(s, "border")));
    page.FillRect(0, 15, 16, 16, Solid(p.Color(s, "border")));
    page.FillRect(0, 0, 1, 16, Solid(p.Color(s, "border")));
    page.FillRect(15, 0, 16, 16, Solid(p.Color(s, "border")));
    out["tabborder.bmp"] = page.Export();
}

void GroupBox(const Params& p, ImageSet& out) {
    constexpr const char* s = "group";
    const double r = p.Number(s, "radius", 5);
    out["groupedge.bmp"] = MakeStrip(20, 20, 2, false, [&](int i) {
        Canvas c(20, 20, Face(p));
        c.Fill(RoundRectOutline(0.5, 0.5, 19.5, 19.5, r, 1), Solid(p.Color(s, i == 0 ? "edge" : "edge_disabled")));
        return c.Export();
    });
    Canvas label(20, 18, Face(p));
    label.Fill(RoundRect(0, 0, 20, 18, 9), Solid(p.Color(s, "label")));
    out["grouplabel.bmp"] = label.Export();
}

// Status bar panels: lowered, raised, flat.
void StatusBar(const Params& p, ImageSet& out) {
    constexpr const char* s = "status";
    const int w = p.Int(s, "width"), h = p.Int(s, "height");
    out["statusbar.bmp"] = MakeStrip(w, h, 3, false, [&](int i) {
        Canvas c(w, h, Rgb{});
        c.FillRect(0, 0, w, h, Solid(Face(p)));
        c.FillRect(0, 0, w, 1, Solid(p.Color(s, "line")));
        if (i == 0) c.Fill(RoundRect(1, 3, w - 1, h - 2, 3), Solid(p.Color(s, "lowered")));
        if (i == 1) {
            c.Fill(RoundRect(1, 3, w - 1, h - 2, 3), Solid(p.Color(s, "line")));
            c.Fill(RoundRect(2, 4, w - 2, h - 3, 2), Solid(p.Color(s, "raised")));
        }
        return c.Export();
    });
}

// Tool bar background (optional) and tool buttons: normal, pressed, disabled, hot, checked.
void ToolBar(const Params& p, ImageSet& out) {
    constexpr const char* s = "toolbar";
    if (p.Text(s, "background", "no") == "yes") {
        const int h = p.Int(s, "background_height");
        Canvas c(16, h, Rgb{});
        c.FillRect(0, 0, 16, h, VerticalGradient(p.Color(s, "background_top"), p.Color(s, "background_bottom"), 0, h));
        c.FillRect(0, h - 1, 16, h, Solid(p.Color(s, "background_line")));
        out["toolbarbg.bmp"] = c.Export();
    }
    const int size = p.Int(s, "button_size");
    out["toolbars.bmp"] = MakeStrip(size, size, 5, false, [&](int i) {
        Canvas c(size, size, Face(p));
        const char* fills[5] = {nullptr, "pressed_fill", nullptr, "hot_fill", "checked_fill"};
        if (fills[i] != nullptr) {
            c.Fill(RoundRect(0, 0, size, size, 4), Solid(p.Color(s, "border")));
            c.Fill(RoundRect(1, 1, size - 1, size - 1, 3), Solid(p.Color(s, fills[i])));
        }
        return c.Export();
    });
}

// Combo box: the sunk edge (4 frames: normal, pressed, disabled, hot), the drop-down button
// over its right end and the arrow glyphs with the size grip.
void Combo(const Params& p, ImageSet& out) {
    constexpr const char* s = "combo";
    const int h = p.Int(s, "height"), ew = p.Int(s, "edge_width"), bw = p.Int(s, "button_width");
    const char* borders[4] = {"border", "hot_border", "disabled_border", "hot_border"};
    out["sunkedge.bmp"] = MakeStrip(ew, h, 4, false, [&](int i) {
        Canvas c(ew, h, Face(p));
        c.Fill(RoundRect(0, 0, ew, h, 3), Solid(p.Color(s, borders[i])));
        c.Fill(RoundRect(1, 1, ew - 1, h - 1, 2), Solid(p.Color(s, i == 2 ? "disabled_field" : "field")));
        return c.Export();
    });
    out["combobutton.bmp"] = MakeStrip(bw, h, 4, false, [&](int i) {
        Canvas c(bw, h, p.Color(s, "field"));
        if (i == 1 || i == 3)
            c.Fill(RoundRect(2, 2, bw - 2, h - 2, 2), Solid(p.Color(s, i == 1 ? "pressed_plate" : "hot_plate")));
        else if (i == 0)
            c.FillRect(0, 5, 1, h - 5, Solid(p.Color(s, "separator")));
        return c.Export();
    });
    const int g = p.Int(s, "glyph_size");
    const char* arrows[4] = {"arrow", "arrow_pressed", "arrow_disabled", "arrow_hot"};
    out["extra.bmp"] = MakeStrip(g, g, 5, false, [&](int i) {
        Canvas c(g, g, p.Color(s, "field"));
        if (i < 4)
            c.Fill(Chevron(g / 2.0, g / 2.0, g * 0.3, 1.5, Direction::Down), Solid(p.Color(s, arrows[i])));
        else
            c.Fill(SizeGrip(g, g, g / 3.0, 2.0), Solid(p.Color(s, "grip")));
        return c.Export();
    });
}

// Header items: 5 frames (normal, pressed, disabled, hot, normal).
void Header(const Params& p, ImageSet& out) {
    constexpr const char* s = "header";
    const int w = p.Int(s, "width"), h = p.Int(s, "height");
    out["header.bmp"] = MakeStrip(w, h, 5, false, [&](int i) {
        Canvas c(w, h, Rgb{});
        const Rgb top = p.Color(s, "top"), bottom = p.Color(s, "bottom");
        const double shade = i == 1 ? 0.06 : i == 3 ? -0.4 : 0.0;
        const Rgb a = shade >= 0 ? Darken(top, shade) : Lighten(top, -shade);
        c.FillRect(0, 0, w, h, VerticalGradient(a, shade >= 0 ? Darken(bottom, shade) : bottom, 0, h));
        c.FillRect(0, h - 1, w, h, Solid(p.Color(s, "line")));
        c.FillRect(w - 1, 5, w, h - 5, Solid(p.Color(s, "separator")));
        return c.Export();
    });
}

// Menu items: normal (clear), separator, disabled (clear), selected, normal; and the optional
// popup background with its 3-pixel frame.
void Menu(const Params& p, ImageSet& out) {
    constexpr const char* s = "menu";
    const int w = p.Int(s, "item_width"), h = p.Int(s, "item_height");
    const Rgb menu = p.Color(s, "background");
    out["menuitem.bmp"] = MakeStrip(w, h, 5, false, [&](int i) {
        Canvas c(w, h, menu);
        if (i == 1) c.FillRect(0, h - 5, w, h - 4, Solid(p.Color(s, "separator")));
        if (i == 3) {
            c.Fill(RoundRect(1, 1, w - 1, h - 1, p.Number(s, "radius", 4)),
                   VerticalGradient(p.Color(s, "selected_top"), p.Color(s, "selected_bottom"), 1, h - 1));
        }
        return c.Export();
    });
    if (p.Text(s, "popup_background", "no") == "yes") {
        Canvas c(32, 32, Rgb{});
        c.FillRect(0, 0, 32, 32, Solid(menu));
        c.FillRect(0, 0, 32, 1, Solid(p.Color(s, "frame")));
        c.FillRect(0, 31, 32, 32, Solid(p.Color(s, "frame")));
        c.FillRect(0, 0, 1, 32, Solid(p.Color(s, "frame")));
        c.FillRect(31, 0, 32, 32, Solid(p.Color(s, "frame")));
        out["menubg.bmp"] = c.Export();
    }
}

}  // namespace

void MakePanelImages(const Params& p, ImageSet& out) {
    Progress(p, out);
    Tabs(p, out);
    GroupBox(p, out);
    StatusBar(p, out);
    ToolBar(p, out);
    Combo(p, out);
    Header(p, out);
    Menu(p, out);
}

}  // namespace tools::skingen
