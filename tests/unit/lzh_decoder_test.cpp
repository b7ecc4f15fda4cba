// The decoder's interfaces and its behaviour on empty, hostile and corrupt input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/lzh_reference_decoder.h"
#include "skin/data/lzh.h"
#include "unit/lzh_test_support.h"

namespace {

std::vector<std::uint8_t> WithHeader(std::int32_t length, const std::vector<std::uint8_t>& bits) {
    std::vector<std::uint8_t> stream(skin::kLzhHeaderSize + bits.size());
    const auto raw = static_cast<std::uint32_t>(length);
    for (std::size_t i = 0; i < skin::kLzhHeaderSize; ++i) stream[i] = static_cast<std::uint8_t>(raw >> (8 * i));
    std::copy(bits.begin(), bits.end(), stream.begin() + skin::kLzhHeaderSize);
    return stream;
}

TEST(LzhDecoder, NonPositiveLengthReadsNothingAndWritesNothing) {
    for (std::int32_t length : {0, -1, -100000, INT32_MIN}) {
        int reads = 0;
        int writes = 0;
        const std::size_t produced = skin::TLZH().Decompress(
            length,
            [&](std::uint8_t*, std::size_t) {
                ++reads;
                return std::size_t{0};
            },
            [&](const std::uint8_t*, std::size_t) { ++writes; });
        EXPECT_EQ(produced, 0u);
        EXPECT_EQ(reads, 0) << length;
        EXPECT_EQ(writes, 0) << length;
        EXPECT_TRUE(skin::DecompressStream(WithHeader(length, {0xFF, 0x12, 0x34})).empty()) << length;
    }
}

TEST(LzhDecoder, HeaderShorterThanFourBytesIsAClearError) {
    for (std::size_t size = 0; size < 4; ++size) {
        const std::vector<std::uint8_t> stream(size, 0x01);
        try {
            skin::DecompressStream(stream);
            ADD_FAILURE() << "no error for a " << size << "-byte stream";
        } catch (const skin::ElzhException& error) {
            EXPECT_NE(std::string(error.what()).find("header"), std::string::npos) << error.what();
        }
    }
}

TEST(LzhDecoder, DeclaredLengthAboveTheLimitIsRefusedBeforeAllocating) {
    const std::vector<std::uint8_t> stream = WithHeader(INT32_MAX, {0x00});
    try {
        skin::DecompressStream(stream);  // default limit: 64 MiB
        ADD_FAILURE() << "a 2 GiB declared length was accepted";
    } catch (const skin::ElzhException& error) {
        EXPECT_NE(std::string(error.what()).find("2147483647"), std::string::npos) << error.what();
    }
    EXPECT_THROW(skin::DecompressStream(WithHeader(1001, {}), 1000), skin::ElzhException);
    EXPECT_EQ(skin::DecompressStream(WithHeader(1000, {}), 1000).size(), 1000u);
}

TEST(LzhDecoder, HeaderOnlyStreamDecodesZeroBitsToTheDeclaredLength) {
    // No bit stream at all: every bit reads as zero, the call completes with exactly L bytes.
    for (std::int32_t length : {1, 59, 60, 61, 5000, 100000}) {
        const std::vector<std::uint8_t> stream = WithHeader(length, {});
        const std::vector<std::uint8_t> decoded = skin::DecompressStream(stream);
        ASSERT_EQ(decoded.size(), static_cast<std::size_t>(length));
        std::vector<std::uint8_t> plain = reference::PlainDecompressStream(stream);
        plain.resize(decoded.size());
        EXPECT_EQ(decoded, plain) << length;
    }
}

// Random bit streams exercise every symbol, distances across the window's wrap point, copies
// that overlap their own output and tree rebuilds; the plain decoder is the oracle.
TEST(LzhDecoder, RandomStreamsMatchThePlainDecoder) {
    std::mt19937 random(20260);
    for (int round = 0; round < 60; ++round) {
        const std::size_t bitBytes = random() % 6000;
        const auto length = static_cast<std::int32_t>(random() % 120000);
        const std::vector<std::uint8_t> stream = WithHeader(length, lzh_test::RandomBytes(bitBytes, random()));
        const std::vector<std::uint8_t> decoded = skin::DecompressStream(stream);
        ASSERT_EQ(decoded.size(), static_cast<std::size_t>(length));
        std::vector<std::uint8_t> plain = reference::PlainDecompressStream(stream);
        ASSERT_GE(plain.size(), decoded.size());
        ASSERT_LE(plain.size(), decoded.size() + 59) << "the plain decoder overran by more than one match";
        plain.resize(decoded.size());
        ASSERT_EQ(decoded, plain) << "round " << round << ", " << bitBytes << " bytes, length " << length;
    }
}

TEST(LzhDecoder, CallbackInterfaceDeliversExactlyTheDeclaredLengthInOrder) {
    // Random bits decode to plenty of matches; a final match usually overruns the length and
    // must be cut off, and the output crosses several staging blocks.
    const std::vector<std::uint8_t> bits = lzh_test::RandomBytes(40000, 7);
    for (std::int32_t length : {1, 3, 61, 65536, 65537, 300001}) {
        const std::vector<std::uint8_t> expected = skin::DecompressStream(WithHeader(length, bits));
        std::size_t position = 0;
        std::vector<std::uint8_t> out;
        std::size_t calls = 0;
        const std::size_t produced = skin::TLZH().Decompress(
            length,
            [&](std::uint8_t* buffer, std::size_t capacity) {
                // Odd, varying block sizes.
                const std::size_t n = std::min({capacity, bits.size() - position, 1 + calls++ % 13});
                std::memcpy(buffer, bits.data() + position, n);
                position += n;
                return n;
            },
            [&](const std::uint8_t* data, std::size_t count) { out.insert(out.end(), data, data + count); });
        EXPECT_EQ(produced, static_cast<std::size_t>(length));
        EXPECT_EQ(out, expected) << length;
    }
}

TEST(LzhDecoder, SourceThatOverstatesItsDeliveryCannotOverrun) {
    // A faulty source claims more than the buffer holds: the decoder never reads past its block.
    const std::vector<std::uint8_t> bits = lzh_test::RandomBytes(3000, 11);
    std::size_t position = 0;
    std::size_t produced = 0;
    skin::TLZH().Decompress(
        200000,
        [&](std::uint8_t* buffer, std::size_t capacity) {
            const std::size_t n = std::min(capacity, bits.size() - position);
            std::memcpy(buffer, bits.data() + position, n);
            position += n;
            return n == 0 ? std::size_t{0} : capacity + 1000;
        },
        [&](const std::uint8_t*, std::size_t count) { produced += count; });
    EXPECT_EQ(produced, 200000u);
}

TEST(LzhDecoder, SourceIsNotAskedAgainAfterItEnded) {
    int callsAfterEnd = 0;
    bool ended = false;
    skin::TLZH().Decompress(
        50000,
        [&](std::uint8_t* buffer, std::size_t) {
            if (ended) ++callsAfterEnd;
            if (!ended) {
                buffer[0] = 0x5A;
                ended = true;
                return std::size_t{1};
            }
            return std::size_t{0};
        },
        [](const std::uint8_t*, std::size_t) {});
    EXPECT_LE(callsAfterEnd, 1);
}

TEST(LzhDecoder, SinkFailurePassesToTheCaller) {
    const std::vector<std::uint8_t> stream = lzh_test::ReadBytes(lzh_test::VectorDir() / "text_280k.lzh");
    std::size_t position = skin::kLzhHeaderSize;
    std::size_t accepted = 0;
    auto read = [&](std::uint8_t* buffer, std::size_t capacity) {
        const std::size_t n = std::min(capacity, stream.size() - position);
        std::memcpy(buffer, stream.data() + position, n);
        position += n;
        return n;
    };
    auto write = [&](const std::uint8_t*, std::size_t count) {
        if (accepted > 0) throw std::runtime_error("disk full");
        accepted += count;
    };
    try {
        skin::TLZH().Decompress(lzh_test::DeclaredLength(stream), read, write);
        ADD_FAILURE() << "the sink's failure was swallowed";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "disk full");
    }
    EXPECT_GT(accepted, 0u);
}

TEST(LzhDecoder, DirectDecodeFillsTheWholeOutput) {
    const std::vector<std::uint8_t> stream = lzh_test::ReadBytes(lzh_test::VectorDir() / "bmp_300x200.lzh");
    const std::vector<std::uint8_t> plain = lzh_test::ReadBytes(lzh_test::VectorDir() / "bmp_300x200.bin");
    // A shorter output takes the same prefix; the last match is cut where the output ends.
    for (std::size_t size : {plain.size(), plain.size() - 1, std::size_t{1}, std::size_t{0}}) {
        std::vector<std::uint8_t> out(size, 0xEE);
        skin::TLZH().Decompress(std::span(stream).subspan(skin::kLzhHeaderSize), out);
        EXPECT_TRUE(std::equal(out.begin(), out.end(), plain.begin())) << size;
    }
}

}  // namespace
