#pragma once
// The skin objects: an image strip with its cutting and drawing parameters.
// The loader (skin_loader.h) builds them from a skin definition and the
// bitmaps of a skin package; every painter of the engine reads them.

#include <string>
#include <utility>

#include "skin/data/pixels.h"
#include "base/color.h"

namespace skin {

// Text color meaning "not given" for the caption text colors.
inline constexpr TColor kColorNotGiven = 0x1FFFFFFF;

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    // Fixed edge sizes of one frame (LeftWidth, TopHeight, RightWidth,
    // BottomHeight); a few objects keep other values in these slots.
    Rect Margins;
    // A strip of FrameCount equal frames, side by side or stacked.
    Bitmap Map;
    // Nonzero: magenta pixels are transparent when drawn.
    int Trans = 0;
    // 0: the middle is stretched, 1: tiled. The frame edges keep their
    // Stretch value here.
    int Tile = 0;
    // The definition section the object came from.
    std::string Name;
    int FrameCount = 0;
    int Style = 0;
    // Per-state text color numbers; -1 when absent.
    int NormalColor = -1;
    int MouseOverColor = -1;
    int PressedColor = -1;
    // Per-state text colors; the loader defaults them to the skin's
    // ButtonTextColor.
    TColor NormalColor2 = clBtnText;
    TColor MouseOverColor2 = clBtnText;
    TColor PressedColor2 = clBtnText;
};

// An object with a second image: the tab pane, the progress chunk, the
// up-down glyphs, the mirrored combo button.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Bitmap Map2;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Bitmap CheckMap;
    Bitmap RadioMap;
    int RadioFrameCount = 0;
    int CheckFrameCount = 0;
    // Whether the definition gave NormalColor2, MouseOverColor2, PressedColor2.
    bool HasNormalColor2 = false;
    bool HasMouseOverColor2 = false;
    bool HasPressedColor2 = false;
};

// The caption text: Map is the text background; Margins hold TextShift,
// TextShiftVert, TextRightClip and 0.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int TextAlignment = 0;
    int TextBackground = 0;
    int FontHeight = 14;
    int TextBackLeft = 0;
    int TextBackRight = 0;
    TColor ActiveTextColor = kColorNotGiven;
    TColor InactiveTextColor = kColorNotGiven;
};

// A caption button.
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int Action = 0;
    int Align = 0;
    int XCoord = 0;
    int YCoord = 0;
    int CombineOp = -1;
    int Visibility = 0;
    int Visibility1 = 0;
};

// The group box caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
    int BackgroundAlignment = 0;
};

}  // namespace skin
