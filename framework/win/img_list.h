// TCustomImageList: a list of equally sized images over a common-controls image list, drawn
// with their mask so that the background shows through.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/component.h"
#include "framework/win/types.h"

class TCanvas;

class TCustomImageList : public TComponent {
    T_CLASS(TCustomImageList, TComponent)
public:
    // An empty list of width x height images (16 x 16 when either is not positive).
    TCustomImageList(TComponent* owner, int width, int height);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    HIMAGELIST Handle() const { return list_; }

    // Cuts `bitmap` into as many images as its width holds; pixels of `maskColor` become
    // transparent. The bitmap is not changed. Returns the index of the first image added, or -1
    // when nothing could be added (no bitmap, or one narrower or lower than an image).
    int AddMasked(HBITMAP bitmap, TColor maskColor);

    // Draws image `index` with its top-left corner at (x, y). A disabled image is drawn as a
    // flat shape in the system's grey-text colour. An index outside the list draws nothing.
    void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true) const;

private:
    void DrawDisabled(HDC dc, int x, int y, int index) const;

    int width_;
    int height_;
    HIMAGELIST list_ = nullptr;
};
