#include "skin/form/caption_text_layout.h"

namespace skin::form {
namespace {

// Gap kept between the caption text and the right-aligned caption buttons of a popup.
constexpr int kButtonGap = 5;
// Dialog frames have no icon button, so left-aligned text moves into the icon's place.
constexpr int kDialogIconSpace = 16;

}  // namespace

CaptionTextLayout LayoutCaptionText(const TDataSkinTitle& title, const Rect& area, int textWidth, int textHeight,
                                    const CaptionTextOptions& options) {
    const int textShift = title.Margins.Left;
    const int textShiftVert = title.Margins.Top;
    const int textRightClip = title.Margins.Right;

    Rect t{area.Left, area.Top, area.Left + textWidth + title.TextBackLeft + title.TextBackRight,
           area.Top + textHeight};
    const int extra = area.Width() - t.Width();

    int dx = 0;
    if (options.RightToLeft) {
        dx = extra - textRightClip;
    } else {
        switch (title.TextAlignment) {
            case 0: dx = textShift; break;
            case 1: dx = extra / 2; break;
            case 2: dx = extra - textRightClip; break;
            default: break;
        }
    }
    const int dy = (area.Height() - t.Height()) / 2 + textShiftVert / 2;
    t = t.Offset(dx, dy);

    if (options.PopupStyle) {
        if (options.RightButtonsLeft > kButtonGap && options.RightButtonsLeft - kButtonGap < t.Right)
            t.Right = options.RightButtonsLeft - kButtonGap;
    } else if (area.Right - textRightClip < t.Right) {
        t.Right = area.Right - textRightClip;
    }
    if (options.Kind == FrameKind::Dialog && title.TextAlignment == 0) t.Left -= kDialogIconSpace;

    CaptionTextLayout layout;
    layout.TextRect = t;
    layout.BackgroundRect = {t.Left, area.Top, t.Right, area.Bottom};
    layout.DrawRect = {t.Left + title.TextBackLeft, t.Top, t.Right - title.TextBackRight, t.Bottom};
    layout.AlignRight = options.RightToLeft;
    return layout;
}

}  // namespace skin::form
