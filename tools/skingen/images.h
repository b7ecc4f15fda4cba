#pragma once
// The image recipes of the skin generator. Each reads its section of the parameter file and
// adds its finished strips, by member file name, to the image set.

#include <functional>
#include <map>
#include <string>

#include "skin/data/pixels.h"
#include "tools/common/skingen_canvas.h"
#include "tools/common/skingen_params.h"

namespace tools::skingen {

using ImageSet = std::map<std::string, base::Bitmap>;

// The four states most strips hold, in the order the painters number their frames.
enum class Look { Normal, Pressed, Disabled, Hot };

// Joins `count` frames of fw x fh made by `frame(index)` (0-based) side by side or stacked.
base::Bitmap MakeStrip(int fw, int fh, int count, bool vertical, const std::function<base::Bitmap(int)>& frame);

// Window frame edges, caption text background and the menu bar ("frame" section).
void MakeFrameImages(const Params& p, ImageSet& out);
// Caption buttons, the window icon button and the MDI child buttons ("caption_buttons").
void MakeCaptionButtonImages(const Params& p, ImageSet& out);
// Push buttons, check boxes and radio buttons ("buttons", "check", "radio").
void MakeButtonImages(const Params& p, ImageSet& out);
// Scroll bar arrows, tracks and thumbs; track bar thumbs; up-down buttons.
void MakeScrollImages(const Params& p, ImageSet& out);
// Progress, tabs, group box, status bar, tool bar, combo box, header, menus.
void MakePanelImages(const Params& p, ImageSet& out);

// Shared by the caption recipes: the caption color at row y for the active or inactive window.
Paint CaptionPaint(const Params& p, bool active);

}  // namespace tools::skingen
