// Frame kind, the saved caption decorations, and which caption styles a skinned window loses.

#include <gtest/gtest.h>

#include "skin/form/caption_styles.h"
#include "skin/form/frame_kind.h"

namespace skin::form {
namespace {

constexpr std::uint32_t kOverlapped =
    style::kCaption | style::kSystemMenu | style::kThickFrame | style::kMinimizeBox | style::kMaximizeBox;

TEST(FormFrameKind, StyleExStyleAndClassDecideTheKind) {
    struct Case {
        const char* what;
        std::uint32_t style;
        std::uint32_t exStyle;
        const char* className;
        FrameKind kind;
        bool isDialog;
    };
    const Case cases[] = {
        {"overlapped sizable", kOverlapped, 0, "TForm1", FrameKind::Sizable, false},
        {"no style at all", 0, 0, "X", FrameKind::Fixed, false},
        {"bare popup", style::kPopup, 0, "X", FrameKind::BorderlessPopup, false},
        {"popup with half the caption", style::kPopup | 0x00800000u | style::kThickFrame, 0, "X",
         FrameKind::BorderlessPopup, false},
        {"popup with a full caption is framed", style::kPopup | style::kCaption | style::kThickFrame, 0, "X",
         FrameKind::Sizable, false},
        {"modal frame bit", style::kCaption | style::kDialogModalFrame, 0, "X", FrameKind::Dialog, false},
        {"thick frame wins over modal frame bit", style::kCaption | style::kThickFrame | style::kDialogModalFrame, 0,
         "X", FrameKind::Sizable, false},
        {"dialog modal frame ex style forces dialog", kOverlapped, exstyle::kDialogModalFrame, "X", FrameKind::Dialog,
         false},
        {"system dialog class", style::kPopup | style::kCaption, 0, "#32770", FrameKind::Dialog, true},
        {"message dialog class", kOverlapped, 0, "TMessageForm", FrameKind::Dialog, true},
        {"class names ignore case", kOverlapped, 0, "tmessageform", FrameKind::Dialog, true},
        {"a similar class name is no dialog", kOverlapped, 0, "#327701", FrameKind::Sizable, false},
    };
    for (const Case& c : cases) {
        const FrameClass result = ClassifyFrame(c.style, c.exStyle, c.className);
        EXPECT_EQ(result.Kind, c.kind) << c.what;
        EXPECT_EQ(result.IsDialog, c.isDialog) << c.what;
    }
}

TEST(FormFrameKind, SavedBitsRecordBoxesAndSystemMenu) {
    EXPECT_EQ(SaveStyleBits(kOverlapped, false).Bits, 0x0B);
    EXPECT_EQ(SaveStyleBits(style::kCaption, false).Bits, 0x00);
    // A system menu counts even when the style lacks WS_SYSMENU.
    EXPECT_EQ(SaveStyleBits(style::kCaption | style::kMinimizeBox, true).Bits, 0x0A);
}

TEST(FormCaptionStyles, CaptionStaysForTaskbarFromVersion51On) {
    struct Case {
        OsVersion os;
        bool keepsCaption;
    };
    const Case cases[] = {
        {{true, 4, 0}, false}, {{true, 5, 0}, false}, {{true, 5, 1}, true},
        {{true, 6, 0}, true},  {{true, 10, 0}, true}, {{false, 10, 0}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TaskbarNeedsCaptionStyle(c.os), c.keepsCaption) << c.os.Major << "." << c.os.Minor;
}

TEST(FormCaptionStyles, RemovingTakesTheCaptionOrTheButtons) {
    const SavedStyleBits saved = SaveStyleBits(kOverlapped, true);
    constexpr std::uint32_t kButtons = style::kMinimizeBox | style::kMaximizeBox | style::kSystemMenu;
    struct Case {
        const char* what;
        bool hasOwner;
        MdiRole role;
        std::uint32_t exStyle;
        OsVersion os;
        bool captionRemoved;
    };
    const Case cases[] = {
        {"unowned main window on 5.0", false, MdiRole::None, 0, {true, 5, 0}, true},
        {"unowned main window on 5.1", false, MdiRole::None, 0, {true, 5, 1}, false},
        {"unowned main window on 10.0", false, MdiRole::None, 0, {true, 10, 0}, false},
        {"unowned main window on 9x", false, MdiRole::None, 0, {false, 4, 10}, true},
        {"owned dialog on 5.0", true, MdiRole::None, 0, {true, 5, 0}, false},
        {"owned app window on 5.0", true, MdiRole::None, exstyle::kAppWindow, {true, 5, 0}, true},
        {"unowned MDI child on 5.0", false, MdiRole::Child, 0, {true, 5, 0}, false},
        {"MDI frame on 5.0", false, MdiRole::Frame, 0, {true, 5, 0}, true},
    };
    for (const Case& c : cases) {
        CaptionStyleContext context;
        context.Saved = saved;
        context.HasOwner = c.hasOwner;
        context.Role = c.role;
        context.ExStyle = c.exStyle;
        context.Os = c.os;
        const auto update = UpdateCaptionStyles(kOverlapped, false, context);
        ASSERT_TRUE(update.has_value()) << c.what;
        EXPECT_EQ(update->Saved.CaptionRemoved(), c.captionRemoved) << c.what;
        if (c.captionRemoved) {
            EXPECT_EQ(update->Style, kOverlapped & ~style::kCaption) << c.what;
        } else {
            EXPECT_EQ(update->Style, kOverlapped & ~kButtons) << c.what;
        }
    }
}

TEST(FormCaptionStyles, RestoringGivesBackWhatWasSaved) {
    CaptionStyleContext context;
    context.Os = {true, 5, 0};
    context.Saved = SaveStyleBits(kOverlapped, false);
    const auto removed = UpdateCaptionStyles(kOverlapped, false, context);
    ASSERT_TRUE(removed.has_value());
    context.Saved = removed->Saved;
    const auto restored = UpdateCaptionStyles(removed->Style, true, context);
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->Style, kOverlapped);

    // Only what was there comes back.
    context.Saved = SaveStyleBits(style::kCaption | style::kMinimizeBox, false);
    const auto partial = UpdateCaptionStyles(style::kThickFrame, true, context);
    ASSERT_TRUE(partial.has_value());
    EXPECT_EQ(partial->Style, style::kThickFrame | style::kMinimizeBox);
}

TEST(FormCaptionStyles, MaximizedMdiChildAndChildWindowsKeepTheirStyle) {
    CaptionStyleContext mdiChild;
    mdiChild.Role = MdiRole::Child;
    mdiChild.MdiChildMaximized = true;
    EXPECT_FALSE(UpdateCaptionStyles(kOverlapped, false, mdiChild).has_value());
    EXPECT_TRUE(UpdateCaptionStyles(kOverlapped, true, mdiChild).has_value());

    CaptionStyleContext child;
    child.IsChild = true;
    EXPECT_FALSE(UpdateCaptionStyles(kOverlapped, true, child).has_value());
    EXPECT_TRUE(UpdateCaptionStyles(kOverlapped, false, child).has_value());
}

}  // namespace
}  // namespace skin::form
