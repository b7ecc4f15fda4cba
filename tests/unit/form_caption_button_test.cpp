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

constexpr std::uint8_t kAll = SavedStyleBits::kMaximizeBox | SavedStyleBits::kMinimizeBox | SavedStyleBits::kSystemMenu;
constexpr std::uint8_t kNoSysMenu = kAll & ~SavedStyleBits::kSystemMenu;
constexpr std::uint8_t kNoMaxBox = kAll & ~SavedStyleBits::kMaximizeBox;
constexpr std::uint8_t kNoMinBox = kAll & ~SavedStyleBits::kMinimizeBox;

CaptionButtonContext FullWindow() {
    CaptionButtonContext c;
    c.Saved.Bits = kAll;
    c.Kind = FrameKind::Sizable;
    return c;
}

TEST(FormCaptionButtonVisibility, TableOfBothConditionsAndTheActionRule) {
    struct Case {
        const char* what;
        int action, visibility, visibility1;
        std::uint8_t saved;
        bool maximized, active;
        FrameKind kind;
        bool visible;
    };
    constexpr auto S = FrameKind::Sizable;
    constexpr auto D = FrameKind::Dialog;
    const Case cases[] = {
        {"always", 30, 0, 0, kAll, false, true, S, true},
        {"Visibility1 -1 hides", 30, -1, -1, kAll, false, true, S, false},
        {"Visibility -1 shows", 30, -1, 0, kAll, false, true, S, true},
        {"close needs a system menu", 0, 0, 0, kNoSysMenu, false, true, S, false},
        {"other actions need none", 30, 0, 0, kNoSysMenu, false, true, S, true},
        {"1 maximized", 30, 1, 1, kAll, true, true, S, true},
        {"Visibility1 1 normal", 30, 0, 1, kAll, false, true, S, false},
        {"2 normal", 30, 2, 2, kAll, false, true, S, true},
        {"Visibility1 2 maximized", 30, 0, 2, kAll, true, true, S, false},
        {"3 active", 30, 3, 3, kAll, false, true, S, true},
        {"Visibility1 3 inactive", 30, 0, 3, kAll, false, false, S, false},
        {"4 inactive", 30, 4, 4, kAll, false, false, S, true},
        {"4 active", 30, 4, 0, kAll, false, true, S, false},
        {"5 never", 30, 5, 0, kAll, false, true, S, false},
        {"6 box and system menu", 30, 6, 6, kAll, false, true, S, true},
        {"6 without system menu", 30, 6, 0, kNoSysMenu, false, true, S, false},
        {"Visibility1 6 needs only the box", 30, 0, 6, kNoSysMenu, false, true, S, true},
        {"7 without max box", 30, 7, 7, kNoMaxBox, false, true, S, true},
        {"7 with max box", 30, 7, 0, kAll, false, true, S, false},
        {"8 without system menu", 30, 8, 0, kNoSysMenu, false, true, S, false},
        {"Visibility1 8 without min box", 30, 0, 8, kNoMinBox, false, true, S, false},
        {"9 without min box", 30, 9, 9, kNoMinBox, false, true, S, true},
        {"10 to 99 never", 30, 42, 0, kAll, false, true, S, false},
        {"Visibility1 10 to 99 never", 30, 0, 99, kAll, false, true, S, false},
        {"Visibility1 100 follows a true first", 30, 0, 100, kAll, false, true, S, true},
        {"Visibility1 100 follows a false first", 30, 5, 100, kAll, false, true, S, false},
        {"200 on a dialog frame", 30, 200, 0, kAll, false, true, D, true},
        {"200 on a sizable frame", 30, 200, 0, kAll, false, true, S, false},
        {"Visibility1 200 never", 30, 200, 200, kAll, false, true, D, false},
        {"201 to 999", 30, 500, 0, kAll, false, true, S, true},
        {"Visibility1 201 to 999 never", 30, 0, 500, kAll, false, true, S, false},
        {"beyond 2000 never", 30, 2001, 0, kAll, false, true, S, false},
        {"maximize without box", 1, 0, 0, kNoMaxBox, false, true, S, false},
        {"minimize without box", 2, 0, 0, kNoMinBox, false, true, S, false},
        {"MDI maximize needs no box", 22, 0, 0, kNoMaxBox, false, true, S, true},
        {"system menu on a dialog frame", 3, 0, 0, kAll, false, true, D, false},
        {"action 11 on a dialog frame", 11, 0, 0, kAll, false, true, D, false},
        {"action 12 on a dialog frame", 12, 0, 0, kAll, false, true, D, false},
        {"action 12 elsewhere", 12, 0, 0, kAll, false, true, S, true},
    };
    for (const Case& c : cases) {
        CaptionButtonContext context;
        context.Saved.Bits = c.saved;
        context.Maximized = c.maximized;
        context.Active = c.active;
        context.Kind = c.kind;
        const auto button = SkinButton(c.action, c.visibility, c.visibility1);
        EXPECT_EQ(IsCaptionButtonVisible(*button, 0, context), c.visible) << c.what;
    }

    // 100: the MDI buttons show in the menu bar of a frame whose child is maximized; 200 not on
    // system dialogs.
    CaptionButtonContext context = FullWindow();
    const auto mdiButton = SkinButton(7, 100, 100);
    EXPECT_FALSE(IsCaptionButtonVisible(*mdiButton, 0, context));
    context.HostsMaximizedMdiChild = true;
    EXPECT_FALSE(IsCaptionButtonVisible(*mdiButton, 0, context)) << "no menu bar";
    context.MenuBarHeight = 19;
    EXPECT_TRUE(IsCaptionButtonVisible(*mdiButton, 0, context));
    context.Kind = FrameKind::Dialog;
    context.IsDialog = true;
    EXPECT_FALSE(IsCaptionButtonVisible(*SkinButton(30, 200, 0), 0, context));
}

TEST(FormCaptionButtonVisibility, ApplicationDecidesFrom1000To2000) {
    CaptionButtonContext context = FullWindow();
    context.ApplicationShows = [](int index) { return index == 2; };
    for (int visibility : {1000, 2000}) {
        EXPECT_TRUE(IsCaptionButtonVisible(*SkinButton(40, visibility, 0), 2, context)) << visibility;
        EXPECT_FALSE(IsCaptionButtonVisible(*SkinButton(40, visibility, 0), 5, context)) << visibility;
    }
    context.ApplicationShows = nullptr;  // a window that does not answer
    EXPECT_FALSE(IsCaptionButtonVisible(*SkinButton(40, 1000, 0), 2, context));
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
        {"3 right of the text", 3, false, {147, 2, 157, 10}},
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
        {{10, 2}, 2},
        {{19, 11}, 2},
        {{20, 2}, 3},
        {{29, 11}, 3},
        {{30, 5}, std::nullopt},
        {{9, 5}, std::nullopt},
        {{15, 1}, std::nullopt},
        {{15, 12}, std::nullopt},
        {{50, 5}, std::nullopt},
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
        {"pressed", 4, 0, ButtonState::Pressed, 2, 4},
        {"MDI button hot uses frame 4", 4, 100, ButtonState::Hot, 4, 4},
        {"three frames: no inactive frame", 3, 0, ButtonState::Hot, 3, 1},
        {"MDI hot clamps to three frames", 3, 100, ButtonState::Hot, 3, 1},
        {"one frame", 1, 0, ButtonState::Pressed, 1, 1},
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
}

}  // namespace
}  // namespace skin::form
