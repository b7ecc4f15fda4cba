#pragma once
// Colours of the pictures the utility draws by code (its icon, its button glyphs): channels kept
// as real numbers while samples are summed and mixed, rounded to 8 bits at the end.

#include <algorithm>
#include <cmath>
#include <cstdint>

struct Rgb {
    double r, g, b;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator/(Rgb c, double n) { return {c.r / n, c.g / n, c.b / n}; }

// One channel rounded and clamped to 0..255.
inline std::uint32_t Channel(double v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); }

// 0x00RRGGBB.
inline std::uint32_t ToPixel(Rgb c) { return Channel(c.r) << 16 | Channel(c.g) << 8 | Channel(c.b); }

inline Rgb FromPixel(std::uint32_t p) { return {double((p >> 16) & 0xFF), double((p >> 8) & 0xFF), double(p & 0xFF)}; }

inline Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
