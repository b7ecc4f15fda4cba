#include "app/app_icon.h"

#include "app/sampled_color.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The drawing is made on a 32-unit square and scaled to the asked size.
constexpr double kUnits = 32.0;

double RoundedSquareDistance(double x, double y) {
    // Signed distance to a square of side 30 centred at 16,16 with corners of radius 7.
    const double half = 15.0 - 7.0;
    const double qx = std::max(std::abs(x - 16.0) - half, 0.0);
    const double qy = std::max(std::abs(y - 16.0) - half, 0.0);
    return std::hypot(qx, qy) - 7.0;
}

struct Sample {
    bool inside = false;
    Rgb color{0, 0, 0};
};

// What the drawing shows at a point of the 32-unit square.
Sample At(double x, double y) {
    if (RoundedSquareDistance(x, y) > 0) return {};
    // Tile: teal, lighter towards the top.
    const double t = std::clamp(y / kUnits, 0.0, 1.0);
    Rgb color{24 + (12 - 24) * t, 150 + (96 - 150) * t, 160 + (110 - 160) * t};
    if (RoundedSquareDistance(x, y) > -1.4) color = {10, 78, 88};  // rim
    // Three bars with a knob each, at different positions.
    constexpr std::array<double, 3> rows{9.5, 16.0, 22.5};
    constexpr std::array<double, 3> knobs{20.0, 11.0, 17.5};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (x >= 7.0 && x <= 25.0 && std::abs(y - rows[i]) <= 1.1) color = {222, 240, 240};
        if (std::hypot(x - knobs[i], y - rows[i]) <= 2.9) color = {255, 196, 64};
        if (std::hypot(x - knobs[i], y - rows[i]) <= 1.3) color = {255, 236, 180};
    }
    return {true, color};
}

}  // namespace

IconImage DrawAppIcon(int size) {
    size = std::max(size, 1);
    constexpr int kSamples = 4;  // per axis and pixel
    IconImage image{size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size)};
    const double scale = kUnits / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgb sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Sample s = At((x + (sx + 0.5) / kSamples) * scale, (y + (sy + 0.5) / kSamples) * scale);
                    if (!s.inside) continue;
                    ++covered;
                    sum = sum + s.color;
                }
            if (covered == 0) continue;  // fully transparent
            const double alpha = 255.0 * covered / (kSamples * kSamples);
            image.pixels[static_cast<std::size_t>(y * size + x)] =
                Channel(alpha) << 24 | Channel(sum.r / covered) << 16 | Channel(sum.g / covered) << 8 |
                Channel(sum.b / covered);
        }
    return image;
}
