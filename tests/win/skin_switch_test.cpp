// Switching the skin at run time re-measures, re-fits and repaints the skinned windows, through
// every way of loading a skin and for every kind of component; the caption buttons follow the
// new skin's list, the focus stays where it was, and a control drawn hot does not stay so.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "form_skin_fixture.h"
#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"
#include "skin/controls/win/skin_control.h"
#include "skin/form/caption_button_rules.h"
#include "skin/form/frame_edges.h"
#include "skin/form/frame_metrics.h"
#include "skin/manager/win/skin_manager.h"
#include "skin_data_test_support.h"
#include "support/message_pump.h"
#include "support/skin_soak.h"

using skin::form::ButtonState;
using skin::win::SkinManager;
using skin::win::TSkinData;
using skin::win::TSkinForm;

namespace {

// The left edge of the window as printed, against the edge image of `objects` (active frame).
bool LeftEdgeShows(HWND window, const skin::TSkinObjects& objects, int width) {
    const RECT rect = form_test::WindowRectOf(window);
    const int height = rect.bottom - rect.top;
    const skin::Bitmap expected =
        skin::form::RenderFrameEdge(objects.BorderLeft.get(), skin::form::FrameEdge::Left, width, height, true);
    const base::win::DibSection printed = form_test::PrintWindowPixels(window);
    for (int y = height / 3; y < 2 * height / 3; ++y)
        for (int x = 0; x < width; ++x)
            if ((printed.Pixels().At(x, y) & 0xFFFFFF) != (expected.At(x, y) & 0xFFFFFF)) return false;
    return true;
}

TEST(SkinSwitch, NewSkinFileRefitsAndRepaintsEverySkinnedForm) {
    Application->Initialize();
    TForm* form = new TForm(nullptr);
    form->SetBorderStyle(bsSingle);
    form->SetClientSize(300, 200);
    TSkinData* data = skin_test::LoadedSkinData(form, skin::TSkinFormType::sfMainform, true, false);
    form->Show();
    SkinManager->State = 1;
    SkinManager->Enabled = true;
    ASSERT_TRUE(SkinManager->AddFormSkin(form->Handle()));
    TSkinForm* skinForm = SkinManager->FindFormSkin(form->Handle());
    ASSERT_NE(skinForm, nullptr);
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return skinForm->Phase() == 1; }));

    const RECT clientBefore = form_test::ClientRectOf(form->Handle());
    const skin::form::FrameMetrics graphite = skinForm->Metrics();
    EXPECT_EQ(form_test::ClientOffset(form->Handle()).x, graphite.BorderLeftWidth);
    EXPECT_TRUE(LeftEdgeShows(form->Handle(), data->Objects(), graphite.BorderLeftWidth));

    data->SetSkinFile(BUILT_SKINS_DIR "/meadow.skn");
    const skin::form::FrameMetrics meadow =
        skin::form::MeasureFrame(data->Objects(), skin::form::FrameKind::Fixed, false, graphite.MenuBarHeight);
    ASSERT_NE(meadow, graphite);  // the two skins' frames differ, or this test proves nothing
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return skinForm->Metrics() == meadow; }));
    testing_support::PumpMessagesFor(100);

    EXPECT_EQ(form_test::ClientOffset(form->Handle()).x, meadow.BorderLeftWidth);
    EXPECT_EQ(form_test::ClientOffset(form->Handle()).y, meadow.TitleHeight + meadow.MenuBarHeight);
    const RECT clientAfter = form_test::ClientRectOf(form->Handle());
    EXPECT_EQ(clientAfter.right - clientAfter.left, clientBefore.right - clientBefore.left);
    EXPECT_EQ(clientAfter.bottom - clientAfter.top, clientBefore.bottom - clientBefore.top);
    EXPECT_TRUE(LeftEdgeShows(form->Handle(), data->Objects(), meadow.BorderLeftWidth));

    form->Free();
    skin::win::FreeSkinManager();
}

// Every caption button of the form skin comes from the skin data's current button list.
bool ButtonsFromCurrentList(const TSkinForm& formSkin, const TSkinData& data) {
    const auto& list = data.Objects().SysButtons;
    if (formSkin.CaptionButtons().empty()) return false;
    for (const skin::form::CaptionButton& button : formSkin.CaptionButtons()) {
        const bool listed =
            std::any_of(list.begin(), list.end(), [&](const auto& entry) { return entry.get() == button.Skin; });
        if (!listed) return false;
    }
    return true;
}

std::optional<std::size_t> CloseButton(const TSkinForm& formSkin) {
    const auto buttons = formSkin.CaptionButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].Visible && buttons[i].Action() == 0 && !buttons[i].Picture().Empty()) return i;
    return std::nullopt;
}

enum class ReloadPath { LoadSkin, ReadSkinStream, SkinFile };

struct ReloadCase {
    skin::TSkinFormType kind;
    ReloadPath path;
    const char* name;
};

void Reload(TSkinData& data, ReloadPath path) {
    switch (path) {
        case ReloadPath::LoadSkin: data.LoadSkin(); break;  // the held package again: new objects all the same
        case ReloadPath::ReadSkinStream: data.ReadSkinStream(testing_support::StoredSkinStream("meadow")); break;
        case ReloadPath::SkinFile: data.SetSkinFile(BUILT_SKINS_DIR "/meadow.skn"); break;
    }
}

TEST(SkinSwitch, EveryReloadOfEveryComponentKindGivesCaptionButtonsOfTheNewSkin) {
    const ReloadCase cases[] = {
        {skin::TSkinFormType::sfMainform, ReloadPath::LoadSkin, "main form, LoadSkin"},
        {skin::TSkinFormType::sfMainform, ReloadPath::ReadSkinStream, "main form, ReadSkinStream"},
        {skin::TSkinFormType::sfMainform, ReloadPath::SkinFile, "main form, SkinFile"},
        {skin::TSkinFormType::sfDialog, ReloadPath::LoadSkin, "dialog, LoadSkin"},
        {skin::TSkinFormType::sfDialog, ReloadPath::ReadSkinStream, "dialog, ReadSkinStream"},
        {skin::TSkinFormType::sfDialog, ReloadPath::SkinFile, "dialog, SkinFile"},
        {skin::TSkinFormType::sfOnlyThisForm, ReloadPath::LoadSkin, "only this form, LoadSkin"},
        {skin::TSkinFormType::sfOnlyThisForm, ReloadPath::ReadSkinStream, "only this form, ReadSkinStream"},
        {skin::TSkinFormType::sfOnlyThisForm, ReloadPath::SkinFile, "only this form, SkinFile"},
    };
    Application->Initialize();
    for (const ReloadCase& c : cases) {
        SCOPED_TRACE(c.name);
        TForm* form = new TForm(nullptr);
        form->SetCaption("Reloaded");
        form->SetBounds(40, 40, 360, 220);
        form->Show();
        auto* data = new TSkinData(form);
        data->SetLoading(true);
        data->SetSkinFormtype(c.kind);
        data->ReadSkinStream(testing_support::StoredSkinStream("graphite"));
        data->Loaded();
        SkinManager->State = 1;
        SkinManager->Enabled = true;
        SkinManager->AddFormSkin(form->Handle());
        TSkinForm* formSkin = SkinManager->FindFormSkin(form->Handle());
        ASSERT_NE(formSkin, nullptr);
        ASSERT_TRUE(testing_support::PumpMessagesUntil([&] { return formSkin->Phase() == 1; }));
        SetForegroundWindow(form->Handle());
        testing_support::PumpPendingMessages();
        ASSERT_TRUE(ButtonsFromCurrentList(*formSkin, *data));

        Reload(*data, c.path);
        // Before any message is pumped: nothing may point into the list the reload replaced.
        EXPECT_TRUE(ButtonsFromCurrentList(*formSkin, *data));
        EXPECT_EQ(formSkin->Phase(), 1);

        // A caption paint and a hit test with the new skin's buttons.
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        testing_support::PumpPendingMessages();
        const auto close = CloseButton(*formSkin);
        ASSERT_TRUE(close.has_value());
        const skin::form::CaptionButton& shown = formSkin->CaptionButtons()[*close];
        EXPECT_TRUE(form_test::ScreenShowsButton(form->Handle(), shown,
                                                 skin::form::CaptionPaintFrame(shown, formSkin->Active())));
        const RECT outer = form_test::WindowRectOf(form->Handle());
        const POINT centre{outer.left + (shown.BoundsRect.Left + shown.BoundsRect.Right) / 2,
                           outer.top + (shown.BoundsRect.Top + shown.BoundsRect.Bottom) / 2};
        SendMessageW(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(centre.x, centre.y));
        const skin::form::CaptionButton& hot = formSkin->CaptionButtons()[*close];
        EXPECT_EQ(hot.State, ButtonState::Hot);

        testing_support::PumpMessagesUntil([] { return !SkinManager->PendingRequest(); });
        EXPECT_TRUE(ButtonsFromCurrentList(*formSkin, *data));
        form->Free();
        skin::win::FreeSkinManager();
        testing_support::PumpPendingMessages();
    }
}

TEST(SkinSwitch, ReapplyRecoloursKeepsTheFocusAndLetsAHotButtonGo) {
    Application->Initialize();
    auto data = testing_support::ActiveMainSkinData("graphite");
    TForm* form = new TForm(nullptr);
    form->SetBounds(60, 60, 320, 200);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 90, 140, 22);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("Apply");
    button->SetBounds(170, 90, 90, 26);
    form->Show();
    ASSERT_TRUE(testing_support::PumpMessagesUntil([&] {
        const TSkinForm* skin = SkinManager->FindFormSkin(form->Handle());
        return skin != nullptr && skin->Phase() == 1 && !skin->ControlSkins().empty();
    }));
    TSkinForm* formSkin = SkinManager->FindFormSkin(form->Handle());
    edit->SetFocus();
    testing_support::PumpPendingMessages();
    ASSERT_EQ(GetFocus(), edit->Handle());

    data->SetSkinFile(BUILT_SKINS_DIR "/meadow.skn");
    const TColor meadowFace = data->Objects().ButtonFaceColor;
    EXPECT_EQ(form->Color(), meadowFace);
    EXPECT_EQ(GetFocus(), edit->Handle());
    testing_support::PumpMessagesUntil([] { return !SkinManager->PendingRequest(); });
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_EQ(form->Color(), meadowFace);
    EXPECT_EQ(formSkin->Phase(), 1);

    // A button drawn hot, then another window becomes active: the form skin lets the button go.
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_NE(formSkin->HoverButton, nullptr);
    TForm* other = new TForm(nullptr);
    other->SetBounds(420, 60, 200, 120);
    other->Show();
    SetActiveWindow(other->Handle());
    testing_support::PumpPendingMessages();
    EXPECT_EQ(formSkin->HoverButton, nullptr);

    other->Free();
    form->Free();
    testing_support::ReleaseMainSkinData(std::move(data));
}

}  // namespace
