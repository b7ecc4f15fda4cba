#pragma once
// Where the caption text and its background go inside the top edge, once the text is measured.

#include "skin/data/skin_objects.h"
#include "skin/form/frame_kind.h"

namespace skin::form {

struct CaptionTextOptions {
    bool RightToLeft = false;
    bool PopupStyle = false;   // WS_POPUP: clip before the right-aligned caption buttons
    int RightButtonsLeft = 0;  // 0 until a right-aligned caption button was placed
    FrameKind Kind = FrameKind::Fixed;
};

struct CaptionTextLayout {
    Rect TextRect;        // the caption text's place including its background caps
    Rect BackgroundRect;  // the text background image, over the full caption height
    Rect DrawRect;        // where the text itself is drawn (single line, end ellipsis)
    bool AlignRight = false;
};

// `area` is the caption part the top image covers; textWidth x textHeight is the text measured
// in the caption font. Halvings truncate toward zero.
CaptionTextLayout LayoutCaptionText(const TDataSkinTitle& title, const Rect& area, int textWidth, int textHeight,
                                    const CaptionTextOptions& options);

}  // namespace skin::form
