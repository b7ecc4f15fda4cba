// Control skins after a skin switch: the gallery's two pages of controls skinned with graphite
// and switched to meadow show, pixel for pixel, what the same pages started with meadow show; and
// switching back and forth with the pages open leaves no GDI object or window behind.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/bmp_io.h"
#include "control_pixels.h"
#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "gallery/win/controls_showcase.h"
#include "gallery/win/ranges_showcase.h"
#include "skin/controls/win/skin_control.h"
#include "skin/data/skin_image.h"
#include "skin/form/win/skin_form.h"
#include "support/built_skins.h"
#include "support/control_forms.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/skin_soak.h"

namespace {

using skin::win::TSkinControl;
using skin::win::TSkinData;
using skin::win::TSkinForm;

// What the form skin does with its controls after the skin changed (its re-apply step): the
// form's colour and frame follow the new skin, and every control skin re-applies it.
void ReapplySkin(TSkinForm& formSkin) {
    formSkin.ReapplySkin();
    const std::vector<TSkinControl*> skins = formSkin.ControlSkins();
    for (TSkinControl* skin : skins) skin->SkinChange();
}

// The same resting state for every picture: no control hot under the cursor, no caret blinking
// in an edit, every pending paint done.
void Settle(TForm* form) {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    SetFocus(form->Handle());
    testing_support::PumpMessagesFor(150);
}

// The form's client area as the screen shows it, without its outermost two pixels, where the
// form skin's frame meets it.
skin::Bitmap ClientPixels(HWND window) {
    const skin::Bitmap whole = testing_support::ScreenOfWindow(window);
    POINT offset = form_test::ClientOffset(window);
    const RECT client = form_test::ClientRectOf(window);
    offset.x += 2;
    offset.y += 2;
    skin::Bitmap pixels(client.right - client.left - 4, client.bottom - client.top - 4);
    skin::CopyBitmapRect(pixels, 0, 0, whole,
                         {offset.x, offset.y, offset.x + pixels.Width(), offset.y + pixels.Height()});
    return pixels;
}

void SaveForLooking(const skin::Bitmap& pixels, const std::string& name) {
    const std::vector<std::uint8_t> bmp = base::WriteBmp24(pixels);
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
}

struct Page {
    const char* Name;
    TForm* (*Make)();
};

TForm* MakeControlsPage() { return new TControlsForm(nullptr); }
TForm* MakeRangesPage() { return new TRangesForm(nullptr); }

// A page shown at a fixed place and skinned with `data`.
TSkinForm* ShowPageSkinned(TForm* form, TSkinData& data) {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    form->SetBounds(10, 10, form->Width(), form->Height());
    form->Show();
    TSkinForm* formSkin = testing_support::SkinFrameworkForm(data, form);
    testing_support::PumpPendingMessages();
    return formSkin;
}

TEST(ControlsSkinSwitch, SwitchedPagesShowWhatAFreshStartShows) {
    Application->Initialize();
    for (const Page page : {Page{"ControlsPage", &MakeControlsPage}, Page{"RangesPage", &MakeRangesPage}}) {
        SCOPED_TRACE(page.Name);
        auto switched = testing_support::HeldSkinData("graphite");
        TForm* form = page.Make();
        TSkinForm* formSkin = ShowPageSkinned(form, *switched);
        ASSERT_GE(formSkin->ControlSkins().size(), 10u);
        Settle(form);
        const skin::Bitmap before = ClientPixels(form->Handle());
        switched->SetSkinFile(testing_support::BuiltSkinFile("meadow"));
        ASSERT_FALSE(switched->SkinEmpty());
        ReapplySkin(*formSkin);
        Settle(form);
        const skin::Bitmap after = ClientPixels(form->Handle());
        delete form;
        testing_support::PumpPendingMessages();

        auto fresh = testing_support::HeldSkinData("meadow");
        form = page.Make();
        ShowPageSkinned(form, *fresh);
        Settle(form);
        const skin::Bitmap expected = ClientPixels(form->Handle());
        delete form;
        testing_support::PumpPendingMessages();

        ASSERT_EQ(after.Width(), expected.Width());
        ASSERT_EQ(after.Height(), expected.Height());
        // The two skins differ on the page, or the comparison proves nothing.
        EXPECT_GT(testing_support::CountMismatches(before, expected), expected.Width() * expected.Height() / 4);
        const int mismatches = testing_support::CountMismatches(after, expected);
        EXPECT_EQ(mismatches, 0);
        if (mismatches != 0) {
            SaveForLooking(after, std::string("switched-") + page.Name + ".bmp");
            SaveForLooking(expected, std::string("fresh-") + page.Name + ".bmp");
        }
    }
}

TEST(ControlsSkinSwitch, SwitchingBackAndForthLeavesNoObjectsBehind) {
    Application->Initialize();
    auto data = testing_support::HeldSkinData("graphite");
    TForm* controls = MakeControlsPage();
    TForm* ranges = MakeRangesPage();
    TSkinForm* controlsSkin = ShowPageSkinned(controls, *data);
    TSkinForm* rangesSkin = ShowPageSkinned(ranges, *data);
    const auto switchTo = [&](const char* name) {
        data->SetSkinFile(testing_support::BuiltSkinFile(name));
        ReapplySkin(*controlsSkin);
        ReapplySkin(*rangesSkin);
        RedrawWindow(controls->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RedrawWindow(ranges->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testing_support::PumpPendingMessages();
    };
    // The first rounds fill caches that live as long as the process.
    switchTo("meadow");
    switchTo("graphite");
    const std::size_t skins = controlsSkin->ControlSkins().size() + rangesSkin->ControlSkins().size();
    const int gdi = testing_support::CountGdiObjects();
    const int windows = testing_support::CountThreadWindows();
    for (int i = 0; i < 20; ++i) switchTo(i % 2 == 0 ? "meadow" : "graphite");
    EXPECT_EQ(testing_support::CountGdiObjects(), gdi);
    EXPECT_EQ(testing_support::CountThreadWindows(), windows);
    EXPECT_EQ(controlsSkin->ControlSkins().size() + rangesSkin->ControlSkins().size(), skins);
    delete controls;
    delete ranges;
    testing_support::PumpPendingMessages();
}

}  // namespace
