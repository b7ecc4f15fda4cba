#pragma once
// The off-screen surface a control skin draws into before one copy to the screen. Grows to the
// largest size asked for and is reused; the bitmap is deselected before it is freed.

#include <windows.h>

#include "base/win/handles.h"

namespace skin::win {

class PaintBuffer {
public:
    PaintBuffer() = default;
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;
    ~PaintBuffer() { Release(); }

    // A memory DC compatible with `reference` holding at least width x height pixels, its origin
    // and state reset; null when the size is not positive or GDI refuses.
    HDC Prepare(HDC reference, int width, int height);
    // Copies the top-left width x height pixels to (x, y) of `target`.
    void CopyTo(HDC target, int x, int y, int width, int height) const;
    void Release();

private:
    base::win::UniqueMemoryDc dc_;
    base::win::UniqueHBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace skin::win

namespace skin::win {

// Borrows an off-screen surface from the thread's pool for one paint. Nested paints (a skin
// painting its parent's image, which paints other skinned controls) borrow different surfaces,
// so a screen full of skinned controls needs only as many GDI objects as paints run at once.
class PaintBufferLease {
public:
    PaintBufferLease(HDC reference, int width, int height);
    PaintBufferLease(const PaintBufferLease&) = delete;
    PaintBufferLease& operator=(const PaintBufferLease&) = delete;
    ~PaintBufferLease();

    // Null when the size is not positive or GDI refused.
    HDC Dc() const { return dc_; }
    void CopyTo(HDC target, int x, int y) const;

private:
    PaintBuffer* buffer_ = nullptr;
    HDC dc_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace skin::win
