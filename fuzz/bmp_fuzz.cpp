// Feeds arbitrary bytes to the BMP reader: it must return an image or a reason, never crash, read
// out of bounds or allocate beyond the bitmap limits. A decoded image must survive a write and read
// back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/bmp_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const base::BmpReadResult read = base::ReadBmp(std::span<const std::uint8_t>(data, size));
    if (!read.Ok()) {
        if (!read.Image.Empty()) std::abort();
        return 0;
    }
    if (read.Error.empty() && read.Image.Width() * std::int64_t{read.Image.Height()} > base::kMaxBitmapPixels)
        std::abort();
    const std::vector<std::uint8_t> written = base::WriteBmp24(read.Image);
    const base::BmpReadResult again = base::ReadBmp(written);
    if (!again.Ok() || !(again.Image == read.Image)) std::abort();
    return 0;
}
