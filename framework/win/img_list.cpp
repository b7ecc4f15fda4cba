#include "framework/win/img_list.h"

#include "base/win/handles.h"
#include "framework/win/canvas.h"

namespace {

// ImageList_AddMasked blackens the masked pixels of the bitmap it is given, so it gets a copy.
base::win::UniqueHBitmap CopyForAdding(HBITMAP bitmap, int& width, int& height) {
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) == 0) return {};
    width = info.bmWidth;
    height = info.bmHeight;
    base::win::WindowDc screen(nullptr);
    base::win::UniqueHBitmap copy(CreateCompatibleBitmap(screen.Get(), width, height));
    base::win::UniqueMemoryDc source(CreateCompatibleDC(screen.Get()));
    base::win::UniqueMemoryDc target(CreateCompatibleDC(screen.Get()));
    if (!copy || !source || !target) return {};
    base::win::ScopedSelectObject selectSource(source.Get(), bitmap);
    base::win::ScopedSelectObject selectTarget(target.Get(), copy.Get());
    // A monochrome source maps 0 to the text colour and 1 to the background colour.
    base::win::ScopedDcColors colors(target.Get(), RGB(0, 0, 0), RGB(255, 255, 255));
    BitBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    return copy;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width > 0 ? width : 16), height_(height > 0 ? height : 16) {
    list_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
}

TCustomImageList::~TCustomImageList() {
    if (list_ != nullptr) ImageList_Destroy(list_);
}

int TCustomImageList::Count() const { return list_ != nullptr ? ImageList_GetImageCount(list_) : 0; }

int TCustomImageList::AddMasked(HBITMAP bitmap, TColor maskColor) {
    if (list_ == nullptr || bitmap == nullptr) return -1;
    int width = 0;
    int height = 0;
    base::win::UniqueHBitmap copy = CopyForAdding(bitmap, width, height);
    if (!copy || width < width_ || height < height_) return -1;
    return ImageList_AddMasked(list_, copy.Get(), ColorToRGB(maskColor));
}

void TCustomImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    if (list_ == nullptr || dc == nullptr || index < 0 || index >= Count()) return;
    if (enabled) {
        ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
    } else {
        DrawDisabled(dc, x, y, index);
    }
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const {
    if (canvas != nullptr) Draw(canvas->Handle(), x, y, index, enabled);
}

void TCustomImageList::DrawDisabled(HDC dc, int x, int y, int index) const {
    // The image's mask (black where it is opaque) selects where the grey brush lands.
    base::win::UniqueMemoryDc maskDc(CreateCompatibleDC(dc));
    base::win::UniqueHBitmap mask(CreateBitmap(width_, height_, 1, 1, nullptr));
    base::win::UniqueHBrush grey(CreateSolidBrush(GetSysColor(COLOR_GRAYTEXT)));
    if (!maskDc || !mask || !grey) return;
    base::win::ScopedSelectObject selectMask(maskDc.Get(), mask.Get());
    PatBlt(maskDc.Get(), 0, 0, width_, height_, WHITENESS);
    ImageList_Draw(list_, index, maskDc.Get(), 0, 0, ILD_MASK);
    base::win::ScopedDcColors colors(dc, RGB(0, 0, 0), RGB(255, 255, 255));
    base::win::ScopedSelectObject selectBrush(dc, grey.Get());
    // Where the mask is black the brush is drawn, where it is white the destination stays.
    constexpr DWORD kBrushWhereMaskBlack = 0x00B8074A;
    BitBlt(dc, x, y, width_, height_, maskDc.Get(), 0, 0, kBrushWhereMaskBlack);
}
