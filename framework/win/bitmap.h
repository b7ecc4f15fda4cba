// TBitmap: a GDI bitmap (DIB section) with its own memory-DC canvas.
#pragma once

#include "framework/win/canvas.h"
#include "base/win/handles.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

class TBitmap : public TPersistent {
    T_CLASS(TBitmap, TPersistent)
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TPixelFormat PixelFormat() const { return format_; }
    // Resizes to a blank (black) bitmap of that size; the contents are dropped.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // Changes the pixel format, keeping the picture.
    void SetPixelFormat(TPixelFormat format);

    // The bitmap handle; null when empty. Owned by this object.
    HBITMAP Handle() const { return bitmap_.Get(); }
    // Takes ownership of a bitmap handle (DDB or DIB).
    void SetHandle(HBITMAP bitmap);
    // Gives up the handle to the caller.
    [[nodiscard]] HBITMAP ReleaseHandle();

    // A canvas drawing into the bitmap (memory DC created on first use).
    TCanvas* Canvas();

    // Loads a BMP resource (RT_BITMAP) of `instance` by name or numeric id; throws when missing.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    void LoadFromResourceID(HINSTANCE instance, int id);
    // Loads a BMP file image held in memory (file header included); throws on bad data.
    void LoadFromMemory(const void* data, std::size_t size);

    // Transparent color for glyph drawing: the bottom-left pixel unless set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color) { transparentColor_ = color; }

    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void ReplaceBitmap(HBITMAP bitmap, int width, int height, TPixelFormat format);
    void Changed();
    void Select();
    void Deselect();

    base::win::UniqueHBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = pfDevice;
    TColor transparentColor_ = clNone;
    base::win::UniqueMemoryDc memoryDc_;
    // The bitmap selected into memoryDc_ while the canvas is in use.
    std::optional<base::win::ScopedSelectObject> selection_;
    std::unique_ptr<TCanvas> canvas_;
};
