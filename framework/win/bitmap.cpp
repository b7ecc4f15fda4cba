#include "framework/win/bitmap.h"

#include "base/win/dib_section.h"

#include "framework/win/text.h"
#include "base/bitmap.h"
#include "base/bmp_io.h"

#include <cstring>
#include <stdexcept>

namespace {

TPixelFormat FormatFromBits(int bits) {
    switch (bits) {
        case 1: return pf1bit;
        case 4: return pf4bit;
        case 8: return pf8bit;
        case 16: return pf16bit;
        case 24: return pf24bit;
        case 32: return pf32bit;
        default: return pfDevice;
    }
}

// A blank top-down DIB section of 24 or 32 bits per pixel.
base::win::UniqueHBitmap CreateDib(int width, int height, int bits) {
    base::win::UniqueHBitmap bitmap = base::win::CreateTopDownDib(width, height, bits);
    if (!bitmap) throw std::runtime_error("Out of system resources: cannot create a bitmap");
    return bitmap;
}

int BitsFor(TPixelFormat format) {
    switch (format) {
        case pf24bit: return 24;
        case pf32bit:
        case pfDevice: return 32;
        default: throw std::invalid_argument("Unsupported pixel format for a new bitmap");
    }
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.reset();
    selection_.reset();
}

void TBitmap::Deselect() {
    // Take the bitmap out of the canvas's DC before it is deleted or handed out.
    if (canvas_) canvas_->SetHandle(nullptr);
    selection_.reset();
}

void TBitmap::Select() {
    selection_.emplace(memoryDc_.Get(), bitmap_.Get());
    if (canvas_) canvas_->SetHandle(memoryDc_.Get());
}

void TBitmap::Changed() {
    if (OnChange) OnChange(this);
}

void TBitmap::ReplaceBitmap(HBITMAP bitmap, int width, int height, TPixelFormat format) {
    Deselect();
    bitmap_.Reset(bitmap);
    width_ = bitmap != nullptr ? width : 0;
    height_ = bitmap != nullptr ? height : 0;
    format_ = format;
    if (bitmap_ && memoryDc_) Select();
    Changed();
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0 || !base::Bitmap::SizeAllowed(width, height)) {
        throw std::invalid_argument("Invalid bitmap size");
    }
    if (width == 0 || height == 0) {
        ReplaceBitmap(nullptr, 0, 0, format_);
        return;
    }
    const TPixelFormat format = (format_ == pf24bit) ? pf24bit : pf32bit;
    ReplaceBitmap(CreateDib(width, height, BitsFor(format)).Release(), width, height, format);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_) return;
    if (Empty()) {
        format_ = format;
        return;
    }
    base::win::UniqueHBitmap converted = CreateDib(width_, height_, BitsFor(format));
    {
        base::win::UniqueMemoryDc source(CreateCompatibleDC(nullptr));
        base::win::UniqueMemoryDc target(CreateCompatibleDC(nullptr));
        Deselect();
        base::win::ScopedSelectObject selectSource(source.Get(), bitmap_.Get());
        base::win::ScopedSelectObject selectTarget(target.Get(), converted.Get());
        BitBlt(target.Get(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
    }
    ReplaceBitmap(converted.Release(), width_, height_, format);
}

void TBitmap::SetHandle(HBITMAP bitmap) {
    if (bitmap == nullptr) {
        ReplaceBitmap(nullptr, 0, 0, pfDevice);
        return;
    }
    DIBSECTION dib{};
    BITMAP bm{};
    TPixelFormat format = pfDevice;
    if (GetObjectW(bitmap, sizeof(dib), &dib) == sizeof(dib)) {
        bm = dib.dsBm;
        format = FormatFromBits(dib.dsBmih.biBitCount);
    } else if (GetObjectW(bitmap, sizeof(bm), &bm) == 0) {
        throw std::invalid_argument("Not a bitmap handle");
    }
    ReplaceBitmap(bitmap, bm.bmWidth, bm.bmHeight, format);
}

HBITMAP TBitmap::ReleaseHandle() {
    Deselect();
    HBITMAP result = bitmap_.Release();
    width_ = height_ = 0;
    return result;
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
    }
    if (!memoryDc_) {
        memoryDc_.Reset(CreateCompatibleDC(nullptr));
        if (!memoryDc_) throw std::runtime_error("Out of system resources: cannot create a DC");
    }
    if (bitmap_ && !selection_) Select();
    return canvas_.get();
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
    const std::wstring wide = WidenText(name);
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(instance, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) throw std::runtime_error("Bitmap resource not found: " + name);
    SetHandle(bitmap);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
    auto* bitmap =
        static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) throw std::runtime_error("Bitmap resource not found: " + std::to_string(id));
    SetHandle(bitmap);
}

void TBitmap::LoadFromMemory(const void* data, std::size_t size) {
    if (data == nullptr && size != 0) throw std::invalid_argument("Bitmap data missing");
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    base::BmpReadResult read = base::ReadBmp(std::span<const std::uint8_t>(bytes, size));
    if (!read.Ok()) throw std::runtime_error("Bitmap image is not valid: " + read.Error);
    if (read.Image.Empty()) {
        ReplaceBitmap(nullptr, 0, 0, pf24bit);
        return;
    }
    const int width = read.Image.Width();
    const int height = read.Image.Height();
    base::win::UniqueHBitmap dib = CreateDib(width, height, 24);
    DIBSECTION section{};
    GetObjectW(dib.Get(), sizeof(section), &section);
    auto* target = static_cast<std::uint8_t*>(section.dsBm.bmBits);
    const int stride = section.dsBm.bmWidthBytes;
    // The DIB is top-down (negative height), so row 0 comes first.
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = target + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const base::Pixel p = read.Image.At(x, y);
            row[x * 3 + 0] = base::PixelBlue(p);
            row[x * 3 + 1] = base::PixelGreen(p);
            row[x * 3 + 2] = base::PixelRed(p);
        }
    }
    GdiFlush();
    ReplaceBitmap(dib.Release(), width, height, pf24bit);
}

TColor TBitmap::TransparentColor() const {
    if (transparentColor_ != clNone) return transparentColor_;
    if (Empty()) return clNone;
    if (selection_) {
        // The bitmap is selected into our canvas DC already; read it there.
        return GetPixel(memoryDc_.Get(), 0, height_ - 1) & 0xFFFFFF;
    }
    base::win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    base::win::ScopedSelectObject select(dc.Get(), bitmap_.Get());
    return GetPixel(dc.Get(), 0, height_ - 1) & 0xFFFFFF;
}

void TBitmap::Assign(const TPersistent* source) {
    if (source == nullptr) {
        ReplaceBitmap(nullptr, 0, 0, pfDevice);
        return;
    }
    if (const auto* other = dynamic_cast<const TBitmap*>(source)) {
        if (other == this) return;
        transparentColor_ = other->transparentColor_;
        if (other->Empty()) {
            ReplaceBitmap(nullptr, 0, 0, other->format_);
            return;
        }
        // Copied through GDI so it works while the source is selected into its canvas DC.
        const TPixelFormat format = other->format_ == pf24bit ? pf24bit : pf32bit;
        base::win::UniqueHBitmap copy = CreateDib(other->width_, other->height_, BitsFor(format));
        {
            base::win::UniqueMemoryDc target(CreateCompatibleDC(nullptr));
            base::win::ScopedSelectObject selectTarget(target.Get(), copy.Get());
            if (other->selection_) {
                BitBlt(target.Get(), 0, 0, other->width_, other->height_, other->memoryDc_.Get(), 0, 0, SRCCOPY);
            } else {
                base::win::UniqueMemoryDc source(CreateCompatibleDC(nullptr));
                base::win::ScopedSelectObject selectSource(source.Get(), other->bitmap_.Get());
                BitBlt(target.Get(), 0, 0, other->width_, other->height_, source.Get(), 0, 0, SRCCOPY);
            }
        }
        ReplaceBitmap(copy.Release(), other->width_, other->height_, format);
        return;
    }
    TPersistent::Assign(source);
}
