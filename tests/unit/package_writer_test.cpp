// The tools' package writer: exact layout, agreement with the reader, and refusal of
// members the format cannot hold.
#include <gtest/gtest.h>

#include <string>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/source/package_writer.h"
#include "unit/test_files.h"

namespace {

using skin::source::EPackageWriteError;
using skin::source::TPackageMember;
using skin::source::WritePackage;
using test_files::BytesOf;

std::uint32_t Le32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes.at(offset)) | static_cast<std::uint32_t>(bytes.at(offset + 1)) << 8 |
           static_cast<std::uint32_t>(bytes.at(offset + 2)) << 16 |
           static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24;
}

TEST(PackageWriter, LayoutIsHeaderNamesSizesThenData) {
    const std::vector<TPackageMember> members = {{"skin.ini", BytesOf("[A]\r\n")}, {"Frame.BMP", BytesOf("pixels!")}};
    const std::vector<std::uint8_t> out = WritePackage(members);
    const std::string names = "skin.ini\r\nFrame.BMP\r\n";
    ASSERT_EQ(out.size(), 16 + names.size() + 8 + 5 + 7);
    EXPECT_EQ(Le32At(out, 0), 20000u);
    EXPECT_EQ(Le32At(out, 4), names.size());
    EXPECT_EQ(Le32At(out, 8), 0u);
    EXPECT_EQ(Le32At(out, 12), 0u);
    EXPECT_EQ(std::string(out.begin() + 16, out.begin() + 16 + static_cast<std::ptrdiff_t>(names.size())), names);
    const std::size_t table = 16 + names.size();
    EXPECT_EQ(Le32At(out, table), 5u);
    EXPECT_EQ(Le32At(out, table + 4), 7u);
    EXPECT_EQ(std::string(out.begin() + static_cast<std::ptrdiff_t>(table + 8), out.end()), "[A]\r\npixels!");
}

TEST(PackageWriter, ReaderGetsBackEveryMember) {
    std::vector<TPackageMember> members;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 40; ++i) {
        TPackageMember m{"Member" + std::to_string(i) + (i == 0 ? ".ini" : ".bmp"), {}};
        const int size = (i * 37) % 300;  // includes size 0
        for (int b = 0; b < size; ++b) {
            seed = seed * 1103515245u + 12345u;
            m.Bytes.push_back(static_cast<std::uint8_t>(seed >> 24));
        }
        members.push_back(std::move(m));
    }
    skin::TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(WritePackage(members)).Ok());
    ASSERT_EQ(reader.Count(), members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(reader.ExtractByName(members[i].Name), members[i].Bytes) << members[i].Name;
        EXPECT_EQ(reader.Sizes()[i], static_cast<std::int32_t>(members[i].Bytes.size()));
    }
    std::string found;
    EXPECT_EQ(reader.ExtractByPart(".ini", found), members[0].Bytes);
    EXPECT_EQ(found, "member0.ini");
}

TEST(PackageWriter, EmptyAndFullPackagesAreWritten) {
    skin::TSkinReader reader;
    ASSERT_TRUE(reader.OpenDecompressed(WritePackage({})).Ok());
    EXPECT_EQ(reader.Count(), 0u);

    std::vector<TPackageMember> full;
    for (std::size_t i = 0; i < skin::kMaxSkinMembers; ++i) full.push_back({"m" + std::to_string(i) + ".bmp", {}});
    ASSERT_TRUE(reader.OpenDecompressed(WritePackage(full)).Ok());
    EXPECT_EQ(reader.Count(), skin::kMaxSkinMembers);
}

TEST(PackageWriter, MembersTheFormatCannotHoldAreRefused) {
    struct Case {
        std::vector<TPackageMember> Members;
        const char* MessagePart;
    };
    std::vector<TPackageMember> tooMany;
    for (std::size_t i = 0; i <= skin::kMaxSkinMembers; ++i) tooMany.push_back({"m" + std::to_string(i) + ".bmp", {}});
    const std::vector<Case> cases = {
        {{{"", {}}}, "empty name"},
        {{{"a.bmp", {}}, {"b\r.bmp", {}}}, "\"b\\r.bmp\""},
        {{{"b\n.bmp", {}}}, "line break"},
        {{{std::string("b\0.bmp", 6), {}}}, "b\\x00.bmp"},
        {{{"dir/a.bmp", {}}}, "path separator"},
        {{{"..\\a.bmp", {}}}, "path separator"},
        {{{"c:a.bmp", {}}}, "path separator"},
        {tooMany, "at most 1001 members, got 1002"},
    };
    for (const Case& c : cases) {
        try {
            WritePackage(c.Members);
            ADD_FAILURE() << "accepted: " << c.MessagePart;
        } catch (const EPackageWriteError& error) {
            EXPECT_NE(std::string(error.what()).find(c.MessagePart), std::string::npos) << error.what();
        }
    }
}

TEST(PackageWriter, CompressedPackageDecodesToThePlainOne) {
    const std::vector<TPackageMember> members = {{"skin.ini", BytesOf("[Personality]\r\nTop=t.bmp\r\n")},
                                                 {"t.bmp", std::vector<std::uint8_t>(5000, 0x42)}};
    const std::vector<std::uint8_t> compressed = skin::source::WriteCompressedPackage(members);
    EXPECT_LT(compressed.size(), 1000u);
    EXPECT_EQ(skin::DecompressStream(compressed), WritePackage(members));
    skin::TSkinReader reader;
    ASSERT_TRUE(reader.Open(compressed).Ok());
    EXPECT_EQ(reader.ExtractByName("T.BMP"), members[1].Bytes);
}

}  // namespace
