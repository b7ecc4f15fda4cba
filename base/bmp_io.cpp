#include "base/bmp_io.h"

#include <bit>
#include <cstring>
#include <string>

namespace base {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestInfoHeaderSize = 124;  // BITMAPV5HEADER

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kJpeg = 4, kPng = 5 };

// Little-endian reads; the caller has checked the bounds.
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}
std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

BmpReadResult Fail(std::string reason) { return BmpReadResult{Bitmap{}, "BMP: " + std::move(reason)}; }

// One color channel described by a bit mask, widened to 8 bits.
struct Channel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;

    static bool Make(std::uint32_t mask, Channel& out) {
        out = Channel{};
        if (mask == 0) return true;  // channel absent: reads as 0
        const int shift = std::countr_zero(mask);
        const std::uint32_t bits = mask >> shift;
        if ((bits & (bits + 1)) != 0) return false;  // not one contiguous run of ones
        out.Mask = mask;
        out.Shift = shift;
        out.Bits = std::popcount(bits);
        return true;
    }
    std::uint8_t Read(std::uint32_t value) const {
        if (Bits == 0) return 0;
        const std::uint32_t v = (value & Mask) >> Shift;
        if (Bits >= 8) return static_cast<std::uint8_t>(v >> (Bits - 8));
        // Widen by repeating the bit pattern, so full scale maps to 255.
        std::uint32_t wide = 0;
        for (int filled = 0; filled < 8; filled += Bits) wide = (wide << Bits) | v;
        return static_cast<std::uint8_t>(wide >> ((8 + Bits - 1) / Bits * Bits - 8));
    }
};

}  // namespace

BmpReadResult ReadBmp(std::span<const std::uint8_t> bytes) {
    const std::uint8_t* data = bytes.data();
    const std::size_t size = bytes.size();
    if (size < kFileHeaderSize + 4) return Fail("file too short for a header (" + std::to_string(size) + " bytes)");
    if (data[0] != 'B' || data[1] != 'M') return Fail("not a bitmap file (no \"BM\" signature)");
    const std::uint32_t pixelOffset = U32(data + 10);
    const std::uint32_t headerSize = U32(data + kFileHeaderSize);
    const bool core = headerSize == kCoreHeaderSize;
    // BITMAPINFOHEADER, its bit-field variants, BITMAPV4HEADER and BITMAPV5HEADER.
    const bool info = headerSize == kInfoHeaderSize || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
                      headerSize == kLargestInfoHeaderSize;
    if (!core && !info) return Fail("unsupported info header size " + std::to_string(headerSize));
    if (size < kFileHeaderSize + headerSize) return Fail("file truncated inside the info header");
    const std::uint8_t* fields = data + kFileHeaderSize;

    std::int64_t width = 0, height = 0;
    unsigned planes = 0, bitCount = 0;
    std::uint32_t compression = kRgb, colorsUsed = 0;
    if (core) {
        width = U16(fields + 4);
        height = U16(fields + 6);
        planes = U16(fields + 8);
        bitCount = U16(fields + 10);
    } else {
        width = I32(fields + 4);
        height = I32(fields + 8);
        planes = U16(fields + 12);
        bitCount = U16(fields + 14);
        compression = U32(fields + 16);
        colorsUsed = U32(fields + 32);
    }
    if (planes != 1) return Fail("plane count " + std::to_string(planes) + " (must be 1)");
    switch (compression) {
        case kRgb: break;
        case kBitfields:
            if (bitCount != 16 && bitCount != 32)
                return Fail("bit-field masks with " + std::to_string(bitCount) + " bits per pixel");
            break;
        case kRle8:
        case kRle4: return Fail("run-length compressed bitmaps are not supported");
        case kJpeg:
        case kPng: return Fail("JPEG or PNG compressed bitmaps are not supported");
        default: return Fail("unknown compression " + std::to_string(compression));
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return Fail("unsupported bit depth " + std::to_string(bitCount));
    if (core && bitCount > 24) return Fail("unsupported bit depth " + std::to_string(bitCount) + " in a core header");
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width < 0) return Fail("negative width " + std::to_string(width));
    if (!Bitmap::SizeAllowed(width, height))
        return Fail("size " + std::to_string(width) + "x" + std::to_string(height) + " exceeds the limit of " +
                    std::to_string(kMaxBitmapDimension) + " per side and " + std::to_string(kMaxBitmapPixels) +
                    " pixels");

    // Channel masks: inside the larger headers, or right after a 40-byte header.
    std::size_t tableOffset = kFileHeaderSize + headerSize;
    Channel red, green, blue;
    if (bitCount == 16 || bitCount == 32) {
        std::uint32_t masks[3] = {0x7C00u, 0x03E0u, 0x001Fu};
        if (bitCount == 32) {
            masks[0] = 0x00FF0000u;
            masks[1] = 0x0000FF00u;
            masks[2] = 0x000000FFu;
        }
        if (compression == kBitfields) {
            std::size_t at = kFileHeaderSize + kInfoHeaderSize;
            if (headerSize == kInfoHeaderSize) tableOffset += 12;
            if (size < at + 12) return Fail("file truncated inside the bit-field masks");
            for (int i = 0; i < 3; ++i) masks[i] = U32(data + at + 4 * static_cast<std::size_t>(i));
        }
        if (!Channel::Make(masks[0], red) || !Channel::Make(masks[1], green) || !Channel::Make(masks[2], blue))
            return Fail("bit-field mask is not one contiguous run of bits");
    }

    // Palette.
    Pixel palette[256] = {};
    std::uint32_t paletteSize = 0;
    if (bitCount <= 8) {
        const std::uint32_t most = 1u << bitCount;
        paletteSize = (core || colorsUsed == 0) ? most : colorsUsed;
        if (paletteSize > most)
            return Fail("palette of " + std::to_string(paletteSize) + " colours for " + std::to_string(bitCount) +
                        " bits per pixel");
        const std::size_t entry = core ? 3 : 4;
        if (size < tableOffset || (size - tableOffset) / entry < paletteSize)
            return Fail("file truncated inside the palette");
        for (std::uint32_t i = 0; i < paletteSize; ++i) {
            const std::uint8_t* e = data + tableOffset + i * entry;
            palette[i] = MakePixel(e[2], e[1], e[0]);
        }
    }

    if (pixelOffset < kFileHeaderSize + headerSize) return Fail("pixel data offset points into the header");
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t lastRowBytes = (static_cast<std::uint64_t>(width) * bitCount + 7) / 8;
    if (height > 0 && width > 0) {
        const std::uint64_t needed = pixelOffset + stride * static_cast<std::uint64_t>(height - 1) + lastRowBytes;
        if (needed > size)
            return Fail("pixel data truncated (needs " + std::to_string(needed) + " bytes, file has " +
                        std::to_string(size) + ")");
    }

    Bitmap image(static_cast<int>(width), static_cast<int>(height));
    const int w = image.Width();
    for (int y = 0; y < image.Height(); ++y) {
        const int fileRow = topDown ? y : image.Height() - 1 - y;
        const std::uint8_t* in = data + pixelOffset + stride * static_cast<std::uint64_t>(fileRow);
        Pixel* out = image.Row(y);
        switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                const unsigned perByte = 8 / bitCount;
                const unsigned mask = (1u << bitCount) - 1;
                for (int x = 0; x < w; ++x) {
                    const unsigned shift = 8 - bitCount * (static_cast<unsigned>(x) % perByte + 1);
                    const unsigned index = (in[static_cast<unsigned>(x) / perByte] >> shift) & mask;
                    out[x] = index < paletteSize ? palette[index] : 0;  // an index past the palette reads black
                }
                break;
            }
            case 16:
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t v = U16(in + 2 * x);
                    out[x] = MakePixel(red.Read(v), green.Read(v), blue.Read(v));
                }
                break;
            case 24:
                for (int x = 0; x < w; ++x) out[x] = MakePixel(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
                break;
            case 32:
                if (compression == kRgb) {
                    for (int x = 0; x < w; ++x) out[x] = U32(in + 4 * x) & 0x00FFFFFFu;
                } else {
                    for (int x = 0; x < w; ++x) {
                        const std::uint32_t v = U32(in + 4 * x);
                        out[x] = MakePixel(red.Read(v), green.Read(v), blue.Read(v));
                    }
                }
                break;
        }
    }
    return BmpReadResult{std::move(image), {}};
}

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> WriteBmp24(const Bitmap& bitmap) {
    const std::size_t w = static_cast<std::size_t>(bitmap.Width());
    const std::size_t h = static_cast<std::size_t>(bitmap.Height());
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out(offset + stride * h, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(out.size()));
    Put32(out, 10, static_cast<std::uint32_t>(offset));
    Put32(out, 14, kInfoHeaderSize);
    Put32(out, 18, static_cast<std::uint32_t>(w));
    Put32(out, 22, static_cast<std::uint32_t>(h));  // positive: bottom-up
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 30, kRgb);
    Put32(out, 34, static_cast<std::uint32_t>(stride * h));
    for (std::size_t y = 0; y < h; ++y) {
        const Pixel* row = bitmap.Row(static_cast<int>(y));
        std::uint8_t* dst = out.data() + offset + (h - 1 - y) * stride;
        for (std::size_t x = 0; x < w; ++x) {
            dst[3 * x] = PixelBlue(row[x]);
            dst[3 * x + 1] = PixelGreen(row[x]);
            dst[3 * x + 2] = PixelRed(row[x]);
        }
    }
    return out;
}

}  // namespace base
