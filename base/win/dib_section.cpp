#include "base/win/dib_section.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace base::win {

UniqueHBitmap CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits, HDC reference) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows, as in base::Bitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* ignored = nullptr;
    return UniqueHBitmap(::CreateDIBSection(reference, &info, DIB_RGB_COLORS, bits ? bits : &ignored, nullptr, 0));
}

DibSection::DibSection(int width, int height, HDC reference) {
    if (width < 0 || height < 0) throw std::invalid_argument("DIB section size is negative");
    if (!Bitmap::SizeAllowed(width, height)) throw std::length_error("DIB section size exceeds the bitmap limit");
    if (width == 0 || height == 0) {
        pixels_ = Bitmap::View(nullptr, width, height, width);
        return;
    }
    void* bits = nullptr;
    bitmap_ = CreateTopDownDib(width, height, 32, &bits, reference);
    if (!bitmap_ || bits == nullptr)
        throw std::runtime_error("CreateDIBSection failed for " + std::to_string(width) + "x" + std::to_string(height));
    dc_.Reset(::CreateCompatibleDC(reference));
    if (!dc_) throw std::runtime_error("CreateCompatibleDC failed");
    previousBitmap_ = ::SelectObject(dc_.Get(), bitmap_.Get());
    if (previousBitmap_ == nullptr || previousBitmap_ == HGDI_ERROR) {
        previousBitmap_ = nullptr;
        throw std::runtime_error("selecting the DIB section into its DC failed");
    }
    pixels_ = Bitmap::View(static_cast<Pixel*>(bits), width, height, width);
}

DibSection DibSection::FromBitmap(const Bitmap& bitmap, HDC reference) {
    DibSection section(bitmap.Width(), bitmap.Height(), reference);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const Pixel* in = bitmap.Row(y);
        std::copy(in, in + bitmap.Width(), section.pixels_.Row(y));
    }
    return section;
}

DibSection::DibSection(DibSection&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      dc_(std::move(other.dc_)),
      previousBitmap_(std::exchange(other.previousBitmap_, nullptr)),
      pixels_(std::move(other.pixels_)) {}

DibSection& DibSection::operator=(DibSection&& other) noexcept {
    if (this != &other) {
        ReleaseSelection();
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        previousBitmap_ = std::exchange(other.previousBitmap_, nullptr);
        pixels_ = std::move(other.pixels_);
    }
    return *this;
}

DibSection::~DibSection() { ReleaseSelection(); }

void DibSection::ReleaseSelection() {
    // The section must leave its DC before either is deleted.
    if (dc_ && previousBitmap_ != nullptr) ::SelectObject(dc_.Get(), previousBitmap_);
    previousBitmap_ = nullptr;
    dc_.Reset();
    bitmap_.Reset();
    pixels_ = Bitmap{};
}

Bitmap& DibSection::Pixels() {
    ::GdiFlush();
    return pixels_;
}

const Bitmap& DibSection::Pixels() const {
    ::GdiFlush();
    return pixels_;
}

}  // namespace base::win
