#include "skin/controls/glyph_strip.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "skin/controls/frame_count.h"

namespace skin::controls {

namespace {

// `map` pairs (target frame, source frame); source frames beyond the count are skipped.
base::Bitmap Assemble(const base::Bitmap& source, int frameCount, int targetFrames,
                      std::initializer_list<std::pair<int, int>> map) {
    if (source.Empty()) return {};
    const int fw = source.Width() / frameCount;
    const int h = source.Height();
    if (fw < 1 || !base::Bitmap::SizeAllowed(std::int64_t{fw} * targetFrames, h)) return {};
    base::Bitmap strip(fw * targetFrames, h, base::kMagenta);
    for (const auto& [target, from] : map) {
        if (from >= frameCount) continue;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < fw; ++x) strip.At(target * fw + x, y) = source.At(from * fw + x, y);
    }
    return strip;
}

}  // namespace

base::Bitmap BuildCheckGlyphStrip(const base::Bitmap& source, int frameCount) {
    frameCount = UsableFrameCount(frameCount);
    // A 12-frame strip keeps checked in frame 5, the disabled ones in 4 and 8 and the grayed ones
    // in 9 and 12: taken by meaning, not by position.
    if (frameCount == 12)
        return Assemble(source, frameCount, 9,
                        {{0, 0}, {1, 4}, {3, 0}, {4, 4}, {6, 3}, {7, 7}, {2, 8}, {5, 8}, {8, 11}});
    if (frameCount == 5)
        return Assemble(source, frameCount, 9,
                        {{0, 0}, {1, 1}, {3, 0}, {4, 1}, {6, 2}, {7, 3}, {2, 4}, {5, 4}, {8, 4}});
    return Assemble(source, frameCount, 9, {{0, 0}, {1, 1}, {3, 0}, {4, 1}, {6, 2}, {7, 3}});
}

base::Bitmap BuildRadioGlyphStrip(const base::Bitmap& source, int frameCount) {
    frameCount = UsableFrameCount(frameCount);
    // An 8-frame strip keeps checked in frame 5 and the disabled ones in 4 and 8.
    if (frameCount == 8) return Assemble(source, frameCount, 6, {{0, 0}, {1, 4}, {2, 0}, {3, 4}, {4, 3}, {5, 7}});
    return Assemble(source, frameCount, 6, {{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 2}, {5, 3}});
}

}  // namespace skin::controls
