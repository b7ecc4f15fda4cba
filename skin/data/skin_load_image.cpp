// Loading one package member as a skin image.

#include <exception>
#include <utility>

#include "base/bmp_io.h"
#include "skin/data/skin_loader.h"

namespace skin {
namespace {

// Strips a directory part the way skin definitions write it (up to the last
// '\' or ':').
std::string_view BareFileName(std::string_view fileName) {
    const std::size_t cut = fileName.find_last_of("\\:");
    return cut == std::string_view::npos ? fileName : fileName.substr(cut + 1);
}

std::string_view Extension(std::string_view bareName) {
    const std::size_t dot = bareName.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : bareName.substr(dot);
}

}  // namespace

bool LoadImage(Bitmap& target, const TSkinReader& reader, std::string_view fileName) {
    target = Bitmap();
    const std::string_view bare = BareFileName(fileName);
    if (bare.empty() || Extension(bare) != ".bmp") return false;
    const std::ptrdiff_t index = reader.IndexOfName(bare);
    if (index < 0) return false;
    const std::span<const std::uint8_t> bytes = reader.Member(static_cast<std::size_t>(index));
    if (bytes.empty()) return false;
    try {
        base::BmpReadResult bmp = base::ReadBmp(bytes);
        if (!bmp.Ok()) return false;
        target = std::move(bmp.Image);
    } catch (const std::exception&) {
        // A bitmap that cannot be decoded is a missing image.
        target = Bitmap();
        return false;
    }
    return !target.Empty();
}

}  // namespace skin
