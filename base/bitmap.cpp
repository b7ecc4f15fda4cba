#include "base/bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace base {

namespace {

void CheckSize(int width, int height) {
    if (width < 0 || height < 0)
        throw std::invalid_argument("bitmap size " + std::to_string(width) + "x" + std::to_string(height) +
                                    " is negative");
    if (!Bitmap::SizeAllowed(width, height))
        throw std::length_error("bitmap size " + std::to_string(width) + "x" + std::to_string(height) +
                                " exceeds the limit");
}

}  // namespace

bool Bitmap::SizeAllowed(std::int64_t width, std::int64_t height) {
    return width >= 0 && height >= 0 && width <= kMaxBitmapDimension && height <= kMaxBitmapDimension &&
           width * height <= kMaxBitmapPixels;
}

Bitmap::Bitmap(int width, int height, Pixel fill) { Reset(width, height, fill); }

Bitmap Bitmap::View(Pixel* pixels, int width, int height, int stride) {
    if (width < 0 || height < 0 || stride < width)
        throw std::invalid_argument("bitmap view has a negative size or a stride below its width");
    if (pixels == nullptr && width > 0 && height > 0) throw std::invalid_argument("bitmap view over no memory");
    Bitmap view;
    view.data_ = pixels;
    view.width_ = width;
    view.height_ = height;
    view.stride_ = stride;
    view.view_ = true;
    return view;
}

void Bitmap::Reset(int width, int height, Pixel fill) {
    CheckSize(width, height);
    std::vector<Pixel> storage(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    storage_ = std::move(storage);
    data_ = storage_.data();
    width_ = width;
    height_ = height;
    stride_ = width;
    view_ = false;
}

Bitmap::Bitmap(const Bitmap& other) {
    if (other.Empty()) {
        width_ = other.width_;
        height_ = other.height_;
        stride_ = other.width_;
        return;
    }
    storage_.resize(static_cast<std::size_t>(other.width_) * static_cast<std::size_t>(other.height_));
    data_ = storage_.data();
    width_ = other.width_;
    height_ = other.height_;
    stride_ = other.width_;
    for (int y = 0; y < height_; ++y)
        std::memcpy(Row(y), other.Row(y), static_cast<std::size_t>(width_) * sizeof(Pixel));
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        Bitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : storage_(std::move(other.storage_)),
      data_(other.data_),
      width_(other.width_),
      height_(other.height_),
      stride_(other.stride_),
      view_(other.view_) {
    // A moved std::vector keeps its buffer, so data_ stays valid for owning bitmaps.
    other.storage_.clear();
    other.data_ = nullptr;
    other.width_ = other.height_ = other.stride_ = 0;
    other.view_ = false;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        storage_ = std::move(other.storage_);
        data_ = other.data_;
        width_ = other.width_;
        height_ = other.height_;
        stride_ = other.stride_;
        view_ = other.view_;
        other.storage_.clear();
        other.data_ = nullptr;
        other.width_ = other.height_ = other.stride_ = 0;
        other.view_ = false;
    }
    return *this;
}

void Bitmap::Fill(Pixel value) { FillRect(Bounds(), value); }

void Bitmap::FillRect(const Rect& r, Pixel value) {
    const Rect clipped = Intersect(r, Bounds());
    if (clipped.IsEmpty()) return;
    for (int y = clipped.Top; y < clipped.Bottom; ++y) std::fill(Row(y) + clipped.Left, Row(y) + clipped.Right, value);
}

Bitmap Bitmap::Crop(const Rect& r) const {
    const Rect clipped = Intersect(r, Bounds());
    Bitmap result(clipped.Width(), clipped.Height());
    if (result.Empty()) return result;
    for (int y = 0; y < result.height_; ++y)
        std::memcpy(result.Row(y), Row(clipped.Top + y) + clipped.Left,
                    static_cast<std::size_t>(result.width_) * sizeof(Pixel));
    return result;
}

bool Bitmap::operator==(const Bitmap& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    if (Empty()) return true;  // no pixels, possibly no memory
    for (int y = 0; y < height_; ++y)
        if (std::memcmp(Row(y), other.Row(y), static_cast<std::size_t>(width_) * sizeof(Pixel)) != 0) return false;
    return true;
}

}  // namespace base
