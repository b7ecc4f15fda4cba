// Progress bars: the empty bar nine-sliced over the control, the filled part of the range drawn
// from the filled frame (or from chunk images side by side for the chunk style). A vertical bar
// is drawn lying down and turned a quarter, so its fill grows upwards. Magenta is always clear in
// the bar and chunk frames, whatever the object's own flag: the face colour shows through.

#include "skin/controls/win/skin_range.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/range_rules.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"

namespace skin::win {

namespace {

// The chunk style: the trough (one frame) and chunk images from the left margin over the filled
// part of the space between the margins, vertically centred.
void DrawChunks(skin::Bitmap& work, const TDataSkinBorder& progress, int minimum, int maximum, int position) {
    const int w = work.Width(), h = work.Height();
    skin::DrawSkinObject(work, {0, 0, w, h}, progress.Map, false, progress.Tile != 0, true, 1, 1, progress.Margins);
    const int left = progress.Margins.Left;
    const int inner = std::max(0, w - left - progress.Margins.Right);
    const int filled = skin::controls::ProgressFillLength(inner, minimum, maximum, position);
    const skin::Bitmap& chunk = progress.Map2;
    const int count = skin::controls::ProgressChunkCount(filled, chunk.Width());
    const int y = (h - chunk.Height()) / 2;
    for (int i = 0; i < count; ++i) {
        const int x = left + i * chunk.Width();
        const int right = std::min(x + chunk.Width(), left + filled);
        skin::TransparentBlit(work, {x, y, right, y + chunk.Height()}, chunk, skin::kMagenta);
    }
}

}  // namespace

bool TSkinProgress::BeforeProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (!Objects().Progress || Objects().Progress->Map.Empty()) return TSkinControl::BeforeProc(message);
            PaintWhole(message);
            return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
    if (!Objects().Progress || Objects().Progress->Map.Empty()) return;
    const TDataSkinBorder& progress = *Objects().Progress;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    const bool vertical = (GetLong(GWL_STYLE) & PBS_VERTICAL) != 0;
    const int position = static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
    PBRANGE range{};
    SendMessageW(handle_, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    skin::Bitmap work(vertical ? height : width, vertical ? width : height,
                      skin::ColorToPixel(ColorToRGB(Objects().ButtonFaceColor)));
    const int w = work.Width(), h = work.Height();
    if (progress.Style == 1 && !progress.Map2.Empty()) {
        DrawChunks(work, progress, range.iLow, range.iHigh, position);
    } else {
        skin::DrawSkinObject(work, {0, 0, w, h}, progress.Map, false, progress.Tile != 0, true, 2, 1, progress.Margins);
        const int filled = skin::controls::ProgressFillLength(w, range.iLow, range.iHigh, position);
        if (filled > 0)
            skin::DrawSkinObject(work, {0, 0, filled, h}, progress.Map, false, progress.Tile != 0, true, 2, 2,
                                 progress.Margins);
    }
    if (vertical) skin::RotateLeft(work);
    skin::DrawBitmap(dc, rect.left, rect.top, work);
}

}  // namespace skin::win
