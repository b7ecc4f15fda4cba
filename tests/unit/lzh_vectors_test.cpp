// Streams made by an independent classic encoder: our decoder must reproduce them exactly, and
// our encoder must compress the same data at least as well and decode back through both
// decoders.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench/lzh_reference_decoder.h"
#include "skin/data/lzh.h"
#include "skin/source/lzh_encoder.h"
#include "unit/lzh_test_support.h"

namespace {

using lzh_test::ReadBytes;
using lzh_test::VectorDir;

struct TVector {
    std::vector<std::uint8_t> Compressed;
    std::vector<std::uint8_t> Plain;
};

TVector LoadVector(const std::string& name) {
    return {ReadBytes(VectorDir() / (name + ".lzh")), ReadBytes(VectorDir() / (name + ".bin"))};
}

// Decodes through the callback interface, with the source handing out `chunk` bytes at a time.
std::vector<std::uint8_t> DecodeWithCallbacks(const std::vector<std::uint8_t>& stream, std::size_t chunk) {
    const std::int32_t length = lzh_test::DeclaredLength(stream);
    std::size_t position = skin::kLzhHeaderSize;
    std::vector<std::uint8_t> out;
    const std::size_t reported = skin::TLZH().Decompress(
        length,
        [&](std::uint8_t* buffer, std::size_t capacity) {
            const std::size_t n = std::min({chunk, capacity, stream.size() - position});
            std::memcpy(buffer, stream.data() + position, n);
            position += n;
            return n;
        },
        [&](const std::uint8_t* data, std::size_t count) { out.insert(out.end(), data, data + count); });
    EXPECT_EQ(reported, out.size());
    return out;
}

TEST(LzhVectors, FolderHoldsTheVectors) {
    const std::vector<std::string> names = lzh_test::VectorNames();
    EXPECT_GE(names.size(), 8u) << "vectors expected in " << VectorDir();
}

class LzhVector : public testing::TestWithParam<std::string> {};

TEST_P(LzhVector, DecodesExactly) {
    const TVector vector = LoadVector(GetParam());
    EXPECT_EQ(skin::DecompressStream(vector.Compressed), vector.Plain);
    for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
        EXPECT_EQ(DecodeWithCallbacks(vector.Compressed, chunk), vector.Plain) << "source chunk " << chunk;
    }
}

TEST_P(LzhVector, ReferenceDecoderAgrees) {
    // The plain decoder is the second opinion other tests rely on; it must read the vectors too.
    const TVector vector = LoadVector(GetParam());
    std::vector<std::uint8_t> decoded = reference::PlainDecompressStream(vector.Compressed);
    ASSERT_GE(decoded.size(), vector.Plain.size());
    decoded.resize(vector.Plain.size());
    EXPECT_EQ(decoded, vector.Plain);
}

TEST_P(LzhVector, EncoderDoesAtLeastAsWellAndRoundTrips) {
    const TVector vector = LoadVector(GetParam());
    const std::vector<std::uint8_t> encoded = skin::source::EncodeLzhStream(vector.Plain);
    EXPECT_LE(encoded.size(), vector.Compressed.size());
    EXPECT_EQ(skin::DecompressStream(encoded), vector.Plain);
    // The plain decoder fills the window bytes the format leaves undefined with a marker: an
    // encoder that copied from them would decode differently there.
    std::vector<std::uint8_t> decoded = reference::PlainDecompressStream(encoded, 0xA5);
    ASSERT_GE(decoded.size(), vector.Plain.size());
    EXPECT_EQ(decoded.size(), vector.Plain.size()) << "a match overran the declared length";
    decoded.resize(vector.Plain.size());
    EXPECT_EQ(decoded, vector.Plain);
}

INSTANTIATE_TEST_SUITE_P(All, LzhVector, testing::ValuesIn(lzh_test::VectorNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(LzhVectors, TruncatedStreamStillYieldsTheDeclaredLength) {
    const TVector vector = LoadVector("text_280k");
    for (std::size_t keep : {std::size_t{4}, std::size_t{5}, std::size_t{1000}, vector.Compressed.size() / 2,
                             vector.Compressed.size() - 1}) {
        const std::vector<std::uint8_t> cut(vector.Compressed.begin(), vector.Compressed.begin() + keep);
        const std::vector<std::uint8_t> decoded = skin::DecompressStream(cut);
        ASSERT_EQ(decoded.size(), vector.Plain.size()) << "kept " << keep;
        // Bits that were present decode as before (this text compresses to less than half, so
        // a kept prefix of the bit stream decodes to at least as many bytes of the text).
        const std::size_t intact = keep >= 1000 ? keep - skin::kLzhHeaderSize : 0;
        EXPECT_TRUE(std::equal(decoded.begin(), decoded.begin() + intact, vector.Plain.begin())) << "kept " << keep;
        // The missing input reads as zero bits, exactly as the plain decoder reads it.
        std::vector<std::uint8_t> plain = reference::PlainDecompressStream(cut);
        plain.resize(decoded.size());
        EXPECT_EQ(decoded, plain) << "kept " << keep;
    }
}

}  // namespace
