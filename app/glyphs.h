#pragma once
// The pictures on the main window's four buttons, drawn by code: a gear
// ("Tweak"), a turning arrow ("Vrati na Default"), a power sign ("Restartuj
// kompjuter") and a cross ("Zatvori"). Edges are smoothed against the given
// background color, which also fills every pixel outside the picture.

#include <cstdint>
#include <vector>

enum class ButtonGlyph : std::uint8_t { Tweak, Restore, Restart, Close };

struct GlyphImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top-down

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Tweak and Restore are 30x30, Restart and Close 32x32.
GlyphImage DrawButtonGlyph(ButtonGlyph glyph, std::uint32_t background);
