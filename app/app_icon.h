#pragma once
// The utility's icon, drawn by code: a rounded teal tile with three slider bars and their knobs
// (settings being adjusted). Pixels carry coverage as alpha, so the corners are see-through.

#include <cstdint>
#include <vector>

struct IconImage {
    int size = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, straight alpha, rows top-down

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// The icon at `size` x `size` pixels (16 and 32 are the sizes Windows asks for); size >= 1.
IconImage DrawAppIcon(int size);
