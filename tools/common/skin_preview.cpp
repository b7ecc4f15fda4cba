#include "tools/common/skin_preview.h"

#include <algorithm>
#include <array>

#include "skin/data/skin_image.h"

namespace tools {

namespace {

using base::Bitmap;
using base::Pixel;
using base::Rect;
using skin::TDataSkinObject;

// Classic Windows defaults of the system colors, by COLOR_* index.
constexpr std::array<Pixel, 31> kSystemColors = {
    0xC8C8C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0xFFFFFF, 0xD4D0C8,
    0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040,
    0xE3E3E3, 0x000000, 0xFFFFE1, 0xB5B5B5, 0x0066CC, 0xA6CAF0, 0xC0C0C0, 0x3399FF, 0xF0F0F0};

bool Has(const TDataSkinObject* o) { return o != nullptr && !o->Map.Empty() && o->FrameCount > 0; }

// Frame `frame` of the object (side by side) nine-sliced into `r`.
void DrawObject(Bitmap& dst, const Rect& r, const TDataSkinObject* o, int frame, bool forceTransparent = false) {
    if (!Has(o)) return;
    skin::DrawSkinObject(dst, r, o->Map, false, o->Tile == 1, forceTransparent || o->Trans != 0, o->FrameCount,
                         std::min(frame, o->FrameCount), o->Margins);
}

void DrawStretched(Bitmap& dst, const Rect& r, const Bitmap& strip, int frames, int frame) {
    if (strip.Empty() || frames < 1) return;
    skin::DrawSkinFrame(dst, r, strip, true, frames, std::min(frame, frames));
}

// Placeholder for a line of text: a rounded bar in the text color.
void TextBar(Bitmap& dst, int x, int y, int width, Pixel color) {
    if (width <= 0) return;
    dst.FillRect({x + 1, y, x + width - 1, y + 1}, color);
    dst.FillRect({x, y + 1, x + width, y + 4}, color);
    dst.FillRect({x + 1, y + 4, x + width - 1, y + 5}, color);
}

Pixel BlendPixel(Pixel a, Pixel b, int percentB) {
    const auto mix = [&](int ca, int cb) {
        return static_cast<std::uint8_t>((ca * (100 - percentB) + cb * percentB) / 100);
    };
    return base::MakePixel(mix(base::PixelRed(a), base::PixelRed(b)), mix(base::PixelGreen(a), base::PixelGreen(b)),
                           mix(base::PixelBlue(a), base::PixelBlue(b)));
}

struct WindowLayout {
    int Left = 0, Right = 0, Top = 0, Bottom = 0, MenuBar = 0;
};

WindowLayout MeasureWindow(const skin::TSkinObjects& s) {
    WindowLayout l;
    const auto extent = [](const TDataSkinObject* o, bool vertical) {
        if (!Has(o)) return 0;
        return vertical ? o->Map.Height() / o->FrameCount : o->Map.Width() / o->FrameCount;
    };
    l.Left = extent(s.BorderLeft.get(), false);
    l.Right = extent(s.BorderRight.get(), false);
    l.Top = extent(s.BorderTop.get(), true);
    l.Bottom = extent(s.BorderBottom.get(), true);
    l.MenuBar = Has(s.MenuBar.get()) ? std::max(18, s.MenuBar->Map.Height() / 2) : 20;
    if (l.Top == 0) l.Top = 22;
    return l;
}

// One frame edge, as the form skin draws it, with magenta left transparent (the window region).
void DrawEdge(Bitmap& dst, const Rect& r, const skin::TDataSkinBorder* o, bool vertical, bool active) {
    if (!Has(o) || r.IsEmpty()) return;
    const int frame = active || o->FrameCount == 1 ? 1 : 2;
    const Bitmap img = skin::BuildSkinImage(r, o->Map, o->Margins, vertical, o->Tile != 1, o->FrameCount, frame);
    skin::TransparentBlit(dst, r, img, skin::kSkinTransparentColor);
}

bool ButtonVisible(const skin::TDataSkinSysButton& b, bool active) {
    // A normal, restored, active top-level window with all caption boxes.
    const auto rule = [&](int v, bool second) {
        switch (v) {
            case -1: return !second;
            case 0:
            case 2:
            case 6:
            case 8: return true;
            case 1:
            case 7:
            case 9:
            case 5: return false;
            case 3: return active;
            case 4: return !active;
            default: return !second && v >= 201 && v <= 999;
        }
    };
    return rule(b.Visibility, false) && rule(b.Visibility1, true);
}

// Paints a window: frame, caption with its text background and buttons, menu bar, client.
// Returns the client rectangle.
Rect PaintWindow(Bitmap& dst, const skin::TSkinObjects& s, const Rect& w, bool active, int captionButtonFrame) {
    const WindowLayout l = MeasureWindow(s);
    const Pixel face = ResolveColor(s.ButtonFaceColor);
    const Rect client{w.Left + l.Left, w.Top + l.Top + l.MenuBar, w.Right - l.Right, w.Bottom - l.Bottom};
    dst.FillRect(client, face);
    DrawEdge(dst, {w.Left, w.Top, w.Left + l.Left, w.Bottom}, s.BorderLeft.get(), false, active);
    DrawEdge(dst, {w.Right - l.Right, w.Top, w.Right, w.Bottom}, s.BorderRight.get(), false, active);
    DrawEdge(dst, {w.Left + l.Left, w.Bottom - l.Bottom, w.Right - l.Right, w.Bottom}, s.BorderBottom.get(), true,
             active);
    const Rect caption{w.Left + l.Left, w.Top, w.Right - l.Right, w.Top + l.Top};
    DrawEdge(dst, caption, s.BorderTop.get(), true, active);

    // Caption text and its background, placed as the caption painter does.
    const skin::TDataSkinTitle& t = *s.Title;
    const int textWidth = 120, textHeight = 8;
    Rect text{caption.Left, caption.Top, caption.Left + textWidth + t.TextBackLeft + t.TextBackRight,
              caption.Top + textHeight};
    const int spare = caption.Width() - text.Width();
    const int dx = t.TextAlignment == 0   ? t.Margins.Left
                   : t.TextAlignment == 1 ? spare / 2
                   : t.TextAlignment == 2 ? spare - t.Margins.Right
                                          : 0;
    const int dy = (caption.Height() - textHeight) / 2 + t.Margins.Top / 2;
    text = text.Offset(dx, dy);
    if (!t.Map.Empty())
        skin::DrawSkinStrip(dst, {text.Left, caption.Top, text.Right, caption.Bottom}, t.Map, true, true, 2,
                            active ? 1 : 2, {t.TextBackLeft, 0, t.TextBackRight, 0});
    const TColor given = active ? t.ActiveTextColor : t.InactiveTextColor;
    const Pixel textColor = ResolveColor(given != skin::kColorNotGiven ? given
                                         : active                      ? s.TitleTextActiveColor
                                                                       : s.TitleTextInactiveColor);
    TextBar(dst, text.Left + t.TextBackLeft, text.Top + 1, textWidth - 40, textColor);

    // Caption buttons.
    const int windowWidth = w.Width();
    for (const auto& b : s.SysButtons) {
        if (b->Map.Empty() || b->FrameCount < 1 || b->Align == 100 || !ButtonVisible(*b, active)) continue;
        const int bw = b->Map.Width() / b->FrameCount, bh = b->Map.Height();
        int x = 0;
        switch (b->Align) {
            case 0: x = b->XCoord; break;
            case 1: x = windowWidth - b->XCoord; break;
            case 2:
            case 8: x = text.Left - w.Left - bw - b->XCoord; break;
            case 3:
            case 9: x = text.Right - w.Left + b->XCoord; break;
            default: continue;
        }
        int frame = active || b->FrameCount < 4 ? 1 : 4;
        if (active && captionButtonFrame > 1 && b->Action == 0) frame = std::min(captionButtonFrame, b->FrameCount);
        skin::DrawSkinFrame(dst, {w.Left + x, w.Top + b->YCoord, w.Left + x + bw, w.Top + b->YCoord + bh}, b->Map, true,
                            b->FrameCount, frame);
    }

    // Menu bar with three menu titles.
    const Rect bar{w.Left + l.Left, w.Top + l.Top, w.Right - l.Right, w.Top + l.Top + l.MenuBar};
    if (Has(s.MenuBar.get())) {
        const auto& m = *s.MenuBar;
        skin::DrawSkinObject(dst, bar, m.Map, true, false, false, 2, active ? 1 : 2, m.Margins);
    } else {
        dst.FillRect(bar, ResolveColor(s.MenuBarColor));
    }
    const Pixel menuText = ResolveColor(s.MenuBarTextColor);
    int mx = bar.Left + 10;
    for (int width : {22, 26, 30}) {
        TextBar(dst, mx, bar.Top + (bar.Height() - 5) / 2, width, menuText);
        mx += width + 18;
    }
    return client;
}

void PaintButtons(Bitmap& dst, const skin::TSkinObjects& s, int x, int y) {
    const auto& b = *s.Buttons;
    for (int i = 0; i < 5; ++i) {
        const Rect r{x + i * 82, y, x + i * 82 + 76, y + 25};
        DrawObject(dst, r, &b, i + 1);
        TColor color = s.ButtonTextColor;
        if (i == 0 && b.HasNormalColor2) color = b.NormalColor2;
        if (i == 1 && b.HasPressedColor2) color = b.PressedColor2;
        if (i == 3 && b.HasMouseOverColor2) color = b.MouseOverColor2;
        if (i == 2) color = clBtnShadow;
        TextBar(dst, r.Left + 22, r.Top + 10, 32, ResolveColor(color));
    }
}

void PaintGlyphRow(Bitmap& dst, const Bitmap& strip, int frames, int x, int y, Pixel text) {
    if (strip.Empty() || frames < 1) return;
    const int fw = strip.Width() / frames, fh = strip.Height();
    for (int i = 0; i < frames; ++i) {
        const int gx = x + i * (frames > 6 ? fw + 8 : 58);
        skin::DrawSkinGlyph(dst, {gx, y, gx + fw, y + fh}, strip, true, frames, i + 1);
        if (frames <= 6) TextBar(dst, gx + fw + 6, y + (fh - 5) / 2, 28, text);
    }
}

void PaintScrollBar(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r, bool vertical) {
    if (!Has(s.ScrollBar.get())) return;
    const int t = s.ScrollBar->Map.Height();
    const int a = t;
    dst.FillRect(r, ResolveColor(s.ButtonFaceColor));
    const TDataSkinObject* track = vertical ? s.VertScroll.get() : s.HorzScroll.get();
    const TDataSkinObject* thumb = vertical ? s.VertScrollThumb.get() : s.HorzScrollThumb.get();
    const Rect trackRect =
        vertical ? Rect{r.Left, r.Top + a, r.Right, r.Bottom - a} : Rect{r.Left + a, r.Top, r.Right - a, r.Bottom};
    DrawObject(dst, trackRect, track, 1);
    const int first = vertical ? 9 : 1, second = vertical ? 13 : 5;
    const Bitmap& arrows = s.ScrollBar->Map;
    if (vertical) {
        DrawStretched(dst, {r.Left, r.Top, r.Right, r.Top + a}, arrows, 23, first);
        DrawStretched(dst, {r.Left, r.Bottom - a, r.Right, r.Bottom}, arrows, 23, second + 1);
        DrawObject(dst, {r.Left, trackRect.Top + 20, r.Left + t, trackRect.Top + 70}, thumb, 1);
    } else {
        DrawStretched(dst, {r.Left, r.Top, r.Left + a, r.Bottom}, arrows, 23, first);
        DrawStretched(dst, {r.Right - a, r.Top, r.Right, r.Bottom}, arrows, 23, second);
        DrawObject(dst, {trackRect.Left + 30, r.Top, trackRect.Left + 110, r.Top + t}, thumb, 3);
    }
}

void PaintProgress(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r, int percent) {
    const skin::TDataSkinBorder* p = s.Progress.get();
    if (p == nullptr || p->Map.Empty()) return;
    const int filled = r.Width() * percent / 100;
    if (p->Style == 1) {
        // Chunk style: the whole image is the bar, chunks repeat over the filled part.
        skin::DrawSkinObject(dst, r, p->Map, false, p->Tile == 1, true, 1, 1, p->Margins);
        if (p->Map2.Empty()) return;
        const int cw = p->Map2.Width(), ch = p->Map2.Height();
        Bitmap strip(std::max(1, filled), ch);
        for (int x = 0; x < filled; x += cw) skin::CopyBitmap(strip, x, 0, p->Map2);
        skin::CopyBitmap(dst, r.Left + p->Margins.Left, r.Top + (r.Height() - ch) / 2, strip);
        return;
    }
    DrawObject(dst, r, p, 1, true);
    if (filled > 0) DrawObject(dst, {r.Left, r.Top, r.Left + filled, r.Bottom}, p, 2, true);
}

void PaintTabs(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    const skin::TDataSkinBorder* tabs = s.Tabs.get();
    if (!Has(tabs)) return;
    const int tabHeight = 24;
    const Rect page{r.Left, r.Top + tabHeight, r.Right, r.Bottom};
    if (!tabs->Map2.Empty()) skin::DrawSkinBorder(dst, page, tabs->Map2, false, 1, 1, {4, 5, 4, 4});
    int x = r.Left + 2;
    const int states[3] = {2, 1, 4};
    for (int i = 0; i < 3; ++i) {
        const Rect tab{x, r.Top + (states[i] == 2 ? 0 : 2), x + 70, r.Top + tabHeight + (states[i] == 2 ? 1 : 0)};
        DrawObject(dst, tab, tabs, states[i]);
        const TColor c = states[i] == 2 ? tabs->MouseOverColor2 : tabs->NormalColor2;
        TextBar(dst, tab.Left + 18, tab.Top + (tab.Height() - 5) / 2 + 1, 34, ResolveColor(c));
        x += 72;
    }
}

void PaintGroupBox(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    if (Has(s.GroupBoxEdge.get())) DrawObject(dst, {r.Left, r.Top + 7, r.Right, r.Bottom}, s.GroupBoxEdge.get(), 1);
    const Rect label{r.Left + 10, r.Top, r.Left + 80, r.Top + 14};
    if (Has(s.GroupBox.get()))
        DrawObject(dst, label, s.GroupBox.get(), 1);
    else
        dst.FillRect(label, ResolveColor(s.ButtonFaceColor));
    TextBar(dst, label.Left + 8, label.Top + 5, 54, ResolveColor(s.WindowTextColor));
    for (int i = 0; i < 3; ++i)
        TextBar(dst, r.Left + 14, r.Top + 28 + i * 14, 90 - i * 18,
                BlendPixel(ResolveColor(s.ButtonFaceColor), ResolveColor(s.WindowTextColor), 55));
}

void PaintStatusBar(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    dst.FillRect(r, ResolveColor(s.ButtonFaceColor));
    const TDataSkinObject* edges = s.StatusBarEdges.get();
    const Rect panels[3] = {{r.Left, r.Top, r.Left + r.Width() / 2, r.Bottom},
                            {r.Left + r.Width() / 2 + 2, r.Top, r.Right - 100, r.Bottom},
                            {r.Right - 98, r.Top, r.Right, r.Bottom}};
    const int frames[3] = {1, 2, 3};
    const Pixel text = edges != nullptr ? ResolveColor(edges->NormalColor2) : 0;
    for (int i = 0; i < 3; ++i) {
        if (Has(edges))
            skin::DrawSkinObject(dst, panels[i], edges->Map, false, edges->Tile == 1, false, 3, frames[i],
                                 edges->Margins);
        TextBar(dst, panels[i].Left + 8, panels[i].Top + (panels[i].Height() - 5) / 2, i == 0 ? 70 : 40, text);
    }
    const TDataSkinObject* extra = s.ExtraImages.get();
    if (Has(extra) && extra->FrameCount >= 5) {
        const int fw = extra->Map.Width() / extra->FrameCount, fh = extra->Map.Height();
        skin::DrawSkinFrame(dst, {r.Right - 1 - fw, r.Bottom - 1 - fh, r.Right - 1, r.Bottom - 1}, extra->Map, true,
                            extra->FrameCount, 5);
    }
}

void PaintCombo(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r, int frame) {
    dst.FillRect({r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, 0xFFFFFF);
    TextBar(dst, r.Left + 8, r.Top + (r.Height() - 5) / 2, 60, ResolveColor(s.WindowTextColor));
    // The loader composes edge, button and arrow into the combo button's strip.
    DrawObject(dst, r, s.ComboButton.get(), frame, true);
}

void PaintHeader(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    if (!Has(s.HeaderBar.get())) return;
    const int widths[3] = {90, 70, r.Width() - 160};
    int x = r.Left;
    for (int w : widths) {
        DrawObject(dst, {x, r.Top, x + w, r.Bottom}, s.HeaderBar.get(), 1);
        TextBar(dst, x + 8, r.Top + (r.Height() - 5) / 2, w / 2, ResolveColor(s.ButtonTextColor));
        x += w;
    }
}

void PaintListRows(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    dst.FillRect(r, 0xFFFFFF);
    for (int i = 0; i < 4; ++i) {
        const int y = r.Top + 6 + i * 18;
        if (y + 14 > r.Bottom) break;
        if (i == 1) dst.FillRect({r.Left + 1, y - 4, r.Right - 1, y + 11}, ResolveColor(s.HilightColor));
        const Pixel c = ResolveColor(i == 1 ? s.HilightTextColor : s.WindowTextColor);
        TextBar(dst, r.Left + 8, y, 70, c);
        TextBar(dst, r.Left + 98, y, 40, c);
    }
}

void PaintTrackAndSpin(Bitmap& dst, const skin::TSkinObjects& s, int x, int y) {
    const Pixel line = ResolveColor(s.ButtonShadowColor);
    dst.FillRect({x, y + 9, x + 150, y + 12}, BlendPixel(line, ResolveColor(s.ButtonFaceColor), 50));
    for (int i = 0; i <= 6; ++i) dst.FillRect({x + i * 25, y + 24, x + i * 25 + 1, y + 28}, line);
    const TDataSkinObject* thumb = Has(s.TrackThumbDown.get()) ? s.TrackThumbDown.get() : s.TrackThumbHorz.get();
    if (Has(thumb)) {
        const int fw = thumb->Map.Width() / thumb->FrameCount;
        skin::DrawSkinFrame(dst, {x + 60, y, x + 60 + fw, y + thumb->Map.Height()}, thumb->Map, true, thumb->FrameCount,
                            2);
    }
    const skin::TDataSkinBorder* spin = s.UpDownVert.get();
    if (Has(spin)) {
        const Rect up{x + 176, y, x + 192, y + 11}, down{x + 176, y + 11, x + 192, y + 22};
        const auto drawButton = [&](const Rect& b, int frame) {
            skin::DrawSkinFrame(dst, b, spin->Map, true, spin->FrameCount, frame);
            if (!spin->Map2.Empty()) skin::DrawSkinGlyph(dst, b, spin->Map2, true, spin->FrameCount, frame);
        };
        drawButton(up, 1);
        drawButton(down, 6);
    }
}

void PaintToolBar(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    const TDataSkinObject* bg = s.ToolbarBackground.get();
    if (Has(bg))
        skin::DrawSkinObject(dst, r, bg->Map, false, bg->Tile == 1, false, 1, 1, bg->Margins);
    else
        dst.FillRect(r, ResolveColor(s.ButtonFaceColor));
    const TDataSkinObject* tb = s.Toolbars.get();
    const int frames[5] = {1, 4, 2, 5, 1};
    for (int i = 0; i < 5; ++i) {
        const Rect b{r.Left + 4 + i * 28, r.Top + 2, r.Left + 28 + i * 28, r.Top + 26};
        DrawObject(dst, b, tb, frames[i], true);
        const Pixel c = ResolveColor(s.ButtonShadowColor);
        dst.FillRect({b.Left + 7, b.Top + 7, b.Right - 7, b.Bottom - 7},
                     BlendPixel(c, ResolveColor(s.HilightColor), i * 20));
    }
}

void PaintPopupMenu(Bitmap& dst, const skin::TSkinObjects& s, const Rect& r) {
    const TDataSkinObject* bg = s.MenuBackground.get();
    if (Has(bg)) {
        const Bitmap img = skin::BuildSkinImage(r, bg->Map, bg->Margins, false, bg->Tile == 1, 1, 1);
        skin::CopyBitmap(dst, r.Left, r.Top, img);
    } else {
        dst.FillRect(r, ResolveColor(s.ButtonShadowColor));
        dst.FillRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, ResolveColor(s.MenuColor));
    }
    const TDataSkinObject* item = s.MenuItem.get();
    const int rows[5] = {1, 4, 1, 2, 1};
    int y = r.Top + 3;
    for (int i = 0; i < 5; ++i) {
        const int h = rows[i] == 2 ? 9 : 22;
        const Rect ir{r.Left + 3, y, r.Right - 3, y + h};
        if (Has(item)) {
            if (rows[i] == 2) {
                // Separators use the bottom rows of frame 2.
                const int fh = item->Map.Height();
                const int fw = item->Map.Width() / item->FrameCount;
                const Rect src{fw + item->Margins.Left, std::max(0, fh - h), 2 * fw - item->Margins.Right, fh};
                const Rect target{ir.Left + item->Margins.Left, ir.Top, ir.Right - item->Margins.Right, ir.Bottom};
                Bitmap line(std::max(1, target.Width()), h);
                skin::StretchBitmap(line, line.Bounds(), item->Map, src);
                skin::TransparentBlit(dst, target, line, skin::kSkinTransparentColor);
            } else {
                DrawObject(dst, ir, item, rows[i]);
            }
        } else if (rows[i] == 4) {
            dst.FillRect(ir, ResolveColor(s.HilightColor));
        } else if (rows[i] == 2) {
            dst.FillRect({ir.Left + 2, ir.Top + 4, ir.Right - 2, ir.Top + 5}, ResolveColor(s.ButtonShadowColor));
        }
        if (rows[i] != 2) {
            const Pixel c = ResolveColor(rows[i] == 4 ? s.HilightTextColor : s.MenuTextColor);
            TextBar(dst, ir.Left + 28, ir.Top + (h - 5) / 2, 60 + i * 6, c);
            TextBar(dst, ir.Right - 40, ir.Top + (h - 5) / 2, 26, BlendPixel(c, ResolveColor(s.MenuColor), 45));
        }
        y += h;
    }
}

// A strip of caption with every caption button in all of its frames, for the states.
void PaintCaptionButtonStates(Bitmap& dst, const skin::TSkinObjects& s, int x, int y, int width) {
    const WindowLayout l = MeasureWindow(s);
    const Rect strip{x, y, x + width, y + l.Top};
    if (Has(s.BorderTop.get())) {
        const auto& t = *s.BorderTop;
        skin::DrawSkinObject(dst, strip, t.Map, true, t.Tile != 1, false, t.FrameCount, 1, t.Margins);
    }
    int bx = x + 8;
    for (const auto& b : s.SysButtons) {
        if (b->Map.Empty() || b->FrameCount < 1 || b->Align == 100 || b->Action == 3 || b->Action == 11) continue;
        const int bw = b->Map.Width() / b->FrameCount, bh = b->Map.Height();
        if (b->Visibility == 6 && b->Visibility1 == 1) continue;  // restore shares the maximize place
        for (int f = 1; f <= std::min(3, b->FrameCount) && bx + bw <= strip.Right; ++f) {
            skin::DrawSkinFrame(dst, {bx, y + b->YCoord, bx + bw, y + b->YCoord + bh}, b->Map, true, b->FrameCount, f);
            bx += bw + 2;
        }
        bx += 10;
    }
}

void PaintDesktop(Bitmap& dst) {
    for (int y = 0; y < dst.Height(); ++y) {
        const int t = y * 100 / std::max(1, dst.Height() - 1);
        const Pixel row = BlendPixel(0x5B6B80, 0x8595A8, t);
        for (int x = 0; x < dst.Width(); ++x) dst.At(x, y) = row;
    }
}

}  // namespace

Pixel ResolveColor(TColor color) {
    if (IsSystemColor(color)) {
        const int index = SystemColorIndex(color);
        return index < static_cast<int>(kSystemColors.size()) ? kSystemColors[static_cast<std::size_t>(index)] : 0;
    }
    return base::ColorToPixel(color);
}

Bitmap RenderSkinPreview(const skin::TSkinObjects& s, int width, int height) {
    width = std::clamp(width, kPreviewMinWidth, base::kMaxBitmapDimension);
    height = std::clamp(height, kPreviewMinHeight, base::kMaxBitmapDimension);
    if (!Bitmap::SizeAllowed(width, height)) height = kPreviewMinHeight;
    Bitmap dst(width, height);
    PaintDesktop(dst);

    // The active main window takes the left part; inactive window and menu the right.
    const int mainRight = width - 250;
    const Rect main{16, 16, mainRight, height - 16};
    const Rect client = PaintWindow(dst, s, main, true, 1);
    const Pixel text = ResolveColor(s.WindowTextColor);

    const Rect toolbar{client.Left, client.Top, client.Right, client.Top + 28};
    PaintToolBar(dst, s, toolbar);
    const int cx = client.Left + 12;
    int cy = toolbar.Bottom + 12;
    PaintButtons(dst, s, cx, cy);
    cy += 36;
    const auto& b = *s.Buttons;
    PaintGlyphRow(dst, b.CheckMap, b.CheckFrameCount, cx, cy, text);
    cy += 24;
    PaintGlyphRow(dst, b.RadioMap, b.RadioFrameCount, cx, cy, text);
    cy += 28;
    PaintProgress(dst, s, {cx, cy, cx + 200, cy + 16}, 62);
    PaintCombo(dst, s, {cx + 216, cy - 2, cx + 216 + 150, cy + 19}, 1);
    cy += 30;

    const int statusHeight = 22;
    const int scrollThickness = Has(s.ScrollBar.get()) ? s.ScrollBar->Map.Height() : 17;
    const int lowerBottom = client.Bottom - statusHeight - 8;
    const Rect tabs{cx, cy, cx + 236, lowerBottom};
    PaintTabs(dst, s, tabs);
    PaintGroupBox(dst, s, {tabs.Left + 12, tabs.Top + 36, tabs.Right - 12, tabs.Bottom - 12});

    const Rect list{tabs.Right + 12, cy, client.Right - 12, lowerBottom - 44};
    if (list.Width() > 80 && list.Height() > 60) {
        const Rect header{list.Left, list.Top, list.Right - scrollThickness, list.Top + 22};
        PaintListRows(dst, s, {list.Left, header.Bottom, list.Right - scrollThickness, list.Bottom - scrollThickness});
        PaintHeader(dst, s, header);
        PaintScrollBar(dst, s, {list.Right - scrollThickness, list.Top, list.Right, list.Bottom - scrollThickness},
                       true);
        PaintScrollBar(dst, s, {list.Left, list.Bottom - scrollThickness, list.Right - scrollThickness, list.Bottom},
                       false);
        dst.FillRect({list.Right - scrollThickness, list.Bottom - scrollThickness, list.Right, list.Bottom},
                     ResolveColor(s.ButtonFaceColor));
    }
    PaintTrackAndSpin(dst, s, tabs.Right + 16, lowerBottom - 34);
    PaintStatusBar(dst, s, {client.Left, client.Bottom - statusHeight, client.Right, client.Bottom});

    // Right column: an inactive window, the caption buttons' states and a popup menu.
    const Rect side{mainRight + 14, 16, width - 16, 16 + 150};
    const Rect sideClient = PaintWindow(dst, s, side, false, 1);
    for (int i = 0; i < 3; ++i) TextBar(dst, sideClient.Left + 10, sideClient.Top + 12 + i * 14, 120 - i * 30, text);
    PaintCaptionButtonStates(dst, s, side.Left, side.Bottom + 12, side.Width());
    const int menuTop = side.Bottom + 12 + MeasureWindow(s).Top + 14;
    PaintPopupMenu(dst, s,
                   {side.Left + 10, menuTop, side.Right - 20, std::min(height - 16, menuTop + 3 + 22 * 4 + 9 + 3)});

    // Anything still magenta (a transparent pixel over nothing) shows the desktop instead.
    Bitmap desktop(width, height);
    PaintDesktop(desktop);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (dst.At(x, y) == base::kMagenta) dst.At(x, y) = desktop.At(x, y);
    return dst;
}

}  // namespace tools
