#include "skin/data/win/region.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace skin::win {

namespace {

base::win::UniqueHRgn RegionFromBatch(const std::vector<Rect>& rects) {
    RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Rect& r : rects) {
        bounds.left = std::min<LONG>(bounds.left, r.Left);
        bounds.top = std::min<LONG>(bounds.top, r.Top);
        bounds.right = std::max<LONG>(bounds.right, r.Right);
        bounds.bottom = std::max<LONG>(bounds.bottom, r.Bottom);
    }
    std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(rects.size());
    header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    header.rcBound = bounds;
    std::memcpy(buffer.data(), &header, sizeof header);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const RECT r{rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom};
        std::memcpy(buffer.data() + sizeof(RGNDATAHEADER) + i * sizeof(RECT), &r, sizeof r);
    }
    return base::win::UniqueHRgn(
        ::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), reinterpret_cast<const RGNDATA*>(buffer.data())));
}

}  // namespace

base::win::UniqueHRgn RegionFromRects(const RegionRects& batches) {
    base::win::UniqueHRgn result;
    for (const auto& batch : batches) {
        if (batch.empty()) continue;
        base::win::UniqueHRgn part = RegionFromBatch(batch);
        if (!part) return {};
        if (!result) {
            result = std::move(part);
        } else if (::CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR) == ERROR) {
            return {};
        }
    }
    if (!result) result.Reset(::CreateRectRgn(0, 0, 0, 0));
    return result;
}

base::win::UniqueHRgn CreateRegionFromBitmap(const Bitmap& bitmap, int dx, int dy, std::uint8_t blueTolerance,
                                             std::uint8_t greenTolerance, std::uint8_t redTolerance,
                                             std::uint32_t keyColor) {
    return RegionFromRects(
        skin::CreateRegionFromBitmap(bitmap, dx, dy, blueTolerance, greenTolerance, redTolerance, keyColor));
}

}  // namespace skin::win
