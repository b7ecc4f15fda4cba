#include "tools/skingen/glyphs.h"

namespace tools::skingen {

Shape CloseGlyph(double cx, double cy, double s, double width) {
    return Union(Segment(cx - s, cy - s, cx + s, cy + s, width), Segment(cx - s, cy + s, cx + s, cy - s, width));
}

Shape MaximizeGlyph(double cx, double cy, double s, double width) {
    return RoundRectOutline(cx - s, cy - s, cx + s, cy + s, 1.5, width);
}

Shape RestoreGlyph(double cx, double cy, double s, double width) {
    const double o = s * 0.45;  // offset of the back window
    Shape front = RoundRectOutline(cx - s, cy - s + o, cx + s - o, cy + s, 1.2, width);
    Shape back = Difference(RoundRectOutline(cx - s + o, cy - s, cx + s, cy + s - o, 1.2, width),
                            RoundRect(cx - s - 1, cy - s + o - 1, cx + s - o + 1, cy + s + 1, 0));
    return Union(front, back);
}

Shape MinimizeGlyph(double cx, double cy, double s, double width) { return Segment(cx - s, cy, cx + s, cy, width); }

Shape Chevron(double cx, double cy, double s, double width, Direction d) {
    const double h = s / 2;
    switch (d) {
        case Direction::Up:
            return Union(Segment(cx - s, cy + h, cx, cy - h, width), Segment(cx, cy - h, cx + s, cy + h, width));
        case Direction::Down:
            return Union(Segment(cx - s, cy - h, cx, cy + h, width), Segment(cx, cy + h, cx + s, cy - h, width));
        case Direction::Left:
            return Union(Segment(cx + h, cy - s, cx - h, cy, width), Segment(cx - h, cy, cx + h, cy + s, width));
        case Direction::Right:
            return Union(Segment(cx - h, cy - s, cx + h, cy, width), Segment(cx + h, cy, cx - h, cy + s, width));
    }
    return Segment(cx, cy, cx, cy, width);
}

Shape Arrowhead(double cx, double cy, double s, Direction d) {
    const double h = s / 2;
    switch (d) {
        case Direction::Up: return Polygon({{cx - s, cy + h}, {cx + s, cy + h}, {cx, cy - h}});
        case Direction::Down: return Polygon({{cx - s, cy - h}, {cx + s, cy - h}, {cx, cy + h}});
        case Direction::Left: return Polygon({{cx + h, cy - s}, {cx + h, cy + s}, {cx - h, cy}});
        case Direction::Right: return Polygon({{cx - h, cy - s}, {cx - h, cy + s}, {cx + h, cy}});
    }
    return Circle(cx, cy, 0);
}

Shape CheckMark(double cx, double cy, double s, double width) {
    const double x0 = cx - s, y0 = cy;
    const double x1 = cx - s * 0.3, y1 = cy + s * 0.7;
    const double x2 = cx + s, y2 = cy - s * 0.75;
    return Union(Segment(x0, y0, x1, y1, width), Segment(x1, y1, x2, y2, width));
}

Shape SizeGrip(double right, double bottom, double pitch, double dot) {
    Shape grip = Circle(right - pitch / 2, bottom - pitch / 2, dot / 2);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3 - row; ++col)
            grip = Union(grip, Circle(right - pitch / 2 - col * pitch, bottom - pitch / 2 - row * pitch, dot / 2));
    return grip;
}

void DrawAppIcon(Canvas& canvas, double x, double y, double size, const Rgb& tileTop, const Rgb& tileBottom,
                 const Rgb& mark) {
    const double r = size * 0.22;
    canvas.Fill(RoundRect(x + 0.5, y + 0.5, x + size - 0.5, y + size - 0.5, r),
                VerticalGradient(tileTop, tileBottom, y, y + size));
    const double inset = size * 0.25;
    const double knobs[3] = {0.62, 0.32, 0.52};
    for (int i = 0; i < 3; ++i) {
        const double ly = y + size * (0.3 + 0.2 * i);
        canvas.Fill(Segment(x + inset, ly, x + size - inset, ly, size * 0.07), Solid(Mix(tileBottom, mark, 0.55)));
        const double kx = x + inset + (size - 2 * inset) * knobs[i];
        canvas.Fill(Circle(kx, ly, size * 0.085), Solid(mark));
    }
}

}  // namespace tools::skingen
