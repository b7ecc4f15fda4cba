#pragma once
// Where caption buttons go and which one the mouse is over.

#include <optional>
#include <span>

#include "skin/form/caption_button.h"
#include "skin/form/frame_metrics.h"

namespace skin::form {

struct CaptionButtonPlacement {
    int FrameWidth = 0;    // window width at the last frame paint
    Rect CaptionTextRect;  // where the caption text went
    bool RightToLeft = false;
    FrameMetrics Metrics;
    int MenuBarMargin = 0;  // left margin of the skin's menu bar image, 0 without one
};

// The button's rectangle for its alignment: 0 from the left, 1 from the right edge, 2/8 left of
// the caption text, 3/9 right of it, 100 in the menu bar (MDI buttons); any other at (0, 0).
Rect CaptionButtonRect(const CaptionButton& button, const CaptionButtonPlacement& placement);

// Places every visible button that has a picture; the others keep their old rectangle. Returns
// the left edge of the right-aligned buttons to clip the caption text at, when one lies right of 0.
std::optional<int> LayoutCaptionButtons(std::span<CaptionButton> buttons, const CaptionButtonPlacement& placement);

// The first visible, clickable (action 0 or above) button containing the point.
std::optional<std::size_t> HitCaptionButton(std::span<const CaptionButton> buttons, Point point);

}  // namespace skin::form
