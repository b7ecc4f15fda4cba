// The tools' encoder: whatever it writes must decode to its input with our decoder and with the
// plain one, and it must use the whole window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/lzh_reference_decoder.h"
#include "skin/data/lzh.h"
#include "skin/source/lzh_encoder.h"
#include "unit/lzh_test_support.h"

namespace {

// Decodes with both decoders; the plain one marks the window bytes the format leaves undefined.
void ExpectRoundTrip(const std::vector<std::uint8_t>& data, const std::string& what) {
    const std::vector<std::uint8_t> encoded = skin::source::EncodeLzhStream(data);
    ASSERT_GE(encoded.size(), skin::kLzhHeaderSize) << what;
    EXPECT_EQ(lzh_test::DeclaredLength(encoded), static_cast<std::int32_t>(data.size())) << what;
    EXPECT_EQ(skin::DecompressStream(encoded), data) << what;
    for (std::uint8_t marker : {0x00, 0xA5}) {
        const std::vector<std::uint8_t> plain = reference::PlainDecompressStream(encoded, marker);
        EXPECT_EQ(plain, data) << what << " (plain decoder, marker " << int{marker} << ")";
    }
}

TEST(LzhEncoder, RoundTripsAroundTheMatchAndWindowSizes) {
    const std::size_t sizes[] = {0, 1, 2, 3, 4, 59, 60, 61, 62, 119, 120, 121, 4095, 4096, 4097, 8205};
    for (std::size_t size : sizes) {
        ExpectRoundTrip(lzh_test::RandomBytes(size, static_cast<std::uint32_t>(size)),
                        "random " + std::to_string(size));
        ExpectRoundTrip(lzh_test::RandomText(size, static_cast<std::uint32_t>(size)), "text " + std::to_string(size));
        ExpectRoundTrip(lzh_test::RandomRuns(size, static_cast<std::uint32_t>(size)), "runs " + std::to_string(size));
        ExpectRoundTrip(std::vector<std::uint8_t>(size, 0x20), "spaces " + std::to_string(size));
    }
}

TEST(LzhEncoder, RoundTripsAcrossTreeRebuilds) {
    // Incompressible bytes are one symbol each: well over 32767 symbols, several rebuilds.
    ExpectRoundTrip(lzh_test::RandomBytes(120000, 3), "random 120000");
    // Mixed content: text, then runs, then noise, so the model shifts after each rebuild.
    std::vector<std::uint8_t> mixed = lzh_test::RandomText(150000, 4);
    const std::vector<std::uint8_t> runs = lzh_test::RandomRuns(60000, 5);
    const std::vector<std::uint8_t> noise = lzh_test::RandomBytes(40000, 6);
    mixed.insert(mixed.end(), runs.begin(), runs.end());
    mixed.insert(mixed.end(), noise.begin(), noise.end());
    ExpectRoundTrip(mixed, "mixed");
}

TEST(LzhEncoder, CompressesRedundantInput) {
    const std::vector<std::uint8_t> text = lzh_test::RandomText(100000, 8);
    EXPECT_LT(skin::source::EncodeLzhStream(text).size(), text.size() / 3);
    const std::vector<std::uint8_t> zeros(100000, 0);
    // One literal, then matches of 60: about 1667 symbols of a few bits and a distance each.
    EXPECT_LT(skin::source::EncodeLzhStream(zeros).size(), 100000u / 60u * 3u);
    // Noise costs little more than storing it.
    const std::vector<std::uint8_t> noise = lzh_test::RandomBytes(100000, 9);
    EXPECT_LT(skin::source::EncodeLzhStream(noise).size(), noise.size() + noise.size() / 8);
}

// A block repeated exactly one window back can be copied; one byte further it cannot.
TEST(LzhEncoder, UsesMatchesReachingTheFullWindow) {
    const std::vector<std::uint8_t> block = lzh_test::RandomBytes(600, 21);
    auto build = [&](std::size_t gap) {
        std::vector<std::uint8_t> data = block;
        const std::vector<std::uint8_t> filler = lzh_test::RandomBytes(gap, 22);
        data.insert(data.end(), filler.begin(), filler.end());
        data.insert(data.end(), block.begin(), block.end());
        return data;
    };
    // The second copy's first byte lies `600 + gap` bytes after the first copy's first byte.
    const std::vector<std::uint8_t> reachable = build(4096 - 600);
    const std::vector<std::uint8_t> outOfReach = build(4097 - 600);
    ExpectRoundTrip(reachable, "one window back");
    ExpectRoundTrip(outOfReach, "one byte beyond");
    const std::size_t withMatch = skin::source::EncodeLzhStream(reachable).size();
    const std::size_t withoutMatch = skin::source::EncodeLzhStream(outOfReach).size();
    // The whole first match (60 bytes) is lost out of reach; later matches slide back in range.
    EXPECT_LT(withMatch + 40, withoutMatch);
}

TEST(LzhEncoder, CopiesFromTheInitialSpaces) {
    // Data opening with spaces is a match into the initial window: one symbol for 60 bytes, much
    // cheaper than the same opening with another byte value (a literal, then a match).
    std::vector<std::uint8_t> spaces(60, ' ');
    std::vector<std::uint8_t> dashes(60, '-');
    const std::vector<std::uint8_t> tail = lzh_test::RandomText(200, 1);
    spaces.insert(spaces.end(), tail.begin(), tail.end());
    dashes.insert(dashes.end(), tail.begin(), tail.end());
    ExpectRoundTrip(spaces, "spaces first");
    EXPECT_LT(skin::source::EncodeLzhStream(spaces).size(), skin::source::EncodeLzhStream(dashes).size());
}

}  // namespace
