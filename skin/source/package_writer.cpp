#include "skin/source/package_writer.h"

#include <cstddef>
#include <limits>

#include "skin/data/skin_reader.h"
#include "skin/source/lzh_encoder.h"

namespace skin::source {
namespace {

constexpr std::uint64_t kMaxField = std::numeric_limits<std::int32_t>::max();

void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void CheckName(const std::string& name) {
    if (name.empty()) throw EPackageWriteError("a member has an empty name");
    for (const char c : name) {
        if (c == '\r' || c == '\n' || c == '\0') {
            throw EPackageWriteError("member name " + skin::QuotedMemberName(name) +
                                     " contains a line break or NUL byte");
        }
        if (c == '/' || c == '\\' || c == ':') {
            throw EPackageWriteError("member name " + skin::QuotedMemberName(name) +
                                     " contains a path separator; names are bare file names");
        }
    }
}

}  // namespace

std::vector<std::uint8_t> WritePackage(std::span<const TPackageMember> members) {
    if (members.size() > skin::kMaxSkinMembers) {
        throw EPackageWriteError("a package holds at most " + std::to_string(skin::kMaxSkinMembers) + " members, got " +
                                 std::to_string(members.size()));
    }
    std::uint64_t namesLength = 0;
    std::uint64_t dataLength = 0;
    for (const TPackageMember& member : members) {
        CheckName(member.Name);
        namesLength += member.Name.size() + 2;
        dataLength += member.Bytes.size();
        if (member.Bytes.size() > kMaxField) {
            throw EPackageWriteError("member " + skin::QuotedMemberName(member.Name) + " is larger than 2 GiB");
        }
    }
    const std::uint64_t total = skin::kSkinPackageHeaderSize + namesLength + 4 * members.size() + dataLength;
    if (total > kMaxField) {
        throw EPackageWriteError("the package would be " + std::to_string(total) +
                                 " bytes, more than the format's 2 GiB limit");
    }

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(total));
    AppendLe32(out, static_cast<std::uint32_t>(skin::kSkinPackageVersion));
    AppendLe32(out, static_cast<std::uint32_t>(namesLength));
    AppendLe32(out, 0);
    AppendLe32(out, 0);
    for (const TPackageMember& member : members) {
        out.insert(out.end(), member.Name.begin(), member.Name.end());
        out.push_back('\r');
        out.push_back('\n');
    }
    for (const TPackageMember& member : members) {
        AppendLe32(out, static_cast<std::uint32_t>(member.Bytes.size()));
    }
    for (const TPackageMember& member : members) {
        out.insert(out.end(), member.Bytes.begin(), member.Bytes.end());
    }
    return out;
}

std::vector<std::uint8_t> WriteCompressedPackage(std::span<const TPackageMember> members) {
    return EncodeLzhStream(WritePackage(members));
}

}  // namespace skin::source
