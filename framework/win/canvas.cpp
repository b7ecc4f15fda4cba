#include "framework/win/canvas.h"

#include "framework/win/bitmap.h"
#include "framework/win/text.h"

#include <stdexcept>

TCanvas::TCanvas() {
    font_.OnChange = [this](TObject*) {
        if (dc_ != nullptr) SelectFont();
    };
    brush_.OnChange = [this](TObject*) {
        if (dc_ != nullptr) SelectBrush();
    };
    pen_.OnChange = [this](TObject*) {
        if (dc_ != nullptr) SelectPen();
    };
}

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    Deselect();
    dc_ = dc;
    if (dc_ != nullptr) {
        SelectFont();
        SelectBrush();
        SelectPen();
    }
}

void TCanvas::SelectFont() {
    HGDIOBJ previous = SelectObject(dc_, font_.Handle());
    if (oldFont_ == nullptr) oldFont_ = previous;
    SetTextColor(dc_, ColorToRGB(font_.Color()));
}

void TCanvas::SelectBrush() {
    HGDIOBJ previous = SelectObject(dc_, brush_.Handle());
    if (oldBrush_ == nullptr) oldBrush_ = previous;
    if (brush_.Style() == bsClear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ColorToRGB(brush_.Color()));
    }
}

void TCanvas::SelectPen() {
    HGDIOBJ previous = SelectObject(dc_, pen_.Handle());
    if (oldPen_ == nullptr) oldPen_ = previous;
}

void TCanvas::Deselect() {
    if (dc_ == nullptr) return;
    // Put the DC's own objects back so ours can be deleted and the DC is left as it was given.
    if (oldFont_ != nullptr) SelectObject(dc_, oldFont_);
    if (oldBrush_ != nullptr) SelectObject(dc_, oldBrush_);
    if (oldPen_ != nullptr) SelectObject(dc_, oldPen_);
    oldFont_ = oldBrush_ = oldPen_ = nullptr;
    dc_ = nullptr;
}

void TCanvas::RequireHandle() {
    if (dc_ == nullptr) CreateHandle();
    if (dc_ == nullptr) throw std::runtime_error("Canvas does not allow drawing");
}

void TCanvas::MoveTo(int x, int y) {
    RequireHandle();
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    RequireHandle();
    ::LineTo(dc_, x, y);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    RequireHandle();
    ::Rectangle(dc_, x1, y1, x2, y2);
}

void TCanvas::FillRect(const RECT& rect) {
    RequireHandle();
    ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
    RequireHandle();
    ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::DrawFocusRect(const RECT& rect) {
    RequireHandle();
    ::DrawFocusRect(dc_, &rect);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    RequireHandle();
    const std::wstring w = WidenText(text);
    ExtTextOutW(dc_, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::string& text) {
    RequireHandle();
    const std::wstring w = WidenText(text);
    UINT options = ETO_CLIPPED;
    if (brush_.Style() != bsClear) options |= ETO_OPAQUE;
    ExtTextOutW(dc_, x, y, options, &rect, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT format) {
    RequireHandle();
    std::wstring w = WidenText(text);
    return ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::string& text) {
    RequireHandle();
    const std::wstring w = WidenText(text);
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, const TBitmap* bitmap) {
    if (bitmap == nullptr || bitmap->Empty()) return;
    StretchDraw(RECT{x, y, x + bitmap->Width(), y + bitmap->Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& rect, const TBitmap* bitmap) {
    if (bitmap == nullptr || bitmap->Empty()) return;
    RequireHandle();
    base::win::UniqueMemoryDc source(CreateCompatibleDC(dc_));
    if (!source) return;
    base::win::ScopedSelectObject select(source.Get(), bitmap->Handle());
    base::win::ScopedStretchMode stretch(dc_, COLORONCOLOR);
    StretchBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Get(), 0, 0,
               bitmap->Width(), bitmap->Height(), SRCCOPY);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas* source, const RECT& sourceRect) {
    if (source == nullptr) return;
    RequireHandle();
    source->RequireHandle();
    base::win::ScopedStretchMode stretch(dc_, COLORONCOLOR);
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source->dc_, sourceRect.left,
               sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, SRCCOPY);
}

COLORREF TCanvas::Pixel(int x, int y) const { return dc_ != nullptr ? GetPixel(dc_, x, y) : CLR_INVALID; }

void TCanvas::SetPixel(int x, int y, TColor color) {
    RequireHandle();
    ::SetPixelV(dc_, x, y, ColorToRGB(color));
}
