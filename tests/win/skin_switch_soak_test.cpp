// A skin author switching skins again and again with windows and a menu open: the gallery's
// control page, a dialog box of Windows' own controls, the gallery's menu form with its menu bar
// and its context menu open on top. The first switch already shows what a fresh start with the
// other skin shows (but for the open menu's width, which the system measured as it opened); a hundred switches leave no GDI object and no window behind, and the screen
// then shows what a fresh start with that skin shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/bmp_io.h"
#include "base/win/dib_section.h"
#include "framework/win/framework.h"
#include "gallery/win/controls_showcase.h"
#include "gallery/win/menus_showcase.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "skin/manager/win/skin_pop_menu.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/skin_soak.h"

using skin::win::SkinManager;

namespace {

constexpr const char* kStartSkin = "graphite";
constexpr const char* kOtherSkin = "meadow";
constexpr int kControlsDialogResource = 300;  // controls_dialog.rc

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

bool SkinnedAndApplied(HWND window) {
    const skin::win::TSkinForm* formSkin = SkinManager != nullptr ? SkinManager->FindFormSkin(window) : nullptr;
    return formSkin != nullptr && formSkin->Phase() == 1;
}

// The open menu window of this thread, or null.
HWND OpenMenuWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 15);
            if (lstrcmpW(name, L"#32768") != 0 || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Whether `menuWindow` has painted with its skin: with the skin's menu background where the skin
// has one, else with the system's drawing of the frame around the skin's items.
bool PaintedWithSkin(HWND menuWindow) {
    if (SkinManager == nullptr || menuWindow == nullptr) return false;
    for (const auto& popup : SkinManager->PopupSkins())
        if (popup->MenuWindow == menuWindow) {
            const skin::TDataSkinObject* image =
                popup->SkinData != nullptr ? popup->SkinData->Objects().MenuBackground.get() : nullptr;
            return image == nullptr || image->Map.Empty() || !popup->BackgroundBitmap.Empty();
        }
    return false;
}

// What is on the screen (what a person sees), as plain RGB pixels.
skin::Bitmap ScreenPicture() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    base::win::DibSection dib(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(dib.Dc(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
    skin::Bitmap picture = dib.Pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.Row(y)[x] &= 0x00FFFFFFu;
    return picture;
}

// The windows a skin author keeps open while trying skins.
class SwitchScene {
public:
    SwitchScene() {
        controls_ = new TControlsForm(nullptr);
        controls_->SetPosition(poDesigned);
        controls_->SetLeft(0);
        controls_->SetTop(0);
        controls_->Show();
        dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kControlsDialogResource), nullptr,
                                     &PlainDialogProc, 0);
        SetWindowPos(dialog_, nullptr, 712, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(dialog_, SW_SHOW);
        menus_ = new TMenusForm(nullptr);
        menus_->SetPosition(poDesigned);
        menus_->SetClientSize(300, 110);
        menus_->SetLeft(0);
        menus_->SetTop(548);
        menus_->Show();
        // The person's mouse rests where no window is: nothing is drawn hot.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        testing_support::PumpMessagesUntil([this] {
            return SkinnedAndApplied(controls_->Handle()) && SkinnedAndApplied(dialog_) &&
                   SkinnedAndApplied(menus_->Handle());
        });
        testing_support::PumpPendingMessages();
    }
    ~SwitchScene() {
        delete menus_;
        DestroyWindow(dialog_);
        delete controls_;
        testing_support::PumpPendingMessages();
    }
    SwitchScene(const SwitchScene&) = delete;
    SwitchScene& operator=(const SwitchScene&) = delete;

    bool AllSkinned() const {
        return SkinnedAndApplied(controls_->Handle()) && SkinnedAndApplied(dialog_) &&
               SkinnedAndApplied(menus_->Handle());
    }
    HWND ControlPage() const { return controls_->Handle(); }

    // Opens the menu form's context menu and runs `whileOpen` inside the menu's loop once the
    // menu has painted with its skin; the menu closes afterwards. False when it never painted.
    bool WithMenuOpen(std::function<void()> whileOpen) {
        pending_ = std::move(whileOpen);
        ran_ = false;
        ticks_ = 0;
        active_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &SwitchScene::WhileOpen);
        menus_->ShowContextMenu();
        KillTimer(nullptr, timer);
        active_ = nullptr;
        testing_support::PumpPendingMessages();
        return ran_;
    }

private:
    static void CALLBACK WhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
        SwitchScene* self = active_;
        if (self == nullptr || self->ran_) return;
        const HWND menu = OpenMenuWindow();
        if (!PaintedWithSkin(menu)) {  // not painted yet: the next tick looks again, for ten seconds
            if (++self->ticks_ < 500) return;
            KillTimer(nullptr, timer);
            EndMenu();
            return;
        }
        KillTimer(nullptr, timer);
        self->ran_ = true;
        testing_support::PumpPendingMessages();
        self->pending_();
        EndMenu();
    }

    static inline SwitchScene* active_ = nullptr;
    TControlsForm* controls_ = nullptr;
    HWND dialog_ = nullptr;
    TMenusForm* menus_ = nullptr;
    std::function<void()> pending_;
    bool ran_ = false;
    int ticks_ = 0;
};

// Switches the main component to `skin`, through the skin file or the stored stream by turns.
void SwitchTo(skin::win::TSkinData& data, const std::string& skin, int turn) {
    if (turn % 2 == 0)
        data.SetSkinFile(std::string(BUILT_SKINS_DIR) + "/" + skin + ".skn");
    else
        data.ReadSkinStream(testing_support::StoredSkinStream(skin));
    testing_support::PumpPendingMessages();
}

void WaitForPendingAction() {
    testing_support::PumpMessagesUntil([] { return SkinManager == nullptr || !SkinManager->PendingRequest(); });
    testing_support::PumpPendingMessages();
}

// Kept beside the test binary for a person to look at when the pictures differ.
void SavePicture(const skin::Bitmap& picture, const char* name) {
    const std::vector<std::uint8_t> bytes = base::WriteBmp24(picture);
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Difference {
    int count = 0;
    int firstX = -1;
    int firstY = -1;
};

// The parts of the screen compared against a fresh start: the whole screen, so every window's
// frame, caption buttons, menu bar, controls and the open menu are covered.
Difference CompareScenePictures(const skin::Bitmap& fresh, const skin::Bitmap& switched, const RECT& skipped) {
    Difference difference;
    for (int y = 0; y < fresh.Height(); ++y)
        for (int x = 0; x < fresh.Width(); ++x) {
            if (fresh.Row(y)[x] == switched.Row(y)[x]) continue;
            if (x >= skipped.left && x < skipped.right && y >= skipped.top && y < skipped.bottom) continue;
            if (difference.count++ == 0) {
                difference.firstX = x;
                difference.firstY = y;
            }
        }
    return difference;
}

skin::Bitmap FreshStartPicture(const char* skinName) {
    auto data = testing_support::ActiveMainSkinData(skinName);
    skin::Bitmap picture;
    {
        SwitchScene scene;
        EXPECT_TRUE(scene.AllSkinned());
        EXPECT_TRUE(scene.WithMenuOpen([&] { picture = ScreenPicture(); }));
    }
    testing_support::ReleaseMainSkinData(std::move(data));
    return picture;
}

// Compares `switched` with `fresh`; both pictures are kept beside the test binary when they differ.
void ExpectSamePicture(const skin::Bitmap& fresh, const skin::Bitmap& switched, const std::string& name,
                       const RECT& skipped = {}) {
    const Difference difference = CompareScenePictures(fresh, switched, skipped);
    EXPECT_EQ(difference.count, 0) << name << ": first difference at (" << difference.firstX << ", "
                                   << difference.firstY << ")";
    if (difference.count == 0) return;
    SavePicture(fresh, (name + "-fresh.bmp").c_str());
    SavePicture(switched, (name + "-switched.bmp").c_str());
}

TEST(SkinSwitchSoak, HundredSwitchesWithWindowsAndMenuOpenLeaveNoGrowthAndFreshPixels) {
    const skin::Bitmap freshStart = FreshStartPicture(kStartSkin);
    const skin::Bitmap freshOther = FreshStartPicture(kOtherSkin);
    ASSERT_FALSE(freshStart.Empty());
    ASSERT_FALSE(freshOther.Empty());

    auto data = testing_support::ActiveMainSkinData(kStartSkin);
    {
        SwitchScene scene;
        ASSERT_TRUE(scene.AllSkinned());
        skin::Bitmap firstSwitch;
        skin::Bitmap lastSwitch;
        RECT openMenu{};
        int gdiBefore = 0;
        int windowsBefore = 0;
        int gdiAfter = 0;
        int windowsAfter = 0;
        const bool ran = scene.WithMenuOpen([&] {
            // The first switch fills what lives as long as the process; it also shows that the
            // open windows and the open menu follow a switch at once.
            SwitchTo(*data, kOtherSkin, 0);
            firstSwitch = ScreenPicture();
            // The open menu keeps the width it was measured at under the first skin (the system
            // measures a menu as it opens): its right part is left out.
            GetWindowRect(OpenMenuWindow(), &openMenu);
            openMenu.left = (openMenu.left + openMenu.right) / 2;
            openMenu.right += 8;  // and the other skin's wider menu beside it
            SwitchTo(*data, kStartSkin, 1);
            WaitForPendingAction();
            gdiBefore = testing_support::CountGdiObjects();
            windowsBefore = testing_support::CountThreadWindows();
            for (int turn = 0; turn < 100; ++turn) SwitchTo(*data, turn % 2 == 0 ? kOtherSkin : kStartSkin, turn);
            WaitForPendingAction();
            gdiAfter = testing_support::CountGdiObjects();
            windowsAfter = testing_support::CountThreadWindows();
            lastSwitch = ScreenPicture();
        });
        ASSERT_TRUE(ran);
        EXPECT_EQ(gdiAfter - gdiBefore, 0);
        EXPECT_EQ(windowsAfter - windowsBefore, 0);
        EXPECT_TRUE(scene.AllSkinned());
        ExpectSamePicture(freshOther, firstSwitch, "switch-first", openMenu);
        ExpectSamePicture(freshStart, lastSwitch, "switch-last");
    }
    testing_support::ReleaseMainSkinData(std::move(data));
}

}  // namespace
