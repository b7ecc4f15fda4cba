#include "skin/controls/win/paint_buffer.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace skin::win {

HDC PaintBuffer::Prepare(HDC reference, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    if (dc_ && width <= width_ && height <= height_) {
        SetViewportOrgEx(dc_.Get(), 0, 0, nullptr);
        SelectClipRgn(dc_.Get(), nullptr);
        return dc_.Get();
    }
    Release();
    base::win::UniqueMemoryDc dc(CreateCompatibleDC(reference));
    if (!dc) return nullptr;
    HDC screen = reference;
    base::win::WindowDc screenDc;
    if (screen == nullptr) {
        screenDc = base::win::WindowDc(nullptr);
        screen = screenDc.Get();
    }
    const int w = std::max(width, width_), h = std::max(height, height_);
    base::win::UniqueHBitmap bitmap(CreateCompatibleBitmap(screen, w, h));
    if (!bitmap) return nullptr;
    previous_ = SelectObject(dc.Get(), bitmap.Get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    width_ = w;
    height_ = h;
    return dc_.Get();
}

void PaintBuffer::CopyTo(HDC target, int x, int y, int width, int height) const {
    if (dc_) BitBlt(target, x, y, width, height, dc_.Get(), 0, 0, SRCCOPY);
}

void PaintBuffer::Release() {
    if (dc_ && previous_ != nullptr) SelectObject(dc_.Get(), previous_);
    previous_ = nullptr;
    bitmap_.Reset();
    dc_.Reset();
    width_ = height_ = 0;
}

}  // namespace skin::win

namespace skin::win {

namespace {

struct PoolEntry {
    std::unique_ptr<PaintBuffer> Buffer = std::make_unique<PaintBuffer>();
    bool InUse = false;
};

// One pool a thread, made once and never destroyed: a thread's variables with destructors are
// destroyed while the engine's DLL is being let go of, after the DLL's own data.
std::vector<PoolEntry>& Pool() {
    thread_local auto* pool = new std::vector<PoolEntry>;
    return *pool;
}

}  // namespace

PaintBufferLease::PaintBufferLease(HDC reference, int width, int height) : width_(width), height_(height) {
    auto& pool = Pool();
    auto it = std::find_if(pool.begin(), pool.end(), [](const PoolEntry& e) { return !e.InUse; });
    if (it == pool.end()) {
        pool.emplace_back();
        it = std::prev(pool.end());
    }
    it->InUse = true;
    buffer_ = it->Buffer.get();
    dc_ = buffer_->Prepare(reference, width, height);
}

PaintBufferLease::~PaintBufferLease() {
    for (PoolEntry& entry : Pool())
        if (entry.Buffer.get() == buffer_) entry.InUse = false;
}

void PaintBufferLease::CopyTo(HDC target, int x, int y) const {
    if (dc_ != nullptr) buffer_->CopyTo(target, x, y, width_, height_);
}

}  // namespace skin::win
