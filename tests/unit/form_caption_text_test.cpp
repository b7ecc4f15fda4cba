// Where the caption text goes: alignment, right-to-left, vertical centring, clipping.

#include <gtest/gtest.h>

#include <memory>

#include "skin/form/caption_text_layout.h"

namespace skin::form {
namespace {

std::unique_ptr<TDataSkinTitle> Title(int alignment, int shift, int shiftVert, int rightClip, int backLeft,
                                      int backRight) {
    auto title = std::make_unique<TDataSkinTitle>("Title");
    title->TextAlignment = alignment;
    title->Margins = {shift, shiftVert, rightClip, 0};
    title->TextBackLeft = backLeft;
    title->TextBackRight = backRight;
    return title;
}

// The top edge of a 300-wide window with 4-pixel sides and a 30-pixel caption.
constexpr Rect kArea{4, 0, 296, 30};

TEST(FormCaptionText, HorizontalPlaceByAlignment) {
    struct Case {
        const char* what;
        int alignment;
        bool rightToLeft;
        int expectedLeft;
    };
    // Text 100 wide plus caps 10 + 6 = 116; the area is 292 wide, so 176 is spare.
    const Case cases[] = {
        {"left at the shift", 0, false, 4 + 20},
        {"centred", 1, false, 4 + 88},
        {"right at the clip", 2, false, 4 + 176 - 40},
        {"unknown alignment at the area's start", 7, false, 4},
        {"right-to-left ignores left alignment", 0, true, 4 + 136},
        {"right-to-left ignores centring", 1, true, 4 + 136},
    };
    for (const Case& c : cases) {
        const auto title = Title(c.alignment, 20, 0, 40, 10, 6);
        CaptionTextOptions options;
        options.RightToLeft = c.rightToLeft;
        const CaptionTextLayout layout = LayoutCaptionText(*title, kArea, 100, 16, options);
        EXPECT_EQ(layout.TextRect.Left, c.expectedLeft) << c.what;
        EXPECT_EQ(layout.TextRect.Width(), 116) << c.what << ": fits without clipping";
        EXPECT_EQ(layout.DrawRect.Left, c.expectedLeft + 10) << c.what;
        EXPECT_EQ(layout.DrawRect.Right, c.expectedLeft + 110) << c.what;
        EXPECT_EQ(layout.AlignRight, c.rightToLeft) << c.what;
    }
}

TEST(FormCaptionText, VerticalCentringHalvesTowardZero) {
    struct Case {
        int areaHeight;
        int textHeight;
        int shiftVert;
        int expectedTop;
    };
    const Case cases[] = {
        {31, 16, 0, 7}, {30, 16, 5, 9}, {30, 16, -5, 5}, {30, 16, -1, 7}, {10, 17, 0, -3},
    };
    for (const Case& c : cases) {
        const auto title = Title(0, 0, c.shiftVert, 0, 0, 0);
        const CaptionTextLayout layout =
            LayoutCaptionText(*title, Rect{0, 0, 300, c.areaHeight}, 50, c.textHeight, CaptionTextOptions{});
        EXPECT_EQ(layout.TextRect.Top, c.expectedTop) << c.areaHeight << "/" << c.textHeight << "/" << c.shiftVert;
        EXPECT_EQ(layout.TextRect.Height(), c.textHeight);
        EXPECT_EQ(layout.BackgroundRect.Top, 0);
        EXPECT_EQ(layout.BackgroundRect.Bottom, c.areaHeight);
    }
}

TEST(FormCaptionText, LongTextIsClippedBeforeTheButtons) {
    struct Case {
        const char* what;
        bool popup;
        int rightButtonsLeft;
        int textWidth;
        int expectedRight;
    };
    // Left alignment with shift 20: the text starts at 24 and its end is 24 + width + 16.
    const Case cases[] = {
        {"short text is not clipped", false, 0, 100, 140},
        {"long text stops at the right clip", false, 0, 400, 296 - 40},
        {"popup stops before the right buttons", true, 200, 400, 195},
        {"popup without right buttons is not clipped", true, 0, 400, 440},
        {"popup with buttons at the very left is not clipped", true, 5, 400, 440},
        {"popup ignores the title's right clip", true, 290, 400, 285},
    };
    for (const Case& c : cases) {
        const auto title = Title(0, 20, 0, 40, 10, 6);
        CaptionTextOptions options;
        options.PopupStyle = c.popup;
        options.RightButtonsLeft = c.rightButtonsLeft;
        const CaptionTextLayout layout = LayoutCaptionText(*title, kArea, c.textWidth, 16, options);
        EXPECT_EQ(layout.TextRect.Right, c.expectedRight) << c.what;
        EXPECT_EQ(layout.BackgroundRect.Right, c.expectedRight) << c.what;
        EXPECT_EQ(layout.DrawRect.Right, c.expectedRight - 6) << c.what;
    }
}

TEST(FormCaptionText, DialogFramesMoveLeftAlignedTextIntoTheIconsPlace) {
    struct Case {
        const char* what;
        FrameKind kind;
        int alignment;
        int expectedLeft;
    };
    const Case cases[] = {
        {"dialog, left aligned", FrameKind::Dialog, 0, 4 + 20 - 16},
        {"dialog, centred", FrameKind::Dialog, 1, 4 + 88},
        {"sizable, left aligned", FrameKind::Sizable, 0, 4 + 20},
    };
    for (const Case& c : cases) {
        CaptionTextOptions options;
        options.Kind = c.kind;
        const CaptionTextLayout layout =
            LayoutCaptionText(*Title(c.alignment, 20, 0, 40, 10, 6), kArea, 100, 16, options);
        EXPECT_EQ(layout.TextRect.Left, c.expectedLeft) << c.what;
        EXPECT_EQ(layout.BackgroundRect.Left, c.expectedLeft) << c.what;
    }
}

}  // namespace
}  // namespace skin::form
