#include "tools/skingen/images.h"

#include "tools/common/skingen_canvas.h"

namespace tools::skingen {

base::Bitmap MakeStrip(int fw, int fh, int count, bool vertical, const std::function<base::Bitmap(int)>& frame) {
    base::Bitmap strip(vertical ? fw : fw * count, vertical ? fh * count : fh, base::kMagenta);
    for (int i = 0; i < count; ++i) {
        const base::Bitmap part = frame(i);
        if (part.Width() != fw || part.Height() != fh)
            throw ParamError("frame " + std::to_string(i + 1) + " has the wrong size");
        Place(strip, part, vertical ? 0 : i * fw, vertical ? i * fh : 0);
    }
    return strip;
}

}  // namespace tools::skingen
