// Drives every drawing primitive with arbitrary rectangles, margins, frame numbers and counts on
// small bitmaps: whatever the numbers, nothing may be read or written outside the bitmaps (the
// sanitizers watch the memory) and the pixels around the destination must stay untouched.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skin/data/skin_image.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::int32_t Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
        return static_cast<std::int32_t>(v);
    }
    // Mostly small numbers, sometimes anything.
    int Coordinate() {
        const std::uint8_t kind = Byte();
        return kind < 200 ? static_cast<int>(static_cast<std::int8_t>(Byte())) : static_cast<int>(Int());
    }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

constexpr base::Pixel kGuard = 0x00C0FFEEu;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const int stripW = in.Byte() % 40, stripH = in.Byte() % 40;
    base::Bitmap strip(stripW, stripH);
    for (int y = 0; y < stripH; ++y)
        for (int x = 0; x < stripW; ++x) strip.At(x, y) = (in.Byte() & 1) ? base::kMagenta : base::Pixel(x * 7 + y);

    const int destW = 1 + in.Byte() % 48, destH = 1 + in.Byte() % 48, guard = 2;
    const int stride = destW + 2 * guard;
    std::vector<base::Pixel> memory(static_cast<std::size_t>(stride) * static_cast<std::size_t>(destH + 2 * guard),
                                    kGuard);
    base::Bitmap dest = base::Bitmap::View(memory.data() + guard * stride + guard, destW, destH, stride);
    dest.Fill(0);

    const base::Rect target{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
    const base::Rect margins{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
    const base::Rect source{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
    const int count = in.Coordinate(), number = in.Coordinate();
    const std::uint8_t flags = in.Byte();
    const bool vertical = flags & 1, tile = flags & 2, transparent = flags & 4;

    skin::DrawSkinObject(dest, target, strip, vertical, tile, transparent, count, number, margins);
    skin::DrawSkinStrip(dest, target, strip, vertical, transparent, count, number, margins);
    skin::DrawSkinBorder(dest, target, strip, vertical, count, number, margins);
    skin::DrawSkinFrame(dest, target, strip, transparent, count, number);
    skin::DrawSkinGlyph(dest, target, strip, transparent, count, number);
    skin::TransparentBlit(dest, target, strip, base::kMagenta);
    skin::TileImage(dest, target, strip, source);
    skin::StretchBitmap(dest, target, strip, source);
    skin::CopyBitmapRect(dest, target.Left, target.Top, strip, source);
    // Only small targets are built whole, to keep each run quick.
    if (skin::WithinDrawRange(target) && target.Width() <= 256 && target.Height() <= 256) {
        const base::Bitmap image = skin::BuildSkinImage(target, strip, margins, vertical, tile, count, number);
        if (!target.IsEmpty() && (image.Width() != target.Width() || image.Height() != target.Height())) std::abort();
    }
    (void)skin::CreateRegionFromBitmap(dest, target.Left, target.Top, flags, flags, flags, base::kMagenta);

    for (int y = 0; y < destH + 2 * guard; ++y)
        for (int x = 0; x < stride; ++x) {
            const bool inside = y >= guard && y < destH + guard && x >= guard && x < destW + guard;
            if (!inside && memory[static_cast<std::size_t>(y * stride + x)] != kGuard) std::abort();
        }
    return 0;
}
