#include "skin/form/frame_region.h"

#include <vector>

#include "skin/form/frame_edges.h"

namespace skin::form {
namespace {

// The key accepts green 1 as well as 0 (red and blue stay at 255), so near-magenta key pixels
// of existing skins still cut.
constexpr std::uint8_t kKeyTolerance = 1;

// Collects the parts of the region, cut to the window: a window smaller than its frame would
// otherwise get edges reaching outside it.
struct RegionBuilder {
    Rect window;
    RegionRects batches;
    std::vector<Rect> plain;

    void AddRect(const Rect& r) {
        const Rect inside = Intersect(r, window);
        if (!inside.IsEmpty()) plain.push_back(inside);
    }
    void AddImage(const Bitmap& image, int x, int y) {
        RegionRects part =
            CreateRegionFromBitmap(image, x, y, kKeyTolerance, kKeyTolerance, kKeyTolerance, kSkinTransparentColor);
        for (auto& batch : part) {
            std::erase_if(batch, [&](Rect& r) {
                r = Intersect(r, window);
                return r.IsEmpty();
            });
            if (!batch.empty()) batches.push_back(std::move(batch));
        }
    }
    RegionRects Finish() {
        if (!plain.empty()) batches.push_back(std::move(plain));
        return std::move(batches);
    }
};

bool ShapesEdge(const TDataSkinBorder* border) { return border != nullptr && border->Trans == 1; }

}  // namespace

bool FrameHasTransparency(const TSkinObjects& objects) {
    for (FrameEdge edge : {FrameEdge::Left, FrameEdge::Right, FrameEdge::Top, FrameEdge::Bottom}) {
        const TDataSkinBorder* border = EdgeObject(objects, edge);
        if (border != nullptr && border->Trans != 0) return true;
    }
    return false;
}

RegionRects BuildFrameRegion(const TSkinObjects& objects, const FrameMetrics& m, FrameKind kind, bool active, int width,
                             int height, const Bitmap& captionBitmap) {
    if (width <= 0 || height <= 0) return {};
    if (!FrameHasTransparency(objects)) return {{Rect{0, 0, width, height}}};

    const int l = m.BorderLeftWidth, r = m.BorderRightWidth, t = m.TitleHeight, b = m.BorderBottomHeight;
    const int middleWidth = width - l - r;
    RegionBuilder region{Rect{0, 0, width, height}, {}, {}};
    region.AddRect({l, t, width - r, height - b});
    if (kind == FrameKind::BorderlessPopup) return region.Finish();

    const TDataSkinBorder* left = EdgeObject(objects, FrameEdge::Left);
    if (ShapesEdge(left) && height > 1)
        region.AddImage(RenderFrameEdge(left, FrameEdge::Left, l, height, active), 0, 0);
    else
        region.AddRect({0, 0, l, height});

    const TDataSkinBorder* right = EdgeObject(objects, FrameEdge::Right);
    if (ShapesEdge(right) && height > 1)
        region.AddImage(RenderFrameEdge(right, FrameEdge::Right, r, height, active), width - r, 0);
    else
        region.AddRect({width - r, 0, width, height});

    // A bottom edge this thin has no room for a shape.
    const TDataSkinBorder* bottom = EdgeObject(objects, FrameEdge::Bottom);
    if (ShapesEdge(bottom) && b >= 2)
        region.AddImage(RenderFrameEdge(bottom, FrameEdge::Bottom, middleWidth, b, active), l, height - b);
    else
        region.AddRect({l, height - b, width - r, height});

    const TDataSkinBorder* top = EdgeObject(objects, FrameEdge::Top);
    if (ShapesEdge(top) && t > 1 && middleWidth > 0) {
        const Bitmap image = captionBitmap.Empty() ? RenderFrameEdge(top, FrameEdge::Top, middleWidth, t, active)
                                                   : captionBitmap.Crop(Rect{l, 0, width - r, t});
        region.AddImage(image, l, 0);
    } else {
        region.AddRect({l, 0, width - r, t});
    }
    return region.Finish();
}

}  // namespace skin::form
