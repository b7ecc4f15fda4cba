#pragma once
// A floating-point RGBA canvas for drawing skin images with anti-aliased shapes.
//
// Shapes are inside-predicates sampled 4 x 4 times per pixel; their coverage blends the paint
// over what is already there. A canvas starts fully transparent over a known backdrop color
// (the color the image will be seen against, e.g. the caption or the button face). On export a
// pixel that is less than half covered becomes magenta (the transparent key of skin images);
// the others keep their color, which at the edges is already blended with the backdrop.

#include <functional>
#include <utility>
#include <vector>

#include "skin/data/pixels.h"

namespace tools::skingen {

struct Rgb {
    double R = 0, G = 0, B = 0;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t);  // a at t = 0, b at t = 1
Rgb Lighten(const Rgb& c, double amount);       // towards white
Rgb Darken(const Rgb& c, double amount);        // towards black

// Paint as a function of the pixel centre, for gradients.
using Paint = std::function<Rgb(double x, double y)>;
Paint Solid(const Rgb& c);
Paint VerticalGradient(const Rgb& top, const Rgb& bottom, double y0, double y1);
Paint HorizontalGradient(const Rgb& left, const Rgb& right, double x0, double x1);

using Shape = std::function<bool(double x, double y)>;
Shape RoundRect(double left, double top, double right, double bottom, double radius);
// Rounded only at the top corners (window caption, tabs).
Shape TopRoundRect(double left, double top, double right, double bottom, double radius);
Shape Circle(double cx, double cy, double radius);
Shape Ring(double cx, double cy, double outer, double inner);
// A segment with round caps, `width` thick.
Shape Segment(double x0, double y0, double x1, double y1, double width);
// Outline of a rounded rectangle: inside the outer shape, outside the one inset by `width`.
Shape RoundRectOutline(double left, double top, double right, double bottom, double radius, double width);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(Shape a, Shape b);
Shape Difference(Shape a, Shape b);

class Canvas {
public:
    Canvas(int width, int height, const Rgb& backdrop);
    // A backdrop that varies per pixel (a caption gradient behind a caption button).
    Canvas(int width, int height, const Paint& backdrop);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Blends `paint` over the pixels covered by `shape`, scaled by `opacity`. Covered pixels count
    // as opaque in proportion to their coverage, whatever the opacity (a translucent overlay tints
    // the backdrop but still belongs to the image).
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    // Sets whole pixels (no blending), fully opaque.
    void FillRect(int left, int top, int right, int bottom, const Paint& paint);
    // Makes pixels transparent again (they export as magenta).
    void Clear(int left, int top, int right, int bottom);

    // Opaque pixels, 0x00RRGGBB; pixels less than half covered become magenta. A pixel that
    // would accidentally read as the transparent key is nudged off it.
    base::Bitmap Export() const;

private:
    int width_, height_;
    std::vector<Rgb> color_;
    std::vector<double> alpha_;
};

// Places `part` into `strip` at (x, y) (frames side by side or stacked).
void Place(base::Bitmap& strip, const base::Bitmap& part, int x, int y);

}  // namespace tools::skingen
