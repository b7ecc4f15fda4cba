// TCanvas: drawing on a device context with the canvas's font, brush and pen.
#pragma once

#include "framework/win/graphics.h"

#include <string>

class TBitmap;

class TCanvas : public TPersistent {
    T_CLASS(TCanvas, TPersistent)
public:
    // Attaches a DC for the length of one paint and detaches it on every exit path.
    class PaintScope {
    public:
        PaintScope(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
        ~PaintScope() { canvas_.SetHandle(nullptr); }
        PaintScope(const PaintScope&) = delete;
        PaintScope& operator=(const PaintScope&) = delete;

    private:
        TCanvas& canvas_;
    };

public:
    TCanvas();
    ~TCanvas() override;

    // The DC drawn on; null when none. The canvas never frees a DC it was given.
    HDC Handle() const { return dc_; }
    // Attaches a DC (or detaches with null): undoes the canvas's selections on the previous one.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont* Font() { return &font_; }
    TBrush* Brush() { return &brush_; }
    TPen* Pen() { return &pen_; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void DrawFocusRect(const RECT& rect);
    // Text with the canvas font; the background is filled with Brush unless Brush is bsClear.
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const RECT& rect, int x, int y, const std::string& text);
    // DrawText with the given DT_* format; returns the height DrawText reports.
    int DrawText(const std::string& text, RECT& rect, UINT format);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    void Draw(int x, int y, const TBitmap* bitmap);
    void StretchDraw(const RECT& rect, const TBitmap* bitmap);
    void CopyRect(const RECT& dest, TCanvas* source, const RECT& sourceRect);
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

protected:
    // Makes sure a DC exists (TControlCanvas gets one from its control); throws when none.
    virtual void CreateHandle() {}
    void RequireHandle();

private:
    void SelectFont();
    void SelectBrush();
    void SelectPen();
    void Deselect();

    HDC dc_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
    HGDIOBJ oldFont_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
};
