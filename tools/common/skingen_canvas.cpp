#include "tools/common/skingen_canvas.h"

#include <algorithm>
#include <cmath>

namespace tools::skingen {

namespace {

constexpr int kSamples = 4;

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); }

bool InsideRoundRect(double x, double y, double l, double t, double r, double b, double radius, bool bottomToo) {
    if (x < l || x > r || y < t || y > b) return false;
    const double rad = std::min({radius, (r - l) / 2, (b - t) / 2});
    if (rad <= 0) return true;
    const double cx = std::clamp(x, l + rad, r - rad);
    const double cy = bottomToo ? std::clamp(y, t + rad, b - rad) : std::max(y, t + rad);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= rad * rad;
}

}  // namespace

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
Rgb Lighten(const Rgb& c, double amount) { return Mix(c, {255, 255, 255}, amount); }
Rgb Darken(const Rgb& c, double amount) { return Mix(c, {0, 0, 0}, amount); }

Paint Solid(const Rgb& c) {
    return [c](double, double) { return c; };
}
Paint VerticalGradient(const Rgb& top, const Rgb& bottom, double y0, double y1) {
    return [=](double, double y) { return Mix(top, bottom, y1 > y0 ? Clamp01((y - y0) / (y1 - y0)) : 0.0); };
}
Paint HorizontalGradient(const Rgb& left, const Rgb& right, double x0, double x1) {
    return [=](double x, double) { return Mix(left, right, x1 > x0 ? Clamp01((x - x0) / (x1 - x0)) : 0.0); };
}

Shape RoundRect(double left, double top, double right, double bottom, double radius) {
    return [=](double x, double y) { return InsideRoundRect(x, y, left, top, right, bottom, radius, true); };
}
Shape TopRoundRect(double left, double top, double right, double bottom, double radius) {
    return [=](double x, double y) { return InsideRoundRect(x, y, left, top, right, bottom, radius, false); };
}
Shape Circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}
Shape Ring(double cx, double cy, double outer, double inner) {
    return [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d > inner * inner;
    };
}
Shape Segment(double x0, double y0, double x1, double y1, double width) {
    return [=](double x, double y) {
        const double vx = x1 - x0, vy = y1 - y0;
        const double len2 = vx * vx + vy * vy;
        const double t = len2 > 0 ? Clamp01(((x - x0) * vx + (y - y0) * vy) / len2) : 0.0;
        const double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= width * width / 4;
    };
}
Shape RoundRectOutline(double left, double top, double right, double bottom, double radius, double width) {
    return Difference(
        RoundRect(left, top, right, bottom, radius),
        RoundRect(left + width, top + width, right - width, bottom - width, std::max(0.0, radius - width)));
}
Shape Polygon(std::vector<std::pair<double, double>> points) {
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}
Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}
Shape Difference(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Canvas::Canvas(int width, int height, const Rgb& backdrop)
    : width_(width),
      height_(height),
      color_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), backdrop),
      alpha_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0.0) {}

Canvas::Canvas(int width, int height, const Paint& backdrop) : Canvas(width, height, Rgb{}) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            color_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
                backdrop(x + 0.5, y + 0.5);
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
            if (hits == 0) continue;
            const double coverage = static_cast<double>(hits) / (kSamples * kSamples);
            const std::size_t i =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
            color_[i] = Mix(color_[i], paint(x + 0.5, y + 0.5), coverage * opacity);
            alpha_[i] = alpha_[i] + coverage * (1 - alpha_[i]);
        }
    }
}

void Canvas::FillRect(int left, int top, int right, int bottom, const Paint& paint) {
    for (int y = std::max(0, top); y < std::min(height_, bottom); ++y)
        for (int x = std::max(0, left); x < std::min(width_, right); ++x) {
            const std::size_t i =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
            color_[i] = paint(x + 0.5, y + 0.5);
            alpha_[i] = 1.0;
        }
}

void Canvas::Clear(int left, int top, int right, int bottom) {
    for (int y = std::max(0, top); y < std::min(height_, bottom); ++y)
        for (int x = std::max(0, left); x < std::min(width_, right); ++x)
            alpha_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = 0.0;
}

base::Bitmap Canvas::Export() const {
    base::Bitmap out(width_, height_, base::kMagenta);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const std::size_t i =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
            if (alpha_[i] < 0.5) continue;
            const Rgb& c = color_[i];
            std::uint8_t r = ToByte(c.R), g = ToByte(c.G), b = ToByte(c.B);
            if (r == 255 && b == 255 && g <= 1) g = 2;  // region builders treat green 0..1 as the key
            out.At(x, y) = base::MakePixel(r, g, b);
        }
    return out;
}

void Place(base::Bitmap& strip, const base::Bitmap& part, int x, int y) {
    for (int py = 0; py < part.Height(); ++py)
        for (int px = 0; px < part.Width(); ++px)
            if (strip.Contains(x + px, y + py)) strip.At(x + px, y + py) = part.At(px, py);
}

}  // namespace tools::skingen
