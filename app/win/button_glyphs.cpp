#include "app/win/button_glyphs.h"

std::unique_ptr<TBitmap> MakeButtonGlyph(ButtonGlyph glyph) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t background =
        std::uint32_t(GetRValue(face)) << 16 | std::uint32_t(GetGValue(face)) << 8 | GetBValue(face);
    const GlyphImage image = DrawButtonGlyph(glyph, background);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(image.width, image.height);
    const HDC dc = bitmap->Canvas()->Handle();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            SetPixelV(dc, x, y, RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        }
    return bitmap;
}
