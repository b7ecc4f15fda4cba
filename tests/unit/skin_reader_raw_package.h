// Builds decompressed skin packages byte by byte, including broken ones, for the reader
// tests (independently of the package writer).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skin_test {

struct RawPackage {
    std::int32_t Version = 20000;
    std::uint32_t Reserved1 = 0xDEADBEEF;  // stored packages carry arbitrary values here
    std::uint32_t Reserved2 = 0x01020304;
    std::string NamesText;                    // written as is
    std::optional<std::int32_t> NamesLength;  // default: NamesText.size()
    std::vector<std::int32_t> Sizes;
    std::vector<std::uint8_t> Data;

    static void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
    }

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out;
        Put32(out, static_cast<std::uint32_t>(Version));
        Put32(out, static_cast<std::uint32_t>(NamesLength.value_or(static_cast<std::int32_t>(NamesText.size()))));
        Put32(out, Reserved1);
        Put32(out, Reserved2);
        out.insert(out.end(), NamesText.begin(), NamesText.end());
        for (const std::int32_t size : Sizes) Put32(out, static_cast<std::uint32_t>(size));
        out.insert(out.end(), Data.begin(), Data.end());
        return out;
    }
};

inline std::vector<std::uint8_t> BytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Three members "Skin.INI", "a.bmp", "B.Bmp" with distinct contents.
inline RawPackage ThreeMemberPackage() {
    RawPackage p;
    p.NamesText = "Skin.INI\r\na.bmp\r\nB.Bmp\r\n";
    const std::string data = "[Personality]\r\nx=1\r\nAAAAABBBBBBBBB";
    p.Sizes = {20, 5, 9};
    p.Data = BytesOf(data);
    return p;
}

}  // namespace skin_test
