// The gallery's pin caption button under real mouse input: a window that answers
// SM_SYSBUTTONVISIBLE shows it, and a click reaches the window as SM_SYSBUTTONCLICK, which pins
// it on top and unpins it again; a window that does not answer never shows it.

#include <gtest/gtest.h>

#include <optional>

#include "form_skin_fixture.h"
#include "gallery/win/showcase_forms.h"
#include "support/message_pump.h"

namespace {

using form_test::AttachSkin;
using form_test::InputThread;
using form_test::LoadSkin;
using form_test::MouseButton;
using form_test::MoveMouseTo;
using form_test::WindowRectOf;

std::optional<std::size_t> PinButton(const skin::win::TSkinForm& form) {
    const auto buttons = form.CaptionButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].Action() == static_cast<int>(TPinnableForm::kPinAction)) return i;
    return std::nullopt;
}

bool IsTopmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// A left click at a screen point sent from an input thread, waited for.
void ClickOnInputThread(POINT screen) {
    InputThread input([screen] {
        MoveMouseTo(screen);
        MouseButton(true);
        MouseButton(false);
    });
    input.Join();
}

class GalleryPinButton : public testing::TestWithParam<const char*> {};

TEST_P(GalleryPinButton, ShowsOnlyOnTheWindowThatAsksAndTogglesPinning) {
    auto skin = LoadSkin(GetParam());
    auto* pinnable = new TPinnableForm(nullptr);
    auto* plain = new TSizableForm(nullptr);
    pinnable->Show();
    plain->Show();
    {
        auto pinnableSkin = AttachSkin(*skin, pinnable->Handle());
        auto plainSkin = AttachSkin(*skin, plain->Handle());
        testing_support::PumpPendingMessages();

        const auto plainPin = PinButton(*plainSkin);
        ASSERT_TRUE(plainPin) << "the gallery skin has no pin button";
        EXPECT_FALSE(plainSkin->CaptionButtons()[*plainPin].Visible);
        plain->Hide();  // both are centred on the screen: the clicks are for the pinnable one

        const auto pin = PinButton(*pinnableSkin);
        ASSERT_TRUE(pin);
        ASSERT_TRUE(pinnableSkin->CaptionButtons()[*pin].Visible);
        EXPECT_GT(pinnable->VisibilityQuestions(), 0);

        SetForegroundWindow(pinnable->Handle());
        testing_support::PumpPendingMessages();
        const skin::Rect bounds = pinnableSkin->CaptionButtons()[*pin].BoundsRect;
        const RECT outer = WindowRectOf(pinnable->Handle());
        const POINT centre{outer.left + (bounds.Left + bounds.Right) / 2, outer.top + (bounds.Top + bounds.Bottom) / 2};

        ASSERT_EQ(WindowFromPoint(centre), pinnable->Handle());
        ClickOnInputThread(centre);
        ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return pinnable->PinClicks() == 1; }));
        EXPECT_TRUE(pinnable->Pinned());
        EXPECT_TRUE(IsTopmost(pinnable->Handle()));

        ClickOnInputThread(centre);
        ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return pinnable->PinClicks() == 2; }));
        EXPECT_FALSE(pinnable->Pinned());
        EXPECT_FALSE(IsTopmost(pinnable->Handle()));
    }
    plain->Free();
    pinnable->Free();
}

INSTANTIATE_TEST_SUITE_P(BothSkins, GalleryPinButton, testing::Values("gallery-graphite", "gallery-meadow"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(8);  // without "gallery-"
                         });

}  // namespace
