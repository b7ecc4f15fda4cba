#pragma once
// Shared by the skin data and skin manager tests: the embedded skin, components loaded the way
// a form loads them, and bare top-level windows of this module.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "framework/win/application.h"
#include "skin/data/win/skin_data.h"
#include "skin/manager/win/skin_manager.h"

namespace skin_test {

// A test that may create one skin data component (data_): the manager it starts and the
// component are freed after each test.
class SkinDataFixture : public ::testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
    void TearDown() override {
        delete data_;
        skin::win::FreeSkinManager();
    }
    skin::win::TSkinData* data_ = nullptr;
};

// The RCDATA resource of the test executable holding the graphite skin as a stored SkinStream.
inline std::span<const std::uint8_t> StoredSkinStream() {
    HRSRC info = FindResourceW(nullptr, L"SKINSTREAM", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (info == nullptr) return {};
    HGLOBAL handle = LoadResource(nullptr, info);
    const void* data = handle != nullptr ? LockResource(handle) : nullptr;
    if (data == nullptr) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, info)};
}

// A component as reading a form leaves it: settings, stored skin (when `withSkin`), Loaded.
inline skin::win::TSkinData* LoadedSkinData(TComponent* owner, skin::TSkinFormType type, bool withSkin = true,
                                            bool active = false) {
    auto* data = new skin::win::TSkinData(owner);
    data->SetLoading(true);
    data->SetSkinFormtype(type);
    data->SetActive(active);
    if (withSkin) data->ReadSkinStreamFromResource(nullptr, L"SKINSTREAM");
    data->Loaded();
    return data;
}

// A window of this module that destroys itself when it ends. `answerIsSkinned` makes it answer
// SM_ISSKINNED with 1, as a window another skin already handles does.
class TestWindow {
public:
    struct Options {
        DWORD style = WS_OVERLAPPEDWINDOW;
        int width = 200;
        int height = 150;
        HWND parent = nullptr;
        HINSTANCE instance = nullptr;  // null: this module
        const wchar_t* className = L"SkinTestWindow";
        bool answerIsSkinned = false;
    };
    explicit TestWindow(const Options& options);
    ~TestWindow() {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Whether SM_SKINCONTROLS (wParam 0, lParam 1000) waits in `window`'s queue; takes it out.
bool TakeSkinControlsRequest(HWND window);

}  // namespace skin_test
