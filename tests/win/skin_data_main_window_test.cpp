// The utility's main window carries the one skin data component, with the stored settings
// that make it the main component of the skin manager.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/win/main_skin_data.h"
#include "app/win/main_window.h"
#include "skin/manager/win/skin_manager.h"
#include "win/driver/app_session.h"

using skin::TSkinOption;
using skin::TSkinOptions;
using skin::win::SkinManager;

TEST(SkinDataMainWindow, SkinData1HasTheStoredSettingsAndIsTheDefaultComponent) {
    ui_driver::StartApplicationOnce();
    ASSERT_NE(Form1, nullptr);
    skin::win::TSkinData* data = Form1->SkinData1;
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(Form1->FindComponent("SkinData1"), data);
    EXPECT_EQ(data->DisableTag(), 99);
    EXPECT_EQ(data->SkinFormtype(), skin::TSkinFormType::sfMainform);
    EXPECT_EQ(data->Options(), TSkinOptions{TSkinOption::xoPreview});
    // With xcMainMenu stored, loading switched xcMenuItem off (it was not stored anyway).
    EXPECT_EQ(data->SkinControls(), skin::kDefaultSkinControls);
    EXPECT_TRUE(data->MenuUpdate());
    EXPECT_FALSE(data->MenuMerge());
    EXPECT_FALSE(data->Loading());

    ASSERT_NE(SkinManager, nullptr);
    EXPECT_EQ(SkinManager->DefaultSkinData, data);
    EXPECT_NE(SkinManager->Hook(), nullptr);
    // The test program embeds no stored skin for the main window: the component holds none
    // and loading turned the stored Active off.
    EXPECT_TRUE(data->SkinEmpty());
    EXPECT_FALSE(data->Active());
}

namespace {

std::string SkinPath(const char* name) { return std::string(BUILT_SKINS_DIR) + "/" + name; }

// Sets an environment variable for the length of a test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::string& value) : name_(name) {
        SetEnvironmentVariableW(name_, std::wstring(value.begin(), value.end()).c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_, nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const wchar_t* name_;
};

}  // namespace

TEST(SkinDataMainWindow, SkinFileNamedAtStartUpReplacesTheStoredSkin) {
    ui_driver::StartApplicationOnce();
    auto* form = new TForm(nullptr);
    {
        ScopedEnvironment skin(kSkinFileVariable, SkinPath("meadow.skn"));
        skin::win::TSkinData* data = CreateMainSkinData(form);
        EXPECT_EQ(data->SkinFile(), SkinPath("meadow.skn"));
        EXPECT_FALSE(data->SkinEmpty());
        EXPECT_FALSE(data->PackageStream().empty());
    }
    {
        skin::win::TSkinData* data = CreateMainSkinData(form);
        EXPECT_EQ(data->SkinFile(), "");
    }
    form->Free();
}

// The utility itself embeds the graphite skin framed as the stored property.
TEST(SkinDataMainWindow, UtilityEmbedsALoadableStoredSkin) {
    const std::string exe = std::string(TOOLS_BIN_DIR) + "/tweak.exe";
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << exe;
    auto* data = new skin::win::TSkinData(nullptr);
    EXPECT_TRUE(data->ReadSkinStreamFromResource(module, kStoredSkinResource));
    EXPECT_FALSE(data->SkinEmpty());
    std::ifstream in(SkinPath("graphite.skn"), std::ios::binary);
    const std::vector<std::uint8_t> graphite{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(data->PackageStream(), graphite);
    delete data;
    FreeLibrary(module);
}
