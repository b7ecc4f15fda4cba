#include "app/win/app_icon_win.h"

#include <cstring>
#include <vector>

#include "app/app_icon.h"
#include "base/win/dib_section.h"

base::win::UniqueHIcon MakeAppIcon(int size) {
    const IconImage image = DrawAppIcon(size);
    void* bits = nullptr;
    base::win::UniqueHBitmap color = base::win::CreateTopDownDib(image.size, image.size, 32, &bits);
    if (!color || bits == nullptr) return {};
    std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    // With a 32-bit color bitmap the alpha channel decides; the mask still has to exist.
    const std::vector<std::uint8_t> maskBits(static_cast<std::size_t>((image.size + 15) / 16 * 2) * image.size, 0);
    base::win::UniqueHBitmap mask(CreateBitmap(image.size, image.size, 1, 1, maskBits.data()));
    if (!mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color.Get();
    info.hbmMask = mask.Get();
    return base::win::UniqueHIcon(CreateIconIndirect(&info));  // copies both bitmaps
}

HICON ApplicationIcon() {
    static HICON icon = MakeAppIcon(32).Release();
    return icon;
}
