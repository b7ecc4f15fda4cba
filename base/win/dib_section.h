#pragma once

// A 32-bit top-down DIB section with its own memory DC, whose pixels are also a base::Bitmap,
// so GDI (text, icons) and the skin primitives draw into the same memory without copies.

#include <windows.h>

#include "base/bitmap.h"
#include "base/win/handles.h"

namespace base::win {

// A blank top-down DIB section of `bitsPerPixel` (24 or 32) bits; null when GDI refuses. `bits`,
// when given, receives the address of its pixels.
UniqueHBitmap CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits = nullptr, HDC reference = nullptr);

class DibSection {
public:
    DibSection() = default;
    // Creates a width x height section (contents black) selected into a new memory DC compatible
    // with `reference` (the screen when null). Throws std::runtime_error when GDI refuses and
    // std::length_error / std::invalid_argument for sizes a Bitmap may not have.
    DibSection(int width, int height, HDC reference = nullptr);
    // A section holding a copy of `bitmap`.
    static DibSection FromBitmap(const Bitmap& bitmap, HDC reference = nullptr);

    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;
    ~DibSection();

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    bool Empty() const { return pixels_.Empty(); }
    // The memory DC with the section selected.
    HDC Dc() const { return dc_.Get(); }
    HBITMAP Handle() const { return bitmap_.Get(); }
    // The pixels. Calls GdiFlush first so GDI drawing queued on the DC has landed.
    Bitmap& Pixels();
    const Bitmap& Pixels() const;

private:
    void ReleaseSelection();

    UniqueHBitmap bitmap_;
    UniqueMemoryDc dc_;
    HGDIOBJ previousBitmap_ = nullptr;
    Bitmap pixels_;  // view over the section's memory
};

}  // namespace base::win
