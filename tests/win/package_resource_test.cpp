// A skin package stored as an RCDATA resource of the executable is found, opened and loaded:
// the path the utility takes for its stored skin.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_objects_set.h"
#include "skin/data/skin_reader.h"
#include "skin/data/win/rcdata_resource.h"
#include "unit/test_files.h"

namespace {

std::span<const std::uint8_t> ResourceBytes(const wchar_t* name) {
    return skin::win::RcDataResource(GetModuleHandleW(nullptr), name);
}

TEST(PackageResource, EmbeddedPackageMatchesItsSourceFile) {
    std::span<const std::uint8_t> stored = ResourceBytes(L"MINISKIN");
    ASSERT_FALSE(stored.empty());
    std::vector<std::uint8_t> file = test_files::ReadBytes(TEST_DATA_DIR "/mini-skin.skn");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(std::vector<std::uint8_t>(stored.begin(), stored.end()), file);
}

TEST(PackageResource, EmbeddedPackageOpensAndServesItsMembers) {
    skin::TSkinReader reader;
    ASSERT_TRUE(reader.Open(ResourceBytes(L"MINISKIN")).Ok());

    std::string definitionName;
    std::vector<std::uint8_t> definition = reader.ExtractByPart(".ini", definitionName);
    EXPECT_EQ(definitionName, "skin.ini");
    EXPECT_EQ(definition, test_files::ReadBytes(TEST_DATA_DIR "/mini-skin/skin.ini"));
    EXPECT_EQ(reader.ExtractByName("TOP.BMP"), test_files::ReadBytes(TEST_DATA_DIR "/mini-skin/top.bmp"));

    skin::TQuickIni ini;
    ini.LoadFromStream(std::string_view(reinterpret_cast<const char*>(definition.data()), definition.size()));
    std::string name;
    ini.ReadString("TitlebarSkin", "SkinName", name, "");
    EXPECT_EQ(name, "Mini");
}

TEST(PackageResource, EmbeddedPackageLoadsIntoSkinObjects) {
    skin::TSkinObjects objects;
    skin::TSkinLoadResult result =
        skin::LoadSkinPackage(objects, ResourceBytes(L"MINISKIN"), GetSystemMetrics(SM_CXHSCROLL));
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(objects.SkinName, "Mini");
    EXPECT_FALSE(objects.BorderTop->Map.Empty());
    EXPECT_EQ(objects.BorderTop->FrameCount, 2);
    EXPECT_EQ(objects.ButtonFaceColor, 0x00C0C0C0u);
}

}  // namespace
