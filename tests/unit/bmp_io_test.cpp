#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "base/bmp_io.h"
#include "unit/skin_image_test_support.h"

namespace base {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Builds a BMP file: headers, optional masks and palette, then rows given top-down as bytes
// (padded here to 4 bytes). Fields can be changed afterwards to make bad files.
struct BmpBuilder {
    std::uint32_t headerSize = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;  // the sign is applied by the builder from topDown
    bool topDown = false;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks;             // written after a 40-byte header, or inside a larger one
    std::vector<std::uint32_t> palette;           // 0x00RRGGBB
    std::vector<std::vector<std::uint8_t>> rows;  // top-down

    Bytes Build() const {
        const bool core = headerSize == 12;
        const std::size_t entry = core ? 3 : 4;
        std::size_t offset = 14 + headerSize + (headerSize == 40 ? masks.size() * 4 : 0) + palette.size() * entry;
        std::size_t stride = 0;
        for (const auto& r : rows) stride = std::max(stride, (r.size() + 3) / 4 * 4);
        Bytes b(offset + stride * rows.size(), 0);
        b[0] = 'B';
        b[1] = 'M';
        Put32(b, 2, static_cast<std::uint32_t>(b.size()));
        Put32(b, 10, static_cast<std::uint32_t>(offset));
        Put32(b, 14, headerSize);
        if (core) {
            Put16(b, 18, static_cast<std::uint32_t>(width));
            Put16(b, 20, static_cast<std::uint32_t>(height));
            Put16(b, 22, 1);
            Put16(b, 24, bitCount);
        } else {
            Put32(b, 18, static_cast<std::uint32_t>(width));
            Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
            Put16(b, 26, 1);
            Put16(b, 28, bitCount);
            Put32(b, 30, compression);
            Put32(b, 46, colorsUsed);
        }
        std::size_t at = 14 + 40;
        for (std::uint32_t m : masks) {
            Put32(b, at, m);
            at += 4;
        }
        at = 14 + headerSize + (headerSize == 40 ? masks.size() * 4 : 0);
        for (std::uint32_t c : palette) {
            b[at] = static_cast<std::uint8_t>(c);
            b[at + 1] = static_cast<std::uint8_t>(c >> 8);
            b[at + 2] = static_cast<std::uint8_t>(c >> 16);
            at += entry;
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::size_t fileRow = topDown ? i : rows.size() - 1 - i;
            std::copy(rows[i].begin(), rows[i].end(),
                      b.begin() + static_cast<std::ptrdiff_t>(offset + fileRow * stride));
        }
        return b;
    }
};

BmpReadResult Read(const Bytes& b) { return ReadBmp(std::span<const std::uint8_t>(b.data(), b.size())); }

TEST(BmpWriter, WritesBottomUp24BitWithA40ByteHeader) {
    const Bitmap image = skin::testing::CoordImage(5, 3);
    const Bytes file = WriteBmp24(image);
    const std::size_t stride = 16;  // 5 * 3 = 15 bytes, padded to 16
    ASSERT_EQ(file.size(), 54 + stride * 3);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[10], 54);
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[22], 3);  // positive height: bottom-up
    EXPECT_EQ(file[28], 24);
    // The first stored row is the image's bottom row; bytes are blue, green, red.
    EXPECT_EQ(file[54], PixelBlue(image.At(0, 2)));
    EXPECT_EQ(file[55], PixelGreen(image.At(0, 2)));
    EXPECT_EQ(file[56], PixelRed(image.At(0, 2)));
    EXPECT_EQ(file[54 + 2 * stride + 3 * 4 + 1], PixelGreen(image.At(4, 0)));
}

TEST(BmpReader, RoundTripsEveryRowPadding) {
    std::mt19937 random(7);
    for (int w = 1; w <= 9; ++w) {
        const Bitmap image = skin::testing::RandomImage(w, 4, random);
        const BmpReadResult read = Read(WriteBmp24(image));
        ASSERT_TRUE(read.Ok()) << read.Error;
        EXPECT_TRUE(read.Image == image) << "width " << w;
    }
    const BmpReadResult empty = Read(WriteBmp24(Bitmap{}));
    ASSERT_TRUE(empty.Ok()) << empty.Error;
    EXPECT_TRUE(empty.Image.Empty());
}

TEST(BmpReader, ReadsPalettizedDepths) {
    const std::vector<std::uint32_t> palette = {0x00102030u, 0x00FF00FFu, 0x00ABCDEFu, 0x00010203u};
    struct Case {
        std::uint16_t bits;
        std::vector<std::uint8_t> row;  // pixel indices 1, 0, 3, 2, 1 packed
    };
    const Case cases[] = {
        {8, {1, 0, 3, 2, 1}},
        {4, {0x10, 0x32, 0x10}},
    };
    for (const Case& c : cases) {
        BmpBuilder b;
        b.bitCount = c.bits;
        b.width = 5;
        b.height = 2;
        b.palette = palette;
        b.colorsUsed = 4;
        b.rows = {c.row, std::vector<std::uint8_t>(c.row.size(), 0)};
        const BmpReadResult read = Read(b.Build());
        ASSERT_TRUE(read.Ok()) << c.bits << ": " << read.Error;
        const int indices[] = {1, 0, 3, 2, 1};
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(read.Image.At(x, 0), palette[static_cast<std::size_t>(indices[x])]) << c.bits << " bpp, x " << x;
            EXPECT_EQ(read.Image.At(x, 1), palette[0]);
        }
    }
    // 1 bit per pixel, most significant bit first, with the default palette size (2 entries).
    BmpBuilder mono;
    mono.bitCount = 1;
    mono.width = 10;
    mono.height = 1;
    mono.palette = {0x00000000u, 0x00FFFFFFu};
    mono.rows = {{0xA5, 0x40}};
    const BmpReadResult read = Read(mono.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    const int bits[] = {1, 0, 1, 0, 0, 1, 0, 1, 0, 1};
    for (int x = 0; x < 10; ++x) EXPECT_EQ(read.Image.At(x, 0), bits[x] ? 0x00FFFFFFu : 0u) << x;
}

TEST(BmpReader, IndexPastTheUsedPaletteReadsBlack) {
    BmpBuilder b;
    b.bitCount = 8;
    b.width = 2;
    b.height = 1;
    b.palette = {0x00112233u};
    b.colorsUsed = 1;
    b.rows = {{0, 200}};
    const BmpReadResult read = Read(b.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Image.At(0, 0), 0x00112233u);
    EXPECT_EQ(read.Image.At(1, 0), 0u);
}

TEST(BmpReader, ReadsTopDown32BitAndIgnoresTheUnusedByte) {
    BmpBuilder b;
    b.bitCount = 32;
    b.width = 2;
    b.height = 2;
    b.topDown = true;
    b.rows = {{0x33, 0x22, 0x11, 0xFF, 0x66, 0x55, 0x44, 0x80}, {1, 2, 3, 4, 5, 6, 7, 8}};
    const BmpReadResult read = Read(b.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Image.At(0, 0), 0x00112233u);
    EXPECT_EQ(read.Image.At(1, 0), 0x00445566u);
    EXPECT_EQ(read.Image.At(0, 1), 0x00030201u);
}

TEST(BmpReader, ReadsSixteenBitDefaultAndMaskedLayouts) {
    // Default 5-5-5: 0x7FFF is white, 0x001F full blue.
    BmpBuilder b;
    b.bitCount = 16;
    b.width = 2;
    b.height = 1;
    b.rows = {{0xFF, 0x7F, 0x1F, 0x00}};
    BmpReadResult read = Read(b.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Image.At(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(read.Image.At(1, 0), 0x000000FFu);

    // 5-6-5 bit fields after a 40-byte header: 0xF800 full red, 0x07E0 full green.
    b.compression = 3;
    b.masks = {0xF800u, 0x07E0u, 0x001Fu};
    b.rows = {{0x00, 0xF8, 0xE0, 0x07}};
    read = Read(b.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Image.At(0, 0), 0x00FF0000u);
    EXPECT_EQ(read.Image.At(1, 0), 0x0000FF00u);

    // The same masks inside a 108-byte header.
    b.headerSize = 108;
    read = Read(b.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Image.At(0, 0), 0x00FF0000u);
}

TEST(BmpReader, ReadsCoreHeaderWithThreeBytePaletteEntries) {
    BmpBuilder b;
    b.headerSize = 12;
    b.bitCount = 8;
    b.width = 2;
    b.height = 1;
    b.palette.assign(256, 0);
    b.palette[5] = 0x00A0B0C0u;
    b.rows = {{5, 0}};
    const BmpReadResult read = Read(b.Build());
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Image.At(0, 0), 0x00A0B0C0u);
}

TEST(BmpReader, AcceptsAMissingPadOnTheLastRow) {
    const Bitmap image = skin::testing::CoordImage(5, 2);
    Bytes file = WriteBmp24(image);
    file.pop_back();  // the last stored row's one pad byte
    const BmpReadResult read = Read(file);
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_TRUE(read.Image == image);
}

// Every rejection names its reason.
void ExpectRejected(const Bytes& file, const std::string& reasonPart) {
    const BmpReadResult read = Read(file);
    EXPECT_FALSE(read.Ok());
    EXPECT_TRUE(read.Image.Empty());
    EXPECT_NE(read.Error.find(reasonPart), std::string::npos) << "error was: " << read.Error;
}

TEST(BmpReader, RejectsWhatItCannotRead) {
    const Bytes good = WriteBmp24(skin::testing::CoordImage(3, 3));
    Bytes bad = good;
    bad[0] = 'X';
    ExpectRejected(bad, "signature");
    ExpectRejected(Bytes(good.begin(), good.begin() + 10), "too short");
    ExpectRejected(Bytes(good.begin(), good.begin() + 40), "info header");
    bad = good;
    Put32(bad, 30, 1);
    ExpectRejected(bad, "run-length");
    Put32(bad, 30, 4);
    ExpectRejected(bad, "JPEG");
    Put32(bad, 30, 9);
    ExpectRejected(bad, "compression");
    bad = good;
    Put16(bad, 28, 2);
    ExpectRejected(bad, "bit depth");
    bad = good;
    Put16(bad, 26, 0);
    ExpectRejected(bad, "plane");
    bad = good;
    Put32(bad, 14, 64);
    ExpectRejected(bad, "header size");
    bad = good;
    Put32(bad, 10, 20);
    ExpectRejected(bad, "offset");
    bad = good;
    Put32(bad, 18, static_cast<std::uint32_t>(-3));
    ExpectRejected(bad, "negative width");
    bad = good;
    Put32(bad, 10, 0xFFFFFFF0u);
    ExpectRejected(bad, "truncated");

    BmpBuilder b;
    b.bitCount = 4;
    b.width = 1;
    b.height = 1;
    b.colorsUsed = 17;
    b.palette.assign(17, 0);
    b.rows = {{0}};
    ExpectRejected(b.Build(), "palette");
    b.bitCount = 32;
    b.compression = 3;
    b.colorsUsed = 0;
    b.palette.clear();
    b.masks = {0x00F0F000u, 0x0000FF00u, 0x000000FFu};
    b.rows = {{0, 0, 0, 0}};
    ExpectRejected(b.Build(), "contiguous");
}

TEST(BmpReader, RefusesHugeDimensionsWithoutAllocating) {
    for (const auto& [w, h] :
         {std::pair{100000, 1}, std::pair{1, -100000}, std::pair{30000, 30000}, std::pair{0x7FFFFFFF, 0x7FFFFFFF}}) {
        Bytes file = WriteBmp24(skin::testing::CoordImage(1, 1));
        Put32(file, 18, static_cast<std::uint32_t>(w));
        Put32(file, 22, static_cast<std::uint32_t>(h));
        ExpectRejected(file, "exceeds the limit");
    }
    // Within the limits but larger than the data: refused before the image is made.
    Bytes file = WriteBmp24(skin::testing::CoordImage(1, 1));
    Put32(file, 18, 4000);
    Put32(file, 22, 4000);
    ExpectRejected(file, "truncated");
}

TEST(BmpReader, EveryTruncationIsRejectedCleanly) {
    const Bytes good = WriteBmp24(skin::testing::CoordImage(6, 5));
    const std::size_t required = good.size() - 2;  // the last row's padding may be missing
    for (std::size_t n = 0; n < required; ++n) {
        const BmpReadResult read = Read(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)));
        EXPECT_FALSE(read.Ok()) << "length " << n;
        EXPECT_FALSE(read.Error.empty());
    }
}

TEST(BmpReader, CorruptedHeadersNeverYieldImagesLargerThanTheData) {
    // Random header damage: either a clear error, or an image whose pixels were all in the file.
    const Bytes good = WriteBmp24(skin::testing::CoordImage(7, 4));
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> where(0, 57);
    std::uniform_int_distribution<int> value(0, 255);
    for (int round = 0; round < 3000; ++round) {
        Bytes file = good;
        for (int k = 0; k < 3; ++k) file[where(random)] = static_cast<std::uint8_t>(value(random));
        const BmpReadResult read = Read(file);
        if (read.Ok()) {
            const std::int64_t pixels = std::int64_t{read.Image.Width()} * read.Image.Height();
            EXPECT_LE(pixels, static_cast<std::int64_t>(file.size()) * 8) << "round " << round;
        } else {
            EXPECT_FALSE(read.Error.empty());
            EXPECT_TRUE(read.Image.Empty());
        }
    }
}

}  // namespace
}  // namespace base
