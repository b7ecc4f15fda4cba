#include "skin/data/skin_reader.h"

#include <algorithm>
#include <stdexcept>

#include "skin/data/ascii_case.h"
#include "skin/data/lzh.h"

namespace skin {
namespace {

std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::int32_t AsSigned(std::uint32_t value) {
    return static_cast<std::int32_t>(value);  // two's complement (guaranteed since C++20)
}

TSkinOpenResult Corrupt(std::string reason) { return {TSkinOpenStatus::Corrupt, std::move(reason)}; }

// Number of lines SplitPackageLines would yield, without building them.
std::size_t CountPackageLines(std::string_view text) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
        ++count;
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
    return count;
}

}  // namespace

std::string QuotedMemberName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    constexpr std::size_t kShown = 80;  // a corrupt package may hold megabyte-long names
    std::string out = "\"";
    for (const char c : name.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    if (name.size() > kShown) out += "...";
    return out + "\"";
}

std::string SkinOpenFailureMessage(const TSkinOpenResult& result) {
    switch (result.Status) {
        case TSkinOpenStatus::WrongVersion: return std::string(kOlderSkinFileMessage);
        case TSkinOpenStatus::Corrupt: return "This skin file is damaged\r" + result.Reason;
        case TSkinOpenStatus::Ok: break;
    }
    return {};
}

std::vector<std::string> SplitPackageLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(CountPackageLines(text));
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
        lines.emplace_back(text.substr(start, i - start));
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
    return lines;
}

void TSkinReader::Clear() {
    names_.clear();
    sizes_.fill(0);
    offsets_.clear();
    header_.fill(0);
    data_.clear();
}

TSkinOpenResult TSkinReader::Open(std::span<const std::uint8_t> package, std::size_t maxLength) {
    Clear();
    const std::vector<std::uint8_t> decompressed = DecompressStream(package, maxLength);
    return OpenDecompressed(decompressed);
}

TSkinOpenResult TSkinReader::OpenDecompressed(std::span<const std::uint8_t> package) {
    Clear();
    const std::size_t size = package.size();
    if (size < kSkinPackageHeaderSize) {
        return Corrupt("the package is " + std::to_string(size) + " bytes long, shorter than its 16-byte header");
    }
    std::copy_n(package.begin(), kSkinPackageHeaderSize, header_.begin());

    const std::int32_t version = PackageVersion();
    if (version != kSkinPackageVersion) {
        return {TSkinOpenStatus::WrongVersion,
                "package version " + std::to_string(version) + ", expected " + std::to_string(kSkinPackageVersion)};
    }

    const std::int32_t namesLength = AsSigned(ReadLe32(package, 4));
    const std::size_t afterHeader = size - kSkinPackageHeaderSize;
    if (namesLength < 0 || static_cast<std::size_t>(namesLength) > afterHeader) {
        return Corrupt("the name list length " + std::to_string(namesLength) + " does not fit the " +
                       std::to_string(afterHeader) + " bytes after the header");
    }
    const std::size_t namesBytes = static_cast<std::size_t>(namesLength);
    const std::string_view namesText(reinterpret_cast<const char*>(package.data() + kSkinPackageHeaderSize),
                                     namesBytes);

    const std::size_t count = CountPackageLines(namesText);
    if (count > kMaxSkinMembers) {
        return Corrupt("the name list has " + std::to_string(count) + " names, more than " +
                       std::to_string(kMaxSkinMembers));
    }

    const std::size_t tableStart = kSkinPackageHeaderSize + namesBytes;
    const std::size_t tableBytes = count * 4;
    if (tableBytes > size - tableStart) {
        return Corrupt("the size table of " + std::to_string(count) + " entries runs past the end of the package");
    }
    const std::size_t dataStart = tableStart + tableBytes;
    const std::size_t dataLength = size - dataStart;

    std::vector<std::string> names = SplitPackageLines(AsciiLower(namesText));
    std::vector<std::size_t> offsets(count);
    std::array<std::int32_t, kMaxSkinMembers> sizes{};
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t memberSize = AsSigned(ReadLe32(package, tableStart + 4 * i));
        if (memberSize < 0) {
            return Corrupt("member " + QuotedMemberName(names[i]) + " has a negative size (" +
                           std::to_string(memberSize) + ")");
        }
        offsets[i] = static_cast<std::size_t>(total);
        total += static_cast<std::uint64_t>(memberSize);
        if (total > dataLength) {
            return Corrupt("the member sizes add up to more than the " + std::to_string(dataLength) +
                           " bytes of the data area (member " + QuotedMemberName(names[i]) + " ends at " +
                           std::to_string(total) + ")");
        }
        sizes[i] = memberSize;
    }

    names_ = std::move(names);
    sizes_ = sizes;
    offsets_ = std::move(offsets);
    data_.assign(package.begin() + static_cast<std::ptrdiff_t>(dataStart), package.end());
    return {};
}

std::int32_t TSkinReader::PackageVersion() const { return AsSigned(ReadLe32(header_, 0)); }

std::ptrdiff_t TSkinReader::IndexOfName(std::string_view name) const {
    const std::string lower = AsciiLower(name);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == lower) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::ptrdiff_t TSkinReader::IndexOfPart(std::string_view part) const {
    if (part.empty()) return -1;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(part) != std::string::npos) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::span<const std::uint8_t> TSkinReader::Member(std::size_t index) const {
    if (index >= names_.size()) throw std::out_of_range("skin package member index out of range");
    return std::span<const std::uint8_t>(data_).subspan(offsets_[index], static_cast<std::size_t>(sizes_[index]));
}

bool TSkinReader::ExtractByName(std::string_view name, std::vector<std::uint8_t>& target) const {
    target.clear();
    const std::ptrdiff_t index = IndexOfName(name);
    if (index < 0) return false;
    const auto bytes = Member(static_cast<std::size_t>(index));
    target.assign(bytes.begin(), bytes.end());
    return true;
}

std::vector<std::uint8_t> TSkinReader::ExtractByName(std::string_view name) const {
    std::vector<std::uint8_t> target;
    ExtractByName(name, target);
    return target;
}

bool TSkinReader::ExtractByPart(std::string_view part, std::vector<std::uint8_t>& target,
                                std::string& foundName) const {
    target.clear();
    foundName.clear();
    const std::ptrdiff_t index = IndexOfPart(part);
    if (index < 0) return false;
    const auto bytes = Member(static_cast<std::size_t>(index));
    target.assign(bytes.begin(), bytes.end());
    foundName = names_[static_cast<std::size_t>(index)];
    return true;
}

std::vector<std::uint8_t> TSkinReader::ExtractByPart(std::string_view part, std::string& foundName) const {
    std::vector<std::uint8_t> target;
    ExtractByPart(part, target, foundName);
    return target;
}

}  // namespace skin
