// Framing of the stored skin package and the size guard on skin files.
#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/skin_stream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using skin::ReadSkinStream;
using skin::SkinStreamError;
using skin::WriteSkinStream;

const Bytes kPrevious{0xAA, 0xBB};

struct ReadCase {
    const char* name;
    Bytes stored;
    std::size_t consumed;
    Bytes package;  // what the package holds afterwards (it starts as kPrevious)
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class SkinStreamRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SkinStreamRead, TakesTheFramedBytes) {
    Bytes package = kPrevious;
    EXPECT_EQ(ReadSkinStream(GetParam().stored, package), GetParam().consumed);
    EXPECT_EQ(package, GetParam().package);
}

INSTANTIATE_TEST_SUITE_P(Rows, SkinStreamRead,
                         testing::Values(ReadCase{"ZeroLengthKeepsPackage", {0, 0, 0, 0, 9, 9}, 4, kPrevious},
                                         ReadCase{
                                             "NegativeLengthKeepsPackage", {0xFF, 0xFF, 0xFF, 0xFF, 1}, 4, kPrevious},
                                         ReadCase{"MostNegativeLength", {0, 0, 0, 0x80}, 4, kPrevious},
                                         ReadCase{"ExactBody", {3, 0, 0, 0, 7, 8, 9}, 7, {7, 8, 9}},
                                         ReadCase{"TrailingBytesLeftAlone", {2, 0, 0, 0, 7, 8, 9, 10}, 6, {7, 8}},
                                         ReadCase{"LittleEndianLength",
                                                  [] {
                                                      Bytes b{0x01, 0x01, 0, 0};
                                                      b.resize(4 + 257, 0x5A);
                                                      return b;
                                                  }(),
                                                  261, Bytes(257, 0x5A)}),
                         [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct BadCase {
    const char* name;
    Bytes stored;
    std::size_t limit;
    const char* message;
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

class SkinStreamReject : public testing::TestWithParam<BadCase> {};

TEST_P(SkinStreamReject, LeavesThePackageAndSaysWhy) {
    Bytes package = kPrevious;
    try {
        ReadSkinStream(GetParam().stored, package, GetParam().limit);
        FAIL() << "accepted";
    } catch (const SkinStreamError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
    EXPECT_EQ(package, kPrevious);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SkinStreamReject,
    testing::Values(
        BadCase{"NoBytes", {}, skin::kMaxSkinStreamLength, "too few"},
        BadCase{"CutLengthWord", {5, 0, 0}, skin::kMaxSkinStreamLength, "too few"},
        BadCase{"TruncatedBody", {5, 0, 0, 0, 1, 2, 3, 4}, skin::kMaxSkinStreamLength, "only 4 bytes follow"},
        BadCase{"LengthWithoutBody", {1, 0, 0, 0}, skin::kMaxSkinStreamLength, "only 0 bytes follow"},
        BadCase{
            "LargestPositiveLength", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2}, skin::kMaxSkinStreamLength, "exceeds the limit"},
        BadCase{"JustAboveTheDefaultLimit", {1, 0, 0, 4}, skin::kMaxSkinStreamLength, "exceeds the limit"},
        BadCase{"AboveAGivenLimit", {3, 0, 0, 0, 1, 2, 3}, 2, "exceeds the limit"}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

Bytes SamplePackage(std::size_t size) {
    Bytes bytes(size);
    std::uint32_t x = 2463534242u;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x);
    }
    return bytes;
}

TEST(SkinStreamRoundTrip, WritingBackGivesTheBytesRead) {
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{66221}}) {
        Bytes stored;
        WriteSkinStream(SamplePackage(size), stored);
        ASSERT_EQ(stored.size(), 4 + size);

        Bytes package;
        ASSERT_EQ(ReadSkinStream(stored, package), stored.size());
        Bytes written;
        WriteSkinStream(package, written);
        EXPECT_EQ(written, stored) << size;
    }
}

TEST(SkinStreamRoundTrip, EmptyPackageIsTheLengthWordAlone) {
    Bytes out{0x11};
    WriteSkinStream({}, out);
    EXPECT_EQ(out, (Bytes{0x11, 0, 0, 0, 0}));
}

TEST(SkinStreamRoundTrip, PackageAboveTheLimitIsNotWritten) {
    Bytes out;
    EXPECT_THROW(WriteSkinStream(SamplePackage(9), out, 8), SkinStreamError);
    EXPECT_TRUE(out.empty());
    WriteSkinStream(SamplePackage(8), out, 8);
    EXPECT_EQ(out.size(), 12u);
}

class SkinStreamFile : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("skin_stream_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path Write(const char* name, const Bytes& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path dir_;
};

TEST_F(SkinStreamFile, MissingFileOrFolderIsIgnored) {
    EXPECT_EQ(skin::LoadSkinFile(dir_ / "absent.skn"), std::nullopt);
    EXPECT_EQ(skin::LoadSkinFile(dir_), std::nullopt);
}

TEST_F(SkinStreamFile, WholeFileIsRead) {
    const Bytes content = SamplePackage(5000);
    EXPECT_EQ(skin::LoadSkinFile(Write("a.skn", content)), content);
    EXPECT_EQ(skin::LoadSkinFile(Write("empty.skn", {})), Bytes{});
}

TEST_F(SkinStreamFile, FileAboveTheLimitIsRefusedUnread) {
    const auto path = Write("big.skn", SamplePackage(101));
    EXPECT_THROW(skin::LoadSkinFile(path, 100), SkinStreamError);
    EXPECT_EQ(skin::LoadSkinFile(path, 101)->size(), 101u);
}

// A resource holds a package bare or framed; the framing is recognised by its exact length.
TEST(UnframedPackage, StripsTheLengthWordOnlyWhenItCountsTheRest) {
    struct Case {
        const char* name;
        Bytes bytes;
        Bytes expected;
    };
    const Case cases[] = {
        {"framed", {3, 0, 0, 0, 'a', 'b', 'c'}, {'a', 'b', 'c'}},
        {"bare", {'S', 'K', 'N', '1', 'x'}, {'S', 'K', 'N', '1', 'x'}},
        {"length one short", {4, 0, 0, 0, 'a', 'b', 'c'}, {4, 0, 0, 0, 'a', 'b', 'c'}},
        {"length word alone", {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"empty", {}, {}},
        {"high bytes count", {0, 1, 0, 0}, {0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        const auto out = skin::UnframedPackage(c.bytes);
        EXPECT_EQ(Bytes(out.begin(), out.end()), c.expected) << c.name;
    }
    Bytes big(4 + 300, 7);
    big[0] = 300 & 0xFF;
    big[1] = 300 >> 8;
    big[2] = big[3] = 0;
    EXPECT_EQ(skin::UnframedPackage(big).size(), 300u);
}

}  // namespace
