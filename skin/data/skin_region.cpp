#include <algorithm>

#include "skin/data/skin_image.h"

namespace skin {

RegionRects CreateRegionFromBitmap(const Bitmap& bitmap, int dx, int dy, std::uint8_t blueTolerance,
                                   std::uint8_t greenTolerance, std::uint8_t redTolerance, std::uint32_t keyColor) {
    const Pixel key = ColorToPixel(keyColor);
    const int redLow = PixelRed(key), greenLow = PixelGreen(key), blueLow = PixelBlue(key);
    const int redHigh = std::min(255, redLow + redTolerance);
    const int greenHigh = std::min(255, greenLow + greenTolerance);
    const int blueHigh = std::min(255, blueLow + blueTolerance);
    // Unsigned wrap-around turns each range test into one comparison.
    const auto inRange = [](int value, int low, int high) {
        return static_cast<unsigned>(value - low) <= static_cast<unsigned>(high - low);
    };
    const auto isKey = [&](Pixel p) {
        return inRange(PixelRed(p), redLow, redHigh) && inRange(PixelGreen(p), greenLow, greenHigh) &&
               inRange(PixelBlue(p), blueLow, blueHigh);
    };

    RegionRects batches;
    if (!WithinDrawRange(dx) || !WithinDrawRange(dy)) return batches;  // rectangles could not be represented
    std::vector<Rect> rects;
    rects.reserve(kRegionGrowStep);
    const int w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const Pixel* row = bitmap.Row(y);
        int x = 0;
        while (x < w) {
            const int runStart = x;
            while (x < w && !isKey(row[x])) ++x;
            if (x > runStart) {
                if (rects.size() == rects.capacity()) rects.reserve(rects.capacity() + kRegionGrowStep);
                rects.push_back(Rect{runStart + dx, y + dy, x + dx, y + dy + 1});
                if (rects.size() == kRegionBatchSize) {
                    batches.push_back(std::move(rects));
                    rects = {};
                    rects.reserve(kRegionGrowStep);
                }
            }
            ++x;  // past the key pixel that ended the run
        }
    }
    if (!rects.empty()) batches.push_back(std::move(rects));
    return batches;
}

}  // namespace skin
