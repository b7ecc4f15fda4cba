// Indexing of decompressed skin packages: header, name list, size table, data area, and
// the rejection of packages whose tables do not fit.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/source/lzh_encoder.h"
#include "unit/skin_reader_raw_package.h"

namespace {

using skin::TSkinOpenStatus;
using skin::TSkinReader;
using skin_test::BytesOf;
using skin_test::RawPackage;
using skin_test::ThreeMemberPackage;

TEST(SkinReaderOpen, IndexesHeaderNamesSizesAndData) {
    const RawPackage raw = ThreeMemberPackage();
    const std::vector<std::uint8_t> bytes = raw.Bytes();
    TSkinReader reader;
    const auto result = reader.OpenDecompressed(bytes);
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_TRUE(result.Reason.empty());

    EXPECT_EQ(reader.Count(), 3u);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "a.bmp", "b.bmp"}));
    ASSERT_EQ(reader.Sizes().size(), 3u);
    EXPECT_TRUE(std::equal(reader.Sizes().begin(), reader.Sizes().end(), raw.Sizes.begin()));
    EXPECT_TRUE(std::equal(reader.Header().begin(), reader.Header().end(), bytes.begin()));
    EXPECT_EQ(reader.PackageVersion(), 20000);
    EXPECT_EQ(std::vector<std::uint8_t>(reader.Data().begin(), reader.Data().end()), raw.Data);

    EXPECT_EQ(reader.ExtractByName("a.bmp"), BytesOf("AAAAA"));
    EXPECT_EQ(reader.ExtractByName("b.bmp"), BytesOf("BBBBBBBBB"));
    EXPECT_EQ(reader.ExtractByName("skin.ini"), BytesOf("[Personality]\r\nx=1\r\n"));
}

TEST(SkinReaderOpen, LineTerminatorsOfTheNameListAllCountTheSame) {
    for (const char* names : {"one.ini\r\ntwo.bmp\r\n", "one.ini\r\ntwo.bmp", "one.ini\ntwo.bmp\n",
                              "one.ini\rtwo.bmp\r", "one.ini\rtwo.bmp\n"}) {
        RawPackage raw;
        raw.NamesText = names;
        raw.Sizes = {2, 3};
        raw.Data = BytesOf("iibbb");
        TSkinReader reader;
        ASSERT_TRUE(reader.OpenDecompressed(raw.Bytes()).Ok()) << names;
        EXPECT_EQ(reader.Names(), (std::vector<std::string>{"one.ini", "two.bmp"})) << names;
        EXPECT_EQ(reader.ExtractByName("two.bmp"), BytesOf("bbb")) << names;
    }
}

TEST(SkinReaderOpen, BlankLinesAreMembersWithEmptyNames) {
    RawPackage raw;
    raw.NamesText = "a.bmp\r\n\r\nb.bmp\n\n";  // LF CR would be two terminators; CR LF is one
    raw.Sizes = {1, 2, 3, 4};
    raw.Data = BytesOf("abbcccdddd");
    TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(raw.Bytes()).Ok());
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "", "b.bmp", ""}));
    EXPECT_EQ(reader.ExtractByName("b.bmp"), BytesOf("ccc"));
}

TEST(SkinReaderOpen, SplitCountsLineFeedAfterCarriageReturnOnce) {
    EXPECT_EQ(skin::SplitPackageLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(skin::SplitPackageLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(skin::SplitPackageLines("a\r\rb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(skin::SplitPackageLines("").empty());
    EXPECT_EQ(skin::SplitPackageLines("\r\n"), (std::vector<std::string>{""}));
}

TEST(SkinReaderOpen, EmptyPackageAndDataBeyondTheMembersAreAccepted) {
    RawPackage empty;
    TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(empty.Bytes()).Ok());
    EXPECT_EQ(reader.Count(), 0u);
    EXPECT_TRUE(reader.ExtractByName("a.bmp").empty());

    RawPackage extra = ThreeMemberPackage();
    extra.Data.push_back('Z');
    ASSERT_TRUE(reader.OpenDecompressed(extra.Bytes()).Ok());
    EXPECT_EQ(reader.Data().size(), extra.Data.size());
    EXPECT_EQ(reader.ExtractByName("b.bmp"), BytesOf("BBBBBBBBB"));
}

TEST(SkinReaderOpen, NameLowerCasingTouchesAsciiLettersOnly) {
    RawPackage raw;
    raw.NamesText = "\xC4Z-9_.BMP\r\n";
    raw.Sizes = {1};
    raw.Data = BytesOf("x");
    TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(raw.Bytes()).Ok());
    EXPECT_EQ(reader.Names().front(), "\xC4z-9_.bmp");
}

TEST(SkinReaderOpen, OtherVersionsAreRefusedWithNothingIndexed) {
    for (const std::int32_t version : {19999, 20001, 0, -20000}) {
        RawPackage raw = ThreeMemberPackage();
        raw.Version = version;
        TSkinReader reader;
        const auto result = reader.OpenDecompressed(raw.Bytes());
        EXPECT_EQ(result.Status, TSkinOpenStatus::WrongVersion) << version;
        EXPECT_FALSE(result.Ok());
        EXPECT_NE(result.Reason.find(std::to_string(version)), std::string::npos) << result.Reason;
        EXPECT_EQ(reader.PackageVersion(), version);
        EXPECT_EQ(reader.Count(), 0u);
        EXPECT_TRUE(reader.Data().empty());
        EXPECT_TRUE(reader.ExtractByName("a.bmp").empty());
    }
}

TEST(SkinReaderOpen, MessageTextForOlderPackagesIsExact) {
    EXPECT_EQ(skin::kOlderSkinFileMessage,
              std::string("This is Older Skin File") + '\x0D' + "Please update to new version !");
}

struct CorruptCase {
    const char* Label;
    std::vector<std::uint8_t> Bytes;
    const char* ReasonPart;
};

std::vector<CorruptCase> CorruptCases() {
    std::vector<CorruptCase> cases;
    cases.push_back({"empty input", {}, "shorter than its 16-byte header"});
    {
        auto bytes = ThreeMemberPackage().Bytes();
        bytes.resize(15);
        cases.push_back({"truncated header", bytes, "shorter than its 16-byte header"});
    }
    {
        RawPackage p = ThreeMemberPackage();
        p.NamesLength = -1;
        cases.push_back({"negative name list length", p.Bytes(), "name list length -1"});
    }
    {
        RawPackage p;
        p.NamesText = "a.bmp\r\n";
        p.NamesLength = 8;  // one byte past the end
        cases.push_back({"name list past the end", p.Bytes(), "does not fit"});
    }
    {
        RawPackage p = ThreeMemberPackage();
        p.Sizes.pop_back();
        p.Data.clear();
        auto bytes = p.Bytes();
        bytes.resize(bytes.size() - 1);  // size table of 3 entries cut inside the second
        cases.push_back({"size table past the end", bytes, "size table of 3 entries"});
    }
    {
        RawPackage p = ThreeMemberPackage();
        p.Sizes = {20, -5, 19};
        cases.push_back({"negative member size", p.Bytes(), "negative size"});
    }
    {
        RawPackage p = ThreeMemberPackage();
        p.Sizes = {20, 5, 10};  // one byte more than the data area
        cases.push_back({"sizes past the data area", p.Bytes(), "add up to more than the 34"});
    }
    {
        RawPackage p = ThreeMemberPackage();
        p.Sizes = {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF};
        cases.push_back({"huge sizes", p.Bytes(), "add up to more than"});
    }
    {
        RawPackage p;
        for (int i = 0; i < 1002; ++i) p.NamesText += "m" + std::to_string(i) + ".bmp\r\n";
        p.Sizes.assign(1002, 0);
        cases.push_back({"1002 members", p.Bytes(), "1002 names, more than 1001"});
    }
    {
        RawPackage p;
        p.NamesText = std::string(100000, '\n');  // many members from a short package
        cases.push_back({"100000 empty names", p.Bytes(), "100000 names"});
    }
    return cases;
}

TEST(SkinReaderOpen, CorruptTablesAreRefusedWithTheirReason) {
    for (const CorruptCase& c : CorruptCases()) {
        TSkinReader reader;
        ASSERT_TRUE(reader.OpenDecompressed(ThreeMemberPackage().Bytes()).Ok());
        const auto result = reader.OpenDecompressed(c.Bytes);
        EXPECT_EQ(result.Status, TSkinOpenStatus::Corrupt) << c.Label;
        EXPECT_NE(result.Reason.find(c.ReasonPart), std::string::npos) << c.Label << ": " << result.Reason;
        // nothing of the earlier package survives a failed open
        EXPECT_EQ(reader.Count(), 0u) << c.Label;
        EXPECT_TRUE(reader.Data().empty()) << c.Label;
        EXPECT_TRUE(reader.ExtractByName("a.bmp").empty()) << c.Label;
    }
}

TEST(SkinReaderOpen, ExactlyTheMemberLimitIsAccepted) {
    RawPackage p;
    for (int i = 0; i < 1001; ++i) {
        p.NamesText += "m" + std::to_string(i) + ".bmp\r\n";
        p.Sizes.push_back(1);
        p.Data.push_back(static_cast<std::uint8_t>(i));
    }
    TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(p.Bytes()).Ok());
    EXPECT_EQ(reader.Count(), 1001u);
    EXPECT_EQ(reader.ExtractByName("m1000.bmp"), std::vector<std::uint8_t>{static_cast<std::uint8_t>(1000 & 0xFF)});
}

TEST(SkinReaderOpen, SizesThatFillTheDataAreaExactlyAreAccepted) {
    RawPackage p = ThreeMemberPackage();
    TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(p.Bytes()).Ok());
    EXPECT_EQ(reader.Member(2).size(), 9u);
    EXPECT_THROW(reader.Member(3), std::out_of_range);
}

}  // namespace

// Open on compressed packages: decompression first, then the same indexing.
namespace {

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& plain) {
    return skin::source::EncodeLzhStream(plain);
}

TEST(SkinReaderOpenCompressed, DecompressesThenIndexes) {
    const RawPackage raw = ThreeMemberPackage();
    TSkinReader reader;
    const auto result = reader.Open(Compress(raw.Bytes()));
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(reader.Count(), 3u);
    EXPECT_EQ(reader.ExtractByName("B.BMP"), BytesOf("BBBBBBBBB"));
}

TEST(SkinReaderOpenCompressed, WrongVersionIsFoundAfterFullDecompression) {
    for (const std::int32_t version : {19999, 20001}) {
        RawPackage raw = ThreeMemberPackage();
        raw.Version = version;
        TSkinReader reader;
        EXPECT_EQ(reader.Open(Compress(raw.Bytes())).Status, TSkinOpenStatus::WrongVersion);
        EXPECT_EQ(reader.PackageVersion(), version);
    }
}

TEST(SkinReaderOpenCompressed, CorruptTablesInsideAValidStreamAreRefused) {
    RawPackage raw = ThreeMemberPackage();
    raw.Sizes = {20, 5, 1000};
    TSkinReader reader;
    EXPECT_EQ(reader.Open(Compress(raw.Bytes())).Status, TSkinOpenStatus::Corrupt);
    EXPECT_EQ(reader.Count(), 0u);
}

TEST(SkinReaderOpenCompressed, DeclaredLengthAboveTheLimitPassesTheDecoderError) {
    const std::vector<std::uint8_t> compressed = Compress(ThreeMemberPackage().Bytes());
    TSkinReader reader;
    EXPECT_THROW(reader.Open(compressed, 16), skin::ElzhException);
    EXPECT_EQ(reader.Count(), 0u);
    std::vector<std::uint8_t> huge = {0xFF, 0xFF, 0xFF, 0x7F, 0x00};
    EXPECT_THROW(reader.Open(huge), skin::ElzhException);
}

TEST(SkinReaderOpenCompressed, StreamCutShortIsRefusedNotOverrun) {
    // zero bits replace the missing input: the package decodes to garbage of the declared
    // length, which the table checks must catch or index without overrunning
    const std::vector<std::uint8_t> compressed = Compress(ThreeMemberPackage().Bytes());
    for (std::size_t keep = 4; keep < compressed.size(); ++keep) {
        TSkinReader reader;
        const auto result = reader.Open(std::span<const std::uint8_t>(compressed.data(), keep));
        std::size_t total = 0;
        for (const std::int32_t size : reader.Sizes()) total += static_cast<std::size_t>(size);
        EXPECT_LE(total, reader.Data().size()) << keep;
        if (!result.Ok()) {
            EXPECT_EQ(reader.Count(), 0u) << keep;
        }
    }
}

}  // namespace
