// Setting SkinFile at run time: a skin file replaces the stored package; a missing file is
// ignored and a file above the size limit refused, both leaving the component without a skin.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/win/application.h"
#include "skin/data/skin_stream.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"
#include "support/built_skins.h"
#include "support/message_pump.h"
#include "unit/test_files.h"

using skin::TSkinFormType;
using skin::win::SkinManager;
using skin::win::TSkinData;

namespace {

using testing_support::BuiltSkinFile;

std::string TempPath(const char* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::string path;
    for (const wchar_t* c = folder; *c != 0; ++c) path += static_cast<char>(*c);
    return path + name;
}

// A file of `size` bytes whose content is never written (sparse where the file system allows).
void MakeFileOfSize(const std::string& path, std::uint64_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    base::win::UniqueKernelHandle owner(file);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
}

class SkinDataFile : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        data_ = new TSkinData(nullptr);
        ASSERT_TRUE(data_->ReadSkinStreamFromResource(nullptr, L"SKINSTREAM"));
        stored_ = data_->PackageStream();
    }
    void TearDown() override {
        delete data_;
        skin::win::FreeSkinManager();
    }
    TSkinData* data_ = nullptr;
    std::vector<std::uint8_t> stored_;
};

TEST_F(SkinDataFile, SwitchingBetweenSkinFilesLoadsEach) {
    const auto meadow = test_files::ReadBytes(BuiltSkinFile("meadow"));
    const auto graphite = test_files::ReadBytes(BuiltSkinFile("graphite"));
    ASSERT_FALSE(meadow.empty());
    ASSERT_FALSE(graphite.empty());
    ASSERT_NE(meadow, graphite);

    data_->SetSkinFile(BuiltSkinFile("meadow"));
    EXPECT_EQ(data_->SkinFile(), BuiltSkinFile("meadow"));
    EXPECT_EQ(data_->PackageStream(), meadow);
    EXPECT_FALSE(data_->SkinEmpty());
    const TColor meadowFace = data_->Objects().ButtonFaceColor;

    data_->SetSkinFile(BuiltSkinFile("graphite"));
    EXPECT_EQ(data_->PackageStream(), graphite);
    EXPECT_FALSE(data_->SkinEmpty());
    EXPECT_NE(data_->Objects().ButtonFaceColor, meadowFace);
    // The stored form of a file-loaded skin is the file, framed.
    std::vector<std::uint8_t> framed;
    skin::WriteSkinStream(graphite, framed);
    EXPECT_EQ(data_->WriteSkinStream(), framed);
}

TEST_F(SkinDataFile, MissingFileIsIgnoredButTheSkinCountsAsGone) {
    data_->SetSkinFile(BUILT_SKINS_DIR "/no-such-skin.skn");
    EXPECT_TRUE(data_->SkinEmpty());
    EXPECT_EQ(data_->PackageStream(), stored_);
}

TEST_F(SkinDataFile, FileAboveTheLimitIsRefusedUnread) {
    const std::string path = TempPath("skin_data_oversized.skn");
    MakeFileOfSize(path, skin::kMaxSkinStreamLength + 1);
    data_->SetSkinFile(path);
    EXPECT_TRUE(data_->SkinEmpty());
    EXPECT_EQ(data_->PackageStream(), stored_);
    DeleteFileA(path.c_str());
}

TEST_F(SkinDataFile, NewSkinFileWhileRunningAsksTheManagerOnce) {
    delete data_;
    data_ = skin_test::LoadedSkinData(nullptr, TSkinFormType::sfMainform);
    SkinManager->State = 1;
    int changed = 0;
    data_->OnSkinChanged = [&](TObject* sender) {
        EXPECT_EQ(sender, data_);
        ++changed;
    };
    data_->SetSkinFile(BuiltSkinFile("meadow"));
    ASSERT_TRUE(SkinManager->PendingRequest().has_value());
    EXPECT_EQ(SkinManager->PendingRequest()->action, skin::manager::SkinAction::SkinChanged);
    EXPECT_TRUE(testing_support::PumpMessagesUntil([&] { return changed > 0; }));
    EXPECT_EQ(changed, 1);
    EXPECT_FALSE(SkinManager->PendingRequest().has_value());
    EXPECT_EQ(SkinManager->Requester, nullptr);
}

}  // namespace
