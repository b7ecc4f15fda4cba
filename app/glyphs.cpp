#include "app/glyphs.h"

#include "app/sampled_color.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// One filled shape: an inside test and its color at a point (coordinates in
// pixels, origin at the image's top-left corner).
struct Layer {
    std::function<bool(double, double)> inside;
    std::function<Rgb(double, double)> color;
};

GlyphImage Render(int size, std::uint32_t background, const std::vector<Layer>& layers) {
    constexpr int kSamples = 4;  // per axis
    GlyphImage image{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size))};
    const Rgb back = FromPixel(background);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    const double py = y + (sy + 0.5) / kSamples;
                    Rgb c = back;
                    for (const Layer& layer : layers)
                        if (layer.inside(px, py)) c = layer.color(px, py);
                    sum = sum + c;
                }
            constexpr double n = kSamples * kSamples;
            image.pixels[static_cast<std::size_t>(y * size + x)] = ToPixel(sum / n);
        }
    return image;
}

// A color that lightens towards the top-left, for a little depth.
std::function<Rgb(double, double)> Shaded(Rgb light, Rgb dark, double size) {
    return [=](double x, double y) { return Mix(light, dark, std::clamp((x + y) / (2 * size), 0.0, 1.0)); };
}
std::function<Rgb(double, double)> Flat(Rgb c) {
    return [=](double, double) { return c; };
}

double Angle(double dx, double dy) { return std::atan2(dy, dx); }

GlyphImage Gear(std::uint32_t background) {
    constexpr int size = 30;
    constexpr double cx = 15, cy = 15;
    auto gear = [](double grow) {
        return [grow](double x, double y) {
            const double dx = x - cx, dy = y - cy;
            const double r = std::hypot(dx, dy);
            // Eight teeth: the outline alternates between the rim and the tooth tips.
            const double phase =
                std::fmod(Angle(dx, dy) + std::numbers::pi * 2, std::numbers::pi / 4) / (std::numbers::pi / 4);
            const double outer = (phase > 0.22 && phase < 0.78) ? 13.5 : 10.0;
            return r <= outer + grow && r >= 4.2 - grow;
        };
    };
    return Render(size, background,
                  {{gear(1.0), Flat({40, 52, 72})},
                   {gear(0.0), Shaded({176, 196, 222}, {70, 96, 136}, size)},
                   {[](double x, double y) { return std::hypot(x - cx, y - cy) <= 7.0; },
                    Shaded({110, 134, 170}, {50, 70, 104}, size)},
                   {[](double x, double y) { return std::hypot(x - cx, y - cy) <= 4.2; },
                    [background](double, double) { return FromPixel(background); }}});
}

GlyphImage TurningArrow(std::uint32_t background) {
    constexpr int size = 30;
    constexpr double cx = 15, cy = 16;
    auto ring = [](double grow) {
        return [grow](double x, double y) {
            const double dx = x - cx, dy = y - cy;
            const double r = std::hypot(dx, dy);
            const double a = Angle(dx, dy);  // -pi..pi, 0 to the right, positive downwards
            // The arc leaves a gap at the upper right; the arrow head closes it from the top.
            const bool inArc = !(a > -1.45 && a < -0.2);
            return inArc && r >= 6.5 - grow && r <= 11.0 + grow;
        };
    };
    auto head = [](double grow) {
        return [grow](double x, double y) {
            // Triangle at the arc's upper end, pointing clockwise (to the right).
            const double baseX = 15.6 - grow, top = 1.5 - grow, bottom = 13.0 + grow;
            const double tipX = 23.5 + grow * 1.5, tipY = 7.25;
            if (x < baseX || x > tipX) return false;
            const double t = (x - baseX) / (tipX - baseX);
            return y >= top + (tipY - top) * t && y <= bottom + (tipY - bottom) * t;
        };
    };
    return Render(size, background,
                  {{ring(1.0), Flat({24, 92, 36})},
                   {head(1.0), Flat({24, 92, 36})},
                   {ring(0.0), Shaded({130, 214, 120}, {40, 140, 56}, size)},
                   {head(0.0), Shaded({130, 214, 120}, {40, 140, 56}, size)}});
}

// A round button face with a white symbol on it.
GlyphImage RoundBadge(std::uint32_t background, Rgb light, Rgb dark, Rgb rim,
                      std::function<bool(double, double)> symbol) {
    constexpr int size = 32;
    auto disc = [](double radius) {
        return [radius](double x, double y) { return std::hypot(x - 16, y - 16) <= radius; };
    };
    return Render(
        size, background,
        {{disc(15.5), Flat(rim)}, {disc(14.3), Shaded(light, dark, size)}, {std::move(symbol), Flat({255, 255, 255})}});
}

GlyphImage PowerSign(std::uint32_t background) {
    auto symbol = [](double x, double y) {
        const double dx = x - 16, dy = y - 17;
        const double r = std::hypot(dx, dy);
        const bool arc = r >= 6.0 && r <= 8.6 && !(dy < 0 && std::abs(dx) < 4.2);
        const bool bar = std::abs(x - 16) <= 1.4 && y >= 6.5 && y <= 17.0;
        return arc || bar;
    };
    return RoundBadge(background, {120, 170, 240}, {24, 72, 160}, {16, 40, 96}, symbol);
}

GlyphImage Cross(std::uint32_t background) {
    auto symbol = [](double x, double y) {
        const double dx = x - 16, dy = y - 16;
        if (std::abs(dx) > 7.5 || std::abs(dy) > 7.5) return false;
        const double d1 = std::abs(dx - dy) / std::numbers::sqrt2;
        const double d2 = std::abs(dx + dy) / std::numbers::sqrt2;
        return d1 <= 1.9 || d2 <= 1.9;
    };
    return RoundBadge(background, {250, 130, 120}, {176, 24, 24}, {110, 16, 16}, symbol);
}

}  // namespace

GlyphImage DrawButtonGlyph(ButtonGlyph glyph, std::uint32_t background) {
    switch (glyph) {
        case ButtonGlyph::Tweak: return Gear(background);
        case ButtonGlyph::Restore: return TurningArrow(background);
        case ButtonGlyph::Restart: return PowerSign(background);
        case ButtonGlyph::Close: return Cross(background);
    }
    return {};
}
