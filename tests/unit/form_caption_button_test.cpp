// Caption buttons: when they show, where they go, what the mouse hits, which frame is drawn and
// what a click does.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/form/caption_button_layout.h"
#include "skin/form/caption_button_rules.h"
#include "unit/form_test_support.h"

namespace skin::form {
namespace {

std::unique_ptr<TDataSkinSysButton> SkinButton(int action, int visibility, int visibility1, int align = 0, int x = 0,
                                               int y = 0, int frameWidth = 10, int height = 8, int frames = 4) {
    auto button = std::make_unique<TDataSkinSysButton>("BUTTON.TEST");
    button->Action = action;
    button->Visibility = visibility;
    button->Visibility1 = visibility1;
    button->Align = align;
    button->XCoord = x;
    button->YCoord = y;
    button->Map = Bitmap(frameWidth * frames, height, 0x00112233u);
    button->FrameCount = frames;
    return button;
}

CaptionButtonContext FullWindow() {
    CaptionButtonContext c;
    c.Saved.Bits = SavedStyleBits::kMaximizeBox | SavedStyleBits::kMinimizeBox | SavedStyleBits::kSystemMenu;
    c.Kind = FrameKind::Sizable;
    return c;
}

TEST(FormCaptionButtonVisibility, TableOfBothConditions) {
    struct Case {
        const char* what;
        int action;
        int visibility;
        int visibility1;
        void (*adjust)(CaptionButtonContext&);
        bool visible;
    };
    const auto none = [](CaptionButtonContext&) {};
    const auto maximized = [](CaptionButtonContext& c) { c.Maximized = true; };
    const auto inactive = [](CaptionButtonContext& c) { c.Active = false; };
    const auto noSysMenu = [](CaptionButtonContext& c) { c.Saved.Bits &= ~SavedStyleBits::kSystemMenu; };
    const auto noMaxBox = [](CaptionButtonContext& c) { c.Saved.Bits &= ~SavedStyleBits::kMaximizeBox; };
    const auto noMinBox = [](CaptionButtonContext& c) { c.Saved.Bits &= ~SavedStyleBits::kMinimizeBox; };
    const auto mdiMaxWithBar = [](CaptionButtonContext& c) {
        c.HostsMaximizedMdiChild = true;
        c.MenuBarHeight = 19;
    };
    const auto mdiMaxNoBar = [](CaptionButtonContext& c) { c.HostsMaximizedMdiChild = true; };
    const auto dialogFrame = [](CaptionButtonContext& c) { c.Kind = FrameKind::Dialog; };
    const auto systemDialog = [](CaptionButtonContext& c) {
        c.Kind = FrameKind::Dialog;
        c.IsDialog = true;
    };
    const Case cases[] = {
        {"always", 30, 0, 0, none, true},
        {"hidden by Visibility1 -1", 30, -1, -1, none, false},
        {"Visibility -1 with 0", 30, -1, 0, none, true},
        {"close needs a system menu", 0, 0, 0, noSysMenu, false},
        {"close with system menu", 0, 0, 0, none, true},
        {"other actions need no system menu", 30, 0, 0, noSysMenu, true},
        {"1: maximized", 30, 1, 0, maximized, true},
        {"1: normal", 30, 1, 0, none, false},
        {"Visibility1 1: normal", 30, 0, 1, none, false},
        {"2: normal", 30, 2, 2, none, true},
        {"2: maximized", 30, 0, 2, maximized, false},
        {"3: active", 30, 3, 3, none, true},
        {"3: inactive", 30, 0, 3, inactive, false},
        {"4: inactive", 30, 4, 4, inactive, true},
        {"4: active", 30, 4, 0, none, false},
        {"5 never", 30, 5, 0, none, false},
        {"Visibility1 5 never", 30, 0, 5, none, false},
        {"6: max box and system menu", 30, 6, 6, none, true},
        {"6: no system menu", 30, 6, 0, noSysMenu, false},
        {"Visibility1 6 needs only the max box", 30, 0, 6, noSysMenu, true},
        {"6: no max box", 30, 0, 6, noMaxBox, false},
        {"7: no max box", 30, 7, 7, noMaxBox, true},
        {"7: with max box", 30, 7, 0, none, false},
        {"8: min box and system menu", 30, 8, 8, none, true},
        {"8: no system menu", 30, 8, 0, noSysMenu, false},
        {"Visibility1 8: no min box", 30, 0, 8, noMinBox, false},
        {"9: no min box", 30, 9, 9, noMinBox, true},
        {"9: with min box", 30, 0, 9, none, false},
        {"10 to 99 never", 30, 42, 0, none, false},
        {"Visibility1 10 to 99 never", 30, 0, 99, none, false},
        {"100: MDI frame with maximized child and bar", 7, 100, 100, mdiMaxWithBar, true},
        {"100: no menu bar", 7, 100, 100, mdiMaxNoBar, false},
        {"100: child not maximized", 7, 100, 100, none, false},
        {"Visibility1 100 follows the first condition", 30, 0, 100, none, true},
        {"Visibility1 100 follows a false first condition", 30, 5, 100, none, false},
        {"200 shows nowhere as Visibility1", 30, 200, 200, dialogFrame, false},
        {"200 on a dialog frame", 30, 200, 0, dialogFrame, true},
        {"200 on a system dialog", 30, 200, 0, systemDialog, false},
        {"200 on a sizable window", 30, 200, 0, none, false},
        {"201 to 999", 30, 500, 0, none, true},
        {"Visibility1 201 to 999 keeps it hidden", 30, 0, 500, none, false},
        {"beyond 2000 never", 30, 2001, 0, none, false},
        {"below -1 never", 30, -2, 0, none, false},
    };
    for (const Case& c : cases) {
        CaptionButtonContext context = FullWindow();
        c.adjust(context);
        const auto button = SkinButton(c.action, c.visibility, c.visibility1);
        EXPECT_EQ(IsCaptionButtonVisible(*button, 0, context), c.visible) << c.what;
    }
}

TEST(FormCaptionButtonVisibility, ApplicationDecidesFrom1000To2000) {
    std::vector<int> asked;
    CaptionButtonContext context = FullWindow();
    context.ApplicationShows = [&](int index) {
        asked.push_back(index);
        return index == 2;
    };
    for (int visibility : {1000, 1500, 2000}) {
        const auto button = SkinButton(40, visibility, 0);
        EXPECT_TRUE(IsCaptionButtonVisible(*button, 2, context)) << visibility;
        EXPECT_FALSE(IsCaptionButtonVisible(*button, 5, context)) << visibility;
    }
    EXPECT_EQ(asked, (std::vector<int>{2, 5, 2, 5, 2, 5}));
    // A window that does not answer hides the button.
    context.ApplicationShows = nullptr;
    EXPECT_FALSE(IsCaptionButtonVisible(*SkinButton(40, 1000, 0), 2, context));
}

TEST(FormCaptionButtonVisibility, ActionsHideWhatTheWindowCannotDo) {
    struct Case {
        const char* what;
        int action;
        std::uint8_t saved;
        FrameKind kind;
        bool visible;
    };
    constexpr std::uint8_t kAll = 0x0B;
    const Case cases[] = {
        {"maximize with box", 1, kAll, FrameKind::Sizable, true},
        {"maximize without box", 1, kAll & ~SavedStyleBits::kMaximizeBox, FrameKind::Sizable, false},
        {"minimize without box", 2, kAll & ~SavedStyleBits::kMinimizeBox, FrameKind::Sizable, false},
        {"maximize on a dialog frame with box", 1, kAll, FrameKind::Dialog, true},
        {"system menu on a dialog", 3, kAll, FrameKind::Dialog, false},
        {"action 11 on a dialog", 11, kAll, FrameKind::Dialog, false},
        {"action 12 on a dialog", 12, kAll, FrameKind::Dialog, false},
        {"action 12 on a fixed frame", 12, kAll, FrameKind::Fixed, true},
        {"MDI maximize actions do not need the box", 22, 0x08, FrameKind::Sizable, true},
    };
    for (const Case& c : cases) {
        CaptionButtonContext context;
        context.Saved.Bits = c.saved;
        context.Kind = c.kind;
        EXPECT_EQ(IsCaptionButtonVisible(*SkinButton(c.action, 0, 0), 0, context), c.visible) << c.what;
    }
}

TEST(FormCaptionButtonLayout, AlignmentTable) {
    CaptionButtonPlacement p;
    p.FrameWidth = 300;
    p.CaptionTextRect = {40, 6, 140, 24};
    p.Metrics = {30, 4, 6, 5, 20};
    p.MenuBarMargin = 3;
    struct Case {
        const char* what;
        int align;
        bool rightToLeft;
        Rect expected;
    };
    // Buttons are 10 x 8 with XCoord 7 and YCoord 2.
    const Case cases[] = {
        {"0 from the left", 0, false, {7, 2, 17, 10}},
        {"1 from the right edge", 1, false, {293, 2, 303, 10}},
        {"2 left of the text", 2, false, {23, 2, 33, 10}},
        {"8 left of the text", 8, false, {23, 2, 33, 10}},
        {"3 right of the text", 3, false, {147, 2, 157, 10}},
        {"9 right of the text", 9, false, {147, 2, 157, 10}},
        {"100 in the menu bar from the right", 100, false, {284, 36, 294, 44}},
        {"100 in a right-to-left menu bar", 100, true, {14, 36, 24, 44}},
        {"other alignments stay at the origin", 5, false, {0, 0, 10, 8}},
    };
    for (const Case& c : cases) {
        const auto skinButton = SkinButton(1, 0, 0, c.align, 7, 2);
        CaptionButton button;
        button.Skin = skinButton.get();
        button.FrameCount = 4;
        p.RightToLeft = c.rightToLeft;
        EXPECT_EQ(CaptionButtonRect(button, p), c.expected) << c.what;
    }
}

TEST(FormCaptionButtonLayout, PlacesVisibleButtonsAndFindsTheRightGroupsEdge) {
    TSkinObjects objects;
    objects.SysButtons.push_back(SkinButton(0, 0, 0, 1, 30));   // close, nearest the right edge
    objects.SysButtons.push_back(SkinButton(1, 0, 0, 1, 50));   // maximize
    objects.SysButtons.push_back(SkinButton(2, 0, 0, 1, 10));   // hidden below
    objects.SysButtons.push_back(SkinButton(30, 0, 0, 0, 5));   // left-aligned
    objects.SysButtons.push_back(SkinButton(31, 0, 0, 1, 90));  // no picture
    objects.SysButtons.back()->Map = Bitmap();
    std::vector<CaptionButton> buttons = MakeCaptionButtons(objects, Bitmap());
    for (CaptionButton& b : buttons) b.Visible = true;
    buttons[2].Visible = false;
    buttons[2].BoundsRect = {1, 1, 2, 2};
    buttons[4].BoundsRect = {3, 3, 4, 4};

    CaptionButtonPlacement p;
    p.FrameWidth = 200;
    EXPECT_EQ(LayoutCaptionButtons(buttons, p), std::optional<int>(170));
    EXPECT_EQ(buttons[0].BoundsRect, (Rect{170, 0, 180, 8}));
    EXPECT_EQ(buttons[1].BoundsRect, (Rect{150, 0, 160, 8}));
    EXPECT_EQ(buttons[2].BoundsRect, (Rect{1, 1, 2, 2})) << "hidden buttons keep their place";
    EXPECT_EQ(buttons[3].BoundsRect, (Rect{5, 0, 15, 8}));
    EXPECT_EQ(buttons[4].BoundsRect, (Rect{3, 3, 4, 4})) << "buttons without a picture keep their place";

    // Right-aligned buttons beyond the left edge give nothing to clip at.
    p.FrameWidth = 20;
    EXPECT_EQ(LayoutCaptionButtons(buttons, p), std::nullopt);
}

TEST(FormCaptionButtonHit, FirstVisibleClickableButtonContainingThePoint) {
    TSkinObjects objects;
    objects.SysButtons.push_back(SkinButton(-1, 0, 0));  // decorative, over the others
    objects.SysButtons.push_back(SkinButton(0, 0, 0));
    objects.SysButtons.push_back(SkinButton(1, 0, 0));
    objects.SysButtons.push_back(SkinButton(2, 0, 0));
    std::vector<CaptionButton> buttons = MakeCaptionButtons(objects, Bitmap());
    buttons[0] = {buttons[0].Skin, {}, 4, {0, 0, 100, 20}, true};
    buttons[1] = {buttons[1].Skin, {}, 4, {10, 2, 20, 12}, false};
    buttons[2] = {buttons[2].Skin, {}, 4, {10, 2, 20, 12}, true};
    buttons[3] = {buttons[3].Skin, {}, 4, {20, 2, 30, 12}, true};
    struct Case {
        Point point;
        std::optional<std::size_t> hit;
    };
    const Case cases[] = {
        {{10, 2}, 2},  {{19, 11}, 2}, {{20, 2}, 3},         {{29, 11}, 3},           {{30, 5}, std::nullopt},
        {{9, 5}, std::nullopt}, {{15, 1}, std::nullopt}, {{15, 12}, std::nullopt}, {{50, 5}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(HitCaptionButton(buttons, c.point), c.hit) << c.point.X << "," << c.point.Y;
}

TEST(FormCaptionButtonFrames, StateAndActivityPickTheFrame) {
    struct Case {
        const char* what;
        int frames;
        int visibility;
        ButtonState state;
        int stateFrame;
        int inactiveFrame;
    };
    const Case cases[] = {
        {"normal", 4, 0, ButtonState::Normal, 1, 4},
        {"pressed", 4, 0, ButtonState::Pressed, 2, 4},
        {"hot", 4, 0, ButtonState::Hot, 3, 4},
        {"MDI button hot uses frame 4", 4, 100, ButtonState::Hot, 4, 4},
        {"MDI button pressed", 4, 100, ButtonState::Pressed, 2, 4},
        {"three frames: no inactive frame", 3, 0, ButtonState::Hot, 3, 1},
        {"MDI hot clamps to three frames", 3, 100, ButtonState::Hot, 3, 1},
        {"one frame", 1, 0, ButtonState::Pressed, 1, 1},
        {"six frames", 6, 0, ButtonState::Hot, 3, 4},
    };
    for (const Case& c : cases) {
        const auto skinButton = SkinButton(1, c.visibility, 0, 0, 0, 0, 10, 8, c.frames);
        CaptionButton button;
        button.Skin = skinButton.get();
        button.FrameCount = c.frames;
        EXPECT_EQ(StateFrame(button, c.state), c.stateFrame) << c.what;
        EXPECT_EQ(CaptionPaintFrame(button, true), 1) << c.what;
        EXPECT_EQ(CaptionPaintFrame(button, false), c.inactiveFrame) << c.what;
    }
}

TEST(FormCaptionButtonClick, ActionsClassify) {
    struct Case {
        int action;
        CaptionClick click;
    };
    const Case cases[] = {
        {-1, CaptionClick::None},           {-7, CaptionClick::None},
        {0, CaptionClick::Close},           {1, CaptionClick::ToggleMaximize},
        {22, CaptionClick::ToggleMaximize}, {2, CaptionClick::ToggleMinimize},
        {23, CaptionClick::ToggleMinimize}, {3, CaptionClick::SystemMenu},
        {11, CaptionClick::SystemMenu},     {12, CaptionClick::SystemMenu},
        {7, CaptionClick::MdiChildMinimize}, {60, CaptionClick::MdiChildMinimize},
        {8, CaptionClick::MdiChildRestore}, {61, CaptionClick::MdiChildRestore},
        {9, CaptionClick::MdiChildClose},   {62, CaptionClick::MdiChildClose},
        {4, CaptionClick::Application},     {10, CaptionClick::Application},
        {63, CaptionClick::Application},    {1000, CaptionClick::Application},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyCaptionClick(c.action), c.click) << c.action;

    for (unsigned command : {0xF000u, 0xF010u, 0xF020u, 0xF030u, 0xF040u, 0xF050u, 0xF060u, 0xF120u})
        EXPECT_TRUE(IsSystemMenuCommand(command)) << std::hex << command;
    for (unsigned command : {0u, 0xF100u, 0xF070u, 0xF061u, 100u}) EXPECT_FALSE(IsSystemMenuCommand(command)) << command;
}

TEST(FormCaptionButtons, IconButtonsGetThisWindowsPictureAndLeaveTheSkinAlone) {
    const auto objects = formtest::LoadBuiltSkin("meadow");
    if (!objects) GTEST_SKIP() << "skins not built";
    const Bitmap windowIcon(16, 16, 0x00ABCDEFu);
    std::vector<int> skinFrameCounts;
    for (const auto& b : objects->SysButtons) skinFrameCounts.push_back(b->FrameCount);

    const std::vector<CaptionButton> buttons = MakeCaptionButtons(*objects, windowIcon);
    ASSERT_EQ(buttons.size(), objects->SysButtons.size());
    int iconButtons = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const CaptionButton& button = buttons[i];
        EXPECT_EQ(button.Skin, objects->SysButtons[i].get());
        EXPECT_EQ(objects->SysButtons[i]->FrameCount, skinFrameCounts[i]) << "the shared skin object is untouched";
        if (ShowsWindowIcon(button.Action())) {
            ++iconButtons;
            EXPECT_EQ(button.FrameCount, 1);
            EXPECT_EQ(button.Picture(), windowIcon);
            EXPECT_TRUE(objects->SysButtons[i]->Map.Empty());
        } else {
            EXPECT_EQ(&button.Picture(), &objects->SysButtons[i]->Map);
            EXPECT_EQ(button.FrameCount, std::max(skinFrameCounts[i], 1));
        }
    }
    EXPECT_EQ(iconButtons, 1);

    // A second window with another icon gets its own picture.
    const Bitmap otherIcon(16, 16, 0x00010203u);
    const std::vector<CaptionButton> other = MakeCaptionButtons(*objects, otherIcon);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (ShowsWindowIcon(buttons[i].Action())) {
            EXPECT_NE(other[i].Picture(), buttons[i].Picture());
        }
    }
}

TEST(FormCaptionButtons, IconButtonWithAnImageKeepsItAsOneFrame) {
    TSkinObjects objects;
    objects.SysButtons.push_back(SkinButton(11, 0, 0, 0, 0, 0, 16, 16, 4));
    objects.SysButtons.push_back(SkinButton(5, 0, 0, 0, 0, 0, 10, 8, 0));  // frame count 0 from a bad skin
    const std::vector<CaptionButton> buttons = MakeCaptionButtons(objects, Bitmap(16, 16));
    EXPECT_EQ(&buttons[0].Picture(), &objects.SysButtons[0]->Map);
    EXPECT_EQ(buttons[0].FrameCount, 1);
    EXPECT_EQ(objects.SysButtons[0]->FrameCount, 4);
    EXPECT_EQ(buttons[1].FrameCount, 1);
    CaptionButtonPlacement p;
    EXPECT_EQ(CaptionButtonRect(buttons[0], p), (Rect{0, 0, 64, 16}));
}

}  // namespace
}  // namespace skin::form
