// Reader of a skin package: a compressed archive of named members (bitmaps and one
// definition text). Open decompresses and indexes the package; the Extract calls copy
// one member out by name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The only version this reader accepts.
inline constexpr std::int32_t kSkinPackageVersion = 20000;
// The member table holds at most this many entries.
inline constexpr std::size_t kMaxSkinMembers = 1001;
// Version, name-list length and two reserved words.
inline constexpr std::size_t kSkinPackageHeaderSize = 16;
// Largest decompressed package Open accepts by default.
inline constexpr std::size_t kMaxSkinPackageLength = 64u << 20;

// Text shown to the user when a package has another version.
inline constexpr std::string_view kOlderSkinFileMessage = "This is Older Skin File\rPlease update to new version !";

enum class TSkinOpenStatus {
    Ok,
    WrongVersion,  // the header's version is not kSkinPackageVersion; nothing else was read
    Corrupt,       // the tables do not fit the package; Reason says what is wrong
};

struct TSkinOpenResult {
    TSkinOpenStatus Status = TSkinOpenStatus::Ok;
    std::string Reason;  // empty when Ok; for WrongVersion it names the version found

    bool Ok() const { return Status == TSkinOpenStatus::Ok; }
    explicit operator bool() const { return Ok(); }
};

class TSkinReader {
public:
    // Decompresses `package` (4-byte little-endian length + LZH bit stream) and indexes it.
    // Decompressor errors (ElzhException, e.g. a declared length above maxLength) pass to the
    // caller. After a result other than Ok the reader holds no members.
    TSkinOpenResult Open(std::span<const std::uint8_t> package, std::size_t maxLength = kMaxSkinPackageLength);

    // Indexes an already decompressed package. The tables are validated against the package
    // size: nothing outside the given bytes is ever read.
    TSkinOpenResult OpenDecompressed(std::span<const std::uint8_t> package);

    // Member whose name equals `name` after lower-casing it (first occurrence wins); empty
    // when there is none. The overload fills `target` and tells whether a member was found.
    std::vector<std::uint8_t> ExtractByName(std::string_view name) const;
    bool ExtractByName(std::string_view name, std::vector<std::uint8_t>& target) const;

    // First member whose name contains `part` (compared as given, against the lower-case
    // names); `foundName` receives its name, or is cleared when there is none. An empty
    // `part` matches nothing.
    std::vector<std::uint8_t> ExtractByPart(std::string_view part, std::string& foundName) const;
    bool ExtractByPart(std::string_view part, std::vector<std::uint8_t>& target, std::string& foundName) const;

    // Bytes of member `index` (< Count()), in package order.
    std::span<const std::uint8_t> Member(std::size_t index) const;

    // Index of the first member named `name` (lower-cased first), or -1.
    std::ptrdiff_t IndexOfName(std::string_view name) const;
    // Index of the first member whose name contains `part`, or -1.
    std::ptrdiff_t IndexOfPart(std::string_view part) const;

    const std::vector<std::string>& Names() const { return names_; }
    std::size_t Count() const { return names_.size(); }
    std::span<const std::int32_t> Sizes() const { return {sizes_.data(), names_.size()}; }
    const std::array<std::uint8_t, kSkinPackageHeaderSize>& Header() const { return header_; }
    std::int32_t PackageVersion() const;
    std::span<const std::uint8_t> Data() const { return data_; }

private:
    void Clear();

    std::vector<std::string> names_;
    std::array<std::int32_t, kMaxSkinMembers> sizes_{};
    std::vector<std::size_t> offsets_;  // start of each member in data_
    std::array<std::uint8_t, kSkinPackageHeaderSize> header_{};
    std::vector<std::uint8_t> data_;
};

// Splits text into lines the way the name list is read: CR, LF and CR LF each end a line,
// a final terminator adds no empty line.
std::vector<std::string> SplitPackageLines(std::string_view text);

// Text shown to the user for a failed open: kOlderSkinFileMessage for a wrong version,
// "This skin file is damaged" + CR + the reason for corrupt tables; empty for Ok.
std::string SkinOpenFailureMessage(const TSkinOpenResult& result);

// The name in double quotes with control bytes spelled out (\r, \n, \xNN), for messages;
// a name longer than 80 bytes is cut there and ends in "...".
std::string QuotedMemberName(std::string_view name);

}  // namespace skin
