#pragma once
// Registry vocabulary shared by the portable tweak logic and its backends.
// The numbers are those of the Windows registry so the Win32 backend can pass
// them through unchanged.

#include <cstdint>
#include <string>
#include <vector>

enum class RegRoot : std::uint8_t { CurrentUser, LocalMachine };

// Access masks.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Access bits that modify a key (anything beyond reading).
inline constexpr std::uint32_t kKeyWriteBits = 0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 | 0x00080000;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// What became of a registry operation, as far as the user needs to know.
enum class RegStatus : std::uint8_t {
    Ok,
    NotFound,      // the key (or value) does not exist
    AccessDenied,  // the security of the key refuses the access asked for
    Failed,        // any other refusal
};

struct RegValue {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
};

const char* RegRootName(RegRoot root);
