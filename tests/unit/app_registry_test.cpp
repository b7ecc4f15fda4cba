// The registry object and the in-memory registry the tweak tests run against.
#include <gtest/gtest.h>

#include "app/memory_registry.h"
#include "app/registry.h"

namespace {

RegValue Text(std::string_view text) { return RegValue{kRegSz, {text.begin(), text.end()}}; }

TEST(AppMemoryRegistry, OpenOnlyNeedsAnExistingKeyWhileCreateMakesParentsToo) {
    MemoryRegistry reg;
    EXPECT_EQ(reg.OpenKey(RegRoot::CurrentUser, "A\\B", kKeyAllAccess), nullptr);
    EXPECT_FALSE(reg.KeyExists(RegRoot::CurrentUser, "A"));
    ASSERT_NE(reg.CreateKey(RegRoot::CurrentUser, "A\\B", kKeyAllAccess), nullptr);
    EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, "a"));
    EXPECT_TRUE(reg.KeyExists(RegRoot::CurrentUser, "a\\b"));
    EXPECT_FALSE(reg.KeyExists(RegRoot::LocalMachine, "A\\B"));  // roots are separate
    EXPECT_NE(reg.OpenKey(RegRoot::CurrentUser, "a\\B", kKeyRead), nullptr);
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST(AppMemoryRegistry, ValuesKeepTypeAndBytesAndNamesIgnoreCase) {
    MemoryRegistry reg;
    {
        auto key = reg.CreateKey(RegRoot::LocalMachine, "K", kKeyAllAccess);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(reg.OpenHandles(), 1);
        const std::uint8_t bytes[] = {'h', 'i'};
        EXPECT_EQ(key->SetValue("Name", kRegSz, bytes), RegStatus::Ok);
        const auto read = key->QueryValue("NAME");
        ASSERT_TRUE(read);
        EXPECT_EQ(read->type, kRegSz);
        EXPECT_EQ(read->data, (std::vector<std::uint8_t>{'h', 'i'}));
        EXPECT_EQ(key->DeleteValue("name"), RegStatus::Ok);
        EXPECT_EQ(key->DeleteValue("name"), RegStatus::NotFound);
        EXPECT_FALSE(key->QueryValue("Name"));
    }
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST(AppMemoryRegistry, FailureRulesCoverAKeyAndEverythingBelowIt) {
    MemoryRegistry reg;
    reg.PutValue(RegRoot::LocalMachine, "Soft\\Win", "V", Text("x"));
    reg.PutValue(RegRoot::LocalMachine, "Software", "V", Text("x"));
    reg.DenyWriteAccess(RegRoot::LocalMachine, "Soft");
    RegStatus status{};
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, "Soft\\Win", kKeyAllAccess, status), nullptr);
    EXPECT_EQ(status, RegStatus::AccessDenied);
    EXPECT_EQ(reg.OpenKey(RegRoot::LocalMachine, "Soft\\Missing", kKeyRead, status), nullptr);
    EXPECT_EQ(status, RegStatus::NotFound);
    auto readOnly = reg.OpenKey(RegRoot::LocalMachine, "Soft\\Win", kKeyRead);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_EQ(readOnly->SetValue("V", kRegDword, {}), RegStatus::AccessDenied);
    EXPECT_EQ(readOnly->DeleteValue("V"), RegStatus::AccessDenied);
    // "Software" only shares a prefix of characters, not of key names.
    EXPECT_NE(reg.OpenKey(RegRoot::LocalMachine, "Software", kKeyAllAccess), nullptr);

    reg.DenyOpen(RegRoot::CurrentUser, "");
    EXPECT_EQ(reg.CreateKey(RegRoot::CurrentUser, "Any", kKeyAllAccess), nullptr);
    EXPECT_EQ(reg.KeyCount(), 3u);

    reg.DenyCreate(RegRoot::LocalMachine, "New");
    EXPECT_EQ(reg.CreateKey(RegRoot::LocalMachine, "New\\Sub", kKeyAllAccess, status), nullptr);
    EXPECT_EQ(status, RegStatus::AccessDenied);
    EXPECT_FALSE(reg.KeyExists(RegRoot::LocalMachine, "New"));

    reg.FailWrites(RegRoot::LocalMachine, "Software", "Bad");
    auto key = reg.OpenKey(RegRoot::LocalMachine, "Software", kKeyAllAccess);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->SetValue("bad", kRegDword, {}), RegStatus::Failed);
    EXPECT_EQ(key->SetValue("Good", kRegDword, {}), RegStatus::Ok);
}

TEST(AppRegistryObject, OpenKeyDropsSeparatorsAndCreatesOnlyWhenAsked) {
    MemoryRegistry backend;
    TRegistry reg(backend, RegRoot::CurrentUser, kKeyAllAccess);
    EXPECT_FALSE(reg.OpenKey("\\Software\\X\\", false));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_TRUE(reg.OpenKey("\\Software\\X\\", true));
    EXPECT_TRUE(backend.KeyExists(RegRoot::CurrentUser, "Software\\X"));
    EXPECT_TRUE(reg.HasCurrentKey());
    reg.CloseKey();
    EXPECT_EQ(backend.OpenHandles(), 0);
}

TEST(AppRegistryObject, WriteIntegerStoresFourLittleEndianBytesOrRaisesWithTheValueName) {
    MemoryRegistry backend;
    TRegistry reg(backend, RegRoot::CurrentUser, kKeyAllAccess);
    ASSERT_TRUE(reg.OpenKey("K", true));
    reg.WriteInteger("Num", 0x01020304);
    const auto value = backend.Value(RegRoot::CurrentUser, "K", "Num");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, kRegDword);
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{4, 3, 2, 1}));

    backend.FailWrites(RegRoot::CurrentUser, "K", "Num");
    try {
        reg.WriteInteger("Num", 7);
        FAIL() << "no error raised";
    } catch (const ETweakError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Num'");
    }
    reg.CloseKey();
    EXPECT_THROW(reg.WriteInteger("Other", 1), ETweakError);
}

TEST(AppRegistryObject, ReadStringFollowsTheTypeRule) {
    MemoryRegistry backend;
    backend.PutValue(RegRoot::LocalMachine, "K", "Plain", Text("abc"));
    backend.PutValue(RegRoot::LocalMachine, "K", "Zeroed", RegValue{kRegSz, {'a', 'b', 0, 'c', 0}});
    backend.PutValue(RegRoot::LocalMachine, "K", "Expand", RegValue{kRegExpandSz, {'%', 'x', '%'}});
    backend.PutValue(RegRoot::LocalMachine, "K", "Empty", RegValue{kRegDword, {}});
    backend.PutValue(RegRoot::LocalMachine, "K", "Number", RegValue{kRegDword, {1, 0, 0, 0}});
    backend.PutValue(RegRoot::LocalMachine, "K", "Blob", RegValue{kRegBinary, {'a'}});
    TRegistry reg(backend, RegRoot::LocalMachine, kKeyRead);
    EXPECT_EQ(reg.ReadString("Plain"), "");  // no current key yet
    ASSERT_TRUE(reg.OpenKey("K", false));
    EXPECT_EQ(reg.ReadString("Plain"), "abc");
    EXPECT_EQ(reg.ReadString("Zeroed"), "ab");
    EXPECT_EQ(reg.ReadString("Expand"), "%x%");
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_EQ(reg.ReadString("Empty"), "");  // size 0 wins over the wrong type
    EXPECT_THROW(reg.ReadString("Blob"), ETweakError);
    try {
        reg.ReadString("Number");
        FAIL() << "no error raised";
    } catch (const ETweakError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Number'");
    }
}

TEST(AppRegistryObject, DeleteValueNeedsACurrentKeyAndTheValue) {
    MemoryRegistry backend;
    backend.PutValue(RegRoot::CurrentUser, "K", "V", Text("1"));
    TRegistry reg(backend, RegRoot::CurrentUser, kKeyAllAccess);
    EXPECT_FALSE(reg.DeleteValue("V"));
    ASSERT_TRUE(reg.OpenKey("K", false));
    EXPECT_TRUE(reg.DeleteValue("V"));
    EXPECT_FALSE(reg.DeleteValue("V"));
    EXPECT_FALSE(backend.Value(RegRoot::CurrentUser, "K", "V"));
}

}  // namespace
