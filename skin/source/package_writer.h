// Writes skin packages: the header (version 20000, name-list length, two zero words), the
// member names as CR LF terminated lines, the 32-bit size table and the members' bytes.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin::source {

class EPackageWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPackageMember {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

// The decompressed package. Throws EPackageWriteError when the members cannot be stored
// faithfully: more than 1001 members, an empty name, a name with CR, LF, NUL or a path
// separator, or sizes beyond the format's signed 32-bit fields.
std::vector<std::uint8_t> WritePackage(std::span<const TPackageMember> members);

// WritePackage compressed into an LZH stream (4-byte length + bit stream), as skin files
// and the stored component stream hold it.
std::vector<std::uint8_t> WriteCompressedPackage(std::span<const TPackageMember> members);

}  // namespace skin::source
