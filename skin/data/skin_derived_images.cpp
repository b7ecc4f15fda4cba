// Images the loader derives from other skin objects: the mirrored combo
// button, the combo frames drawn from the sunken edge and the combo button,
// and the tool-bar background cut from the status bar.

#include <algorithm>
#include <cstdint>
#include <memory>

#include "skin/data/skin_image.h"
#include "skin/data/skin_loader_parts.h"

namespace skin::loader {
namespace {

// Size of one synthesised combo frame.
constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
// A scroll arrow wider than this is treated as this wide; it keeps the
// margin arithmetic far from overflow (a real arrow is a few dozen pixels).
constexpr int kMaxScrollArrowWidth = 1 << 16;

// Mirrors every frame of a side-by-side strip in place, so that frame k of
// the result is frame k of the input seen in a mirror. Mirroring the strip as
// a whole would also reverse the frame order, and a painter asking for the
// state k frame would get the look of state (count + 1 - k).
void MirrorFrames(Bitmap& strip, int frameWidth, int frameCount) {
    for (int k = 0; k < frameCount; ++k) {
        const Rect frameRect{k * frameWidth, 0, (k + 1) * frameWidth, strip.Height()};
        Bitmap frame = strip.Crop(frameRect);
        MirrorHorizontal(frame);
        CopyBitmap(strip, frameRect.Left, 0, frame);
    }
}

}  // namespace

void MirrorComboButton(TDataSkinBorder& comboButton) {
    if (comboButton.Map.Empty()) return;
    comboButton.Map2 = comboButton.Map;
    MirrorHorizontal(comboButton.Map2);
}

void SynthesizeComboFrames(TSkinObjects& objects, int scrollArrowWidth) {
    TDataSkinObject& sunkEdge = *objects.SunkEdge;
    TDataSkinBorder& comboButton = *objects.ComboButton;
    const int frames = sunkEdge.FrameCount;
    // A frame count below 1 (or one too large for a bitmap) leaves both
    // objects as they were loaded rather than dividing by it.
    if (frames < 1 || !Bitmap::SizeAllowed(std::int64_t{kComboCellWidth} * frames, kComboCellHeight)) return;

    const int d = std::clamp(scrollArrowWidth, 0, kMaxScrollArrowWidth) + 2;
    const Rect cellRect{0, 0, kComboCellWidth, kComboCellHeight};
    const Rect buttonRect{kComboCellWidth - d, 0, kComboCellWidth, kComboCellHeight};
    const Rect textArea{2, 2, kComboCellWidth - 1 - d, 18};

    Bitmap strip(kComboCellWidth * frames, kComboCellHeight, kMagenta);
    Bitmap cell(kComboCellWidth, kComboCellHeight, kMagenta);
    for (int b = 1; b <= frames; ++b) {
        // Each frame starts from a clean cell, so nothing of the previous
        // frame shows through transparent pixels.
        cell.Fill(kMagenta);
        DrawSkinObject(cell, cellRect, sunkEdge.Map, false, false, sunkEdge.Trans != 0, frames, b, sunkEdge.Margins);
        DrawSkinObject(cell, buttonRect, comboButton.Map, false, false, true, comboButton.FrameCount, b,
                       comboButton.Margins);
        if (objects.ExtraImages) {
            const TDataSkinObject& arrow = *objects.ExtraImages;
            DrawSkinGlyph(cell, buttonRect, arrow.Map, true, arrow.FrameCount, b);
        }
        cell.FillRect(textArea, kMagenta);
        CopyBitmap(strip, kComboCellWidth * (b - 1), 0, cell);
    }

    comboButton.Style = 2;
    comboButton.Margins = sunkEdge.Margins;
    comboButton.Margins.Left = 2;
    comboButton.Margins.Right = d + 2;
    comboButton.Map = strip;

    MirrorFrames(strip, kComboCellWidth, frames);
    sunkEdge.Map = std::move(strip);
    sunkEdge.Margins.Left = d + 2;
    sunkEdge.Margins.Right = 2;
}

void DeriveToolbarBackground(TSkinObjects& objects) {
    const TDataSkinObject& statusBar = *objects.StatusBarEdges;
    auto toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    toolbar->NormalColor2 = toolbar->MouseOverColor2 = toolbar->PressedColor2 = objects.ButtonTextColor;
    toolbar->Margins.Bottom = statusBar.Margins.Bottom;
    toolbar->FrameCount = 1;

    // The first status bar frame without its left, top and right margins,
    // stretched to (frame width - L - R) x (height - T). 64-bit sums: margins
    // come from the definition and may be anything.
    if (statusBar.FrameCount >= 1 && !statusBar.Map.Empty()) {
        const std::int64_t f = statusBar.Map.Width() / statusBar.FrameCount;
        const std::int64_t height = statusBar.Map.Height();
        const Rect& m = statusBar.Margins;
        const std::int64_t width = f - m.Left - m.Right;
        const std::int64_t targetHeight = height - m.Top;
        const std::int64_t sourceBottom = height - m.Top;
        const std::int64_t sourceRight = f - m.Right;
        const auto sane = [](int v) { return v >= -kMaxBitmapDimension && v <= kMaxBitmapDimension; };
        if (sane(m.Left) && sane(m.Top) && sane(m.Right) && width > 0 && targetHeight > 0 &&
            Bitmap::SizeAllowed(width, targetHeight)) {
            toolbar->Map = Bitmap(static_cast<int>(width), static_cast<int>(targetHeight));
            StretchBitmap(toolbar->Map, toolbar->Map.Bounds(), statusBar.Map,
                          Rect{m.Left, m.Top, static_cast<int>(sourceRight), static_cast<int>(sourceBottom)});
        }
    }
    objects.ToolbarBackground = std::move(toolbar);
}

}  // namespace skin::loader
