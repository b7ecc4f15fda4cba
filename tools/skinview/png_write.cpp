#include "tools/skinview/png_write.h"

#include <png.h>

#include <stdexcept>

namespace tools {

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

}  // namespace

std::vector<std::uint8_t> EncodePng(const base::Bitmap& bitmap) {
    if (bitmap.Empty()) throw std::runtime_error("cannot encode an empty image");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) throw std::runtime_error("libpng: out of memory");
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng: out of memory");
    }
    std::vector<std::uint8_t> out;
    std::vector<png_byte> row(static_cast<std::size_t>(bitmap.Width()) * 3);
    // libpng reports errors by longjmp; only trivially destructible state lives in this frame
    // between setjmp and the end of encoding.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng: encoding failed");
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()), static_cast<png_uint_32>(bitmap.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const base::Pixel* src = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            row[static_cast<std::size_t>(x) * 3] = base::PixelRed(src[x]);
            row[static_cast<std::size_t>(x) * 3 + 1] = base::PixelGreen(src[x]);
            row[static_cast<std::size_t>(x) * 3 + 2] = base::PixelBlue(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace tools
