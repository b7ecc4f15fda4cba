// The skin data component's stored skin: SkinStream read from the executable's resources and
// written back byte for byte, damaged streams refused, and what Loaded makes of the result.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/typinfo.h"
#include "framework/win/application.h"
#include "skin/data/skin_stream.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"

using skin::TSkinControls;
using skin::TSkinControlType;
using skin::TSkinFormType;
using skin::win::SkinManager;
using skin::win::TSkinData;

namespace {

class SkinDataStream : public skin_test::SkinDataFixture {};

std::vector<std::uint8_t> Framed(std::int32_t length, std::size_t bytesFollowing) {
    std::vector<std::uint8_t> out(4 + bytesFollowing, 0x5A);
    const auto word = static_cast<std::uint32_t>(length);
    for (int i = 0; i < 4; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(word >> (8 * i));
    return out;
}

TEST_F(SkinDataStream, StoredStreamLoadsAndWritesBackTheSameBytes) {
    const auto stored = skin_test::StoredSkinStream();
    ASSERT_GT(stored.size(), 4u);
    data_ = new TSkinData(nullptr);
    ASSERT_TRUE(data_->ReadSkinStreamFromResource(nullptr, L"SKINSTREAM"));

    EXPECT_FALSE(data_->SkinEmpty());
    EXPECT_EQ(data_->PackageStream().size(), stored.size() - 4);
    EXPECT_EQ(data_->WriteSkinStream(), std::vector<std::uint8_t>(stored.begin(), stored.end()));
    // The display-only property never tells at run time whether a package is held.
    EXPECT_EQ(data_->SkinStore(), "(none)");
}

TEST_F(SkinDataStream, MissingResourceLeavesNoSkin) {
    data_ = new TSkinData(nullptr);
    EXPECT_FALSE(data_->ReadSkinStreamFromResource(nullptr, L"NOSUCHSKIN"));
    EXPECT_TRUE(data_->SkinEmpty());
    EXPECT_TRUE(data_->PackageStream().empty());
    EXPECT_EQ(data_->WriteSkinStream(), Framed(0, 0));
}

TEST_F(SkinDataStream, DamagedStreamsAreRefusedAndTheHeldSkinStays) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> stored;
    };
    const std::vector<Case> cases = {
        {"length word cut short", {0x10, 0x00}},
        {"length runs past the data", Framed(100, 10)},
        {"length above the limit", Framed(0x7FFFFFFF, 16)},
        {"length just above the limit", Framed(static_cast<std::int32_t>(skin::kMaxSkinStreamLength + 1), 8)},
    };
    data_ = new TSkinData(nullptr);
    ASSERT_TRUE(data_->ReadSkinStreamFromResource(nullptr, L"SKINSTREAM"));
    const std::vector<std::uint8_t> held = data_->PackageStream();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(data_->ReadSkinStream(c.stored), skin::SkinStreamError);
        EXPECT_EQ(data_->PackageStream(), held);
        EXPECT_FALSE(data_->SkinEmpty());
    }
}

TEST_F(SkinDataStream, LengthOfZeroOrBelowReadsNothingMore) {
    data_ = new TSkinData(nullptr);
    for (std::int32_t length : {0, -1, -100000}) {
        SCOPED_TRACE(length);
        data_->ReadSkinStream(Framed(length, 8));
        EXPECT_TRUE(data_->PackageStream().empty());
        EXPECT_TRUE(data_->SkinEmpty());
    }
}

TEST_F(SkinDataStream, LoadedWithoutASkinTurnsActiveOffWithoutARequest) {
    data_ = skin_test::LoadedSkinData(nullptr, TSkinFormType::sfMainform, /*withSkin=*/false, /*active=*/true);
    EXPECT_FALSE(data_->Active());
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_EQ(SkinManager->SkinDataList(), std::vector<TSkinData*>{data_});
    EXPECT_FALSE(SkinManager->Enabled);
    EXPECT_FALSE(SkinManager->PendingRequest().has_value());
    EXPECT_NE(SkinManager->Hook(), nullptr);
}

TEST_F(SkinDataStream, LoadedWithASkinAsksForActivation) {
    data_ = skin_test::LoadedSkinData(nullptr, TSkinFormType::sfMainform, /*withSkin=*/true, /*active=*/true);
    EXPECT_TRUE(data_->Active());
    // No window has been activated yet, so the request only switches the manager on.
    EXPECT_TRUE(SkinManager->Enabled);
    EXPECT_FALSE(SkinManager->PendingRequest().has_value());
}

TEST_F(SkinDataStream, LoadedReconcilesTheMenuKinds) {
    struct Case {
        TSkinControls stored;
        TSkinControls loaded;
    };
    const std::vector<Case> cases = {
        {{TSkinControlType::xcSystemMenu, TSkinControlType::xcEdit}, {TSkinControlType::xcEdit}},
        {{TSkinControlType::xcMainMenu, TSkinControlType::xcMenuItem, TSkinControlType::xcSystemMenu},
         {TSkinControlType::xcMainMenu, TSkinControlType::xcSystemMenu}},
    };
    for (const Case& c : cases) {
        auto* data = new TSkinData(nullptr);
        data->SetLoading(true);
        data->SetSkinControls(c.stored);
        data->Loaded();
        EXPECT_EQ(data->SkinControls().ToBits(), c.loaded.ToBits());
        EXPECT_FALSE(data->Loading());
        delete data;
    }
}

TEST_F(SkinDataStream, PublishedPropertiesReadAndWriteByName) {
    data_ = new TSkinData(nullptr);
    EXPECT_EQ(GetPropValue(data_, "Active"), "False");
    EXPECT_EQ(GetIntProp(data_, "DisableTag"), 99);
    EXPECT_EQ(GetIntProp(data_, "SkinControls"), 0x7FFFB);
    EXPECT_EQ(GetIntProp(data_, "Options"), 1 << 3);
    EXPECT_EQ(GetEnumProp(data_, "SkinFormtype"), "sfMainform");
    EXPECT_EQ(GetStrProp(data_, "Version"), "1.0.0.0");
    EXPECT_EQ(GetEnumProp(data_, "MenuUpdate"), "True");
    EXPECT_EQ(GetEnumProp(data_, "MenuMerge"), "False");
    EXPECT_EQ(data_->Skin3rd().size(), 117u);
    EXPECT_EQ(data_->Skin3rd().front(), "TVirtualStringTree=scrollbar");

    EXPECT_TRUE(SetStrProp(data_, "Version", "9.9"));
    EXPECT_EQ(data_->Version(), "1.0.0.0");
    EXPECT_TRUE(SetStrProp(data_, "SkinStore", "(Good)"));
    EXPECT_EQ(data_->SkinStore(), "(none)");
    EXPECT_TRUE(SetEnumProp(data_, "SkinFormtype", "sfDialog"));
    EXPECT_EQ(data_->SkinFormtype(), TSkinFormType::sfDialog);
    EXPECT_TRUE(SetIntProp(data_, "SkinControls", 0x3));
    EXPECT_EQ(data_->SkinControls().ToBits(), 0x3u);
    EXPECT_TRUE(SetStrProp(data_, "Skin3rd", "TFoo=button\r\nTBar=edit\r\n"));
    EXPECT_EQ(data_->Skin3rd(), (std::vector<std::string>{"TFoo=button", "TBar=edit"}));
    EXPECT_EQ(GetStrProp(data_, "Skin3rd"), "TFoo=button\r\nTBar=edit\r\n");
}

TEST_F(SkinDataStream, FormFilterRefusesTheMonthCalendarUnlessTheHandlerSaysOtherwise) {
    data_ = new TSkinData(nullptr);
    struct Case {
        const char* className;
        bool fastReport;
        bool skinned;
    };
    const std::vector<Case> cases = {
        {"SysMonthCal32", false, false},
        {"TForm1", false, true},
        {"TfrPreviewForm", false, true},
        {"TfrPreviewForm", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        TSkinControls controls = skin::kDefaultSkinControls;
        if (c.fastReport) controls.Include(TSkinControlType::xcFastReport);
        data_->SetSkinControls(controls);
        bool doSkin = true;
        data_->DoFormSkin(c.className, doSkin);
        EXPECT_EQ(doSkin, c.skinned);
    }
    std::string asked;
    data_->OnFormSkin = [&](TObject* sender, const std::string& name, bool& doSkin) {
        EXPECT_EQ(sender, data_);
        asked = name;
        doSkin = true;
    };
    bool doSkin = false;
    data_->DoFormSkin("SysMonthCal32", doSkin);
    EXPECT_TRUE(doSkin);
    EXPECT_EQ(asked, "SysMonthCal32");
}

}  // namespace
