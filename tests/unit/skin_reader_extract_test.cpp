// Member lookup rules: first occurrence wins, ExtractByName lower-cases its argument,
// ExtractByPart compares the part as given.
#include <gtest/gtest.h>

#include "skin/data/skin_reader.h"
#include "unit/skin_reader_raw_package.h"

namespace {

using skin::TSkinReader;
using skin_test::BytesOf;
using skin_test::RawPackage;

// Members: "first.ini"(3) "pic.bmp"(4) "empty.bmp"(0) "pic.bmp"(2, repeated) "second.ini"(5)
RawPackage LookupPackage() {
    RawPackage p;
    p.NamesText = "First.ini\r\nPIC.bmp\r\nempty.bmp\r\npic.BMP\r\nsecond.INI\r\n";
    p.Sizes = {3, 4, 0, 2, 5};
    p.Data = BytesOf("iiiPPPPqqSSSSS");
    return p;
}

class SkinReaderExtract : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reader.OpenDecompressed(LookupPackage().Bytes()).Ok()); }
    TSkinReader reader;
};

TEST_F(SkinReaderExtract, RepeatedNameAlwaysYieldsTheFirstCopy) {
    EXPECT_EQ(reader.ExtractByName("pic.bmp"), BytesOf("PPPP"));
    EXPECT_EQ(reader.IndexOfName("pic.bmp"), 1);
    std::string found;
    EXPECT_EQ(reader.ExtractByPart("pic", found), BytesOf("PPPP"));
    EXPECT_EQ(found, "pic.bmp");
}

TEST_F(SkinReaderExtract, ByNameLowerCasesTheRequestedName) {
    EXPECT_EQ(reader.ExtractByName("FIRST.INI"), BytesOf("iii"));
    EXPECT_EQ(reader.ExtractByName("Pic.Bmp"), BytesOf("PPPP"));
    EXPECT_EQ(reader.ExtractByName("Second.Ini"), BytesOf("SSSSS"));
}

TEST_F(SkinReaderExtract, ByNameNeedsTheWholeName) {
    std::vector<std::uint8_t> target = BytesOf("stale");
    EXPECT_FALSE(reader.ExtractByName("pic", target));
    EXPECT_TRUE(target.empty());
    EXPECT_FALSE(reader.ExtractByName("pic.bmp ", target));
    EXPECT_FALSE(reader.ExtractByName("xpic.bmp", target));
    EXPECT_EQ(reader.IndexOfName("missing.bmp"), -1);
}

TEST_F(SkinReaderExtract, ZeroSizeMemberIsFoundButEmpty) {
    std::vector<std::uint8_t> target = BytesOf("stale");
    EXPECT_TRUE(reader.ExtractByName("EMPTY.bmp", target));
    EXPECT_TRUE(target.empty());
    EXPECT_EQ(reader.IndexOfName("empty.bmp"), 2);
}

TEST_F(SkinReaderExtract, ByPartFindsTheFirstContainingMemberAndItsName) {
    std::string found = "stale";
    EXPECT_EQ(reader.ExtractByPart(".ini", found), BytesOf("iii"));
    EXPECT_EQ(found, "first.ini");
    EXPECT_EQ(reader.ExtractByPart("cond", found), BytesOf("SSSSS"));
    EXPECT_EQ(found, "second.ini");
    EXPECT_EQ(reader.ExtractByPart("ty.b", found), std::vector<std::uint8_t>{});
    EXPECT_EQ(found, "empty.bmp");
}

TEST_F(SkinReaderExtract, ByPartDoesNotLowerCaseThePart) {
    std::string found = "stale";
    std::vector<std::uint8_t> target = BytesOf("stale");
    EXPECT_FALSE(reader.ExtractByPart(".INI", target, found));
    EXPECT_TRUE(target.empty());
    EXPECT_TRUE(found.empty());
    EXPECT_FALSE(reader.ExtractByPart("Pic", target, found));
    EXPECT_EQ(reader.IndexOfPart("PIC"), -1);
}

TEST_F(SkinReaderExtract, EmptyPartMatchesNothing) {
    std::string found;
    EXPECT_TRUE(reader.ExtractByPart("", found).empty());
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(reader.IndexOfPart(""), -1);
}

TEST_F(SkinReaderExtract, MembersAreContiguousSlicesOfTheDataArea) {
    const auto data = reader.Data();
    std::size_t offset = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        const auto member = reader.Member(i);
        ASSERT_EQ(member.size(), static_cast<std::size_t>(reader.Sizes()[i]));
        EXPECT_EQ(member.data(), data.data() + offset) << i;
        offset += member.size();
    }
    EXPECT_EQ(offset, data.size());
}

}  // namespace

namespace {

TEST(SkinReaderMessages, MemberNamesInMessagesAreEscapedAndBounded) {
    EXPECT_EQ(skin::QuotedMemberName("a.bmp"), "\"a.bmp\"");
    EXPECT_EQ(skin::QuotedMemberName(std::string("a\r\n\x01\x7F", 5)), "\"a\\r\\n\\x01\\x7F\"");
    const std::string longName(1000, 'n');
    EXPECT_EQ(skin::QuotedMemberName(longName), "\"" + std::string(80, 'n') + "...\"");
}

TEST(SkinReaderMessages, CorruptReasonNamesTheOffendingMember) {
    skin_test::RawPackage p;
    p.NamesText = "ok.bmp\r\nbad\x02.bmp\r\n";
    p.Sizes = {1, -3};
    p.Data = skin_test::BytesOf("x");
    TSkinReader reader;
    const auto result = reader.OpenDecompressed(p.Bytes());
    EXPECT_EQ(result.Status, skin::TSkinOpenStatus::Corrupt);
    EXPECT_NE(result.Reason.find("\"bad\\x02.bmp\" has a negative size (-3)"), std::string::npos) << result.Reason;
}

}  // namespace

namespace {

TEST(SkinReaderMessages, FailureTextsForTheUser) {
    EXPECT_EQ(skin::SkinOpenFailureMessage({skin::TSkinOpenStatus::WrongVersion, "package version 1"}),
              skin::kOlderSkinFileMessage);
    EXPECT_EQ(skin::SkinOpenFailureMessage({skin::TSkinOpenStatus::Corrupt, "the size table ..."}),
              "This skin file is damaged\rthe size table ...");
    EXPECT_EQ(skin::SkinOpenFailureMessage({}), "");
}

}  // namespace
