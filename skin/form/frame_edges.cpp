#include "skin/form/frame_edges.h"

#include <algorithm>

namespace skin::form {
namespace {

// The edges keep their Stretch value in the Tile slot.
constexpr int kStretchMiddle = 1;

}  // namespace

const TDataSkinBorder* EdgeObject(const TSkinObjects& objects, FrameEdge edge) {
    switch (edge) {
        case FrameEdge::Left: return objects.BorderLeft.get();
        case FrameEdge::Right: return objects.BorderRight.get();
        case FrameEdge::Top: return objects.BorderTop.get();
        case FrameEdge::Bottom: return objects.BorderBottom.get();
    }
    return nullptr;
}

int EdgeFrameNumber(const TDataSkinBorder& border, bool active) { return (active || border.FrameCount <= 1) ? 1 : 2; }

Bitmap RenderFrameEdge(const TDataSkinBorder* border, FrameEdge edge, int width, int height, bool active) {
    if (border == nullptr || width <= 0 || height <= 0) return {};
    const bool stacked = edge == FrameEdge::Top || edge == FrameEdge::Bottom;
    return BuildSkinImage(Rect{0, 0, width, height}, border->Map, border->Margins, stacked,
                          border->Tile != kStretchMiddle, std::max(border->FrameCount, 1),
                          EdgeFrameNumber(*border, active));
}

}  // namespace skin::form
