#pragma once
// Thickness of the skinned frame and the areas it divides a window into. All rectangles are in
// window coordinates (origin at the window's top-left corner).

#include <optional>

#include "skin/data/skin_objects_set.h"
#include "skin/form/frame_kind.h"
#include "skin/form/window_bits.h"

namespace skin::form {

struct FrameMetrics {
    int TitleHeight = 0;
    int BorderLeftWidth = 0;
    int BorderRightWidth = 0;
    int BorderBottomHeight = 0;
    int MenuBarHeight = 0;  // height of the skinned menu bar, 0 without one
    bool operator==(const FrameMetrics&) const = default;
};

// The frame a skin gives a window of `kind`: each thickness is one frame of its edge image (top
// and bottom images stack their frames, side images put them side by side). A borderless popup
// and an empty skin get no frame; a borderless popup gets no menu bar either. `menuBarHeight` is
// the system menu height when the window has a skinned menu bar, else 0.
FrameMetrics MeasureFrame(const TSkinObjects& objects, FrameKind kind, bool skinEmpty, int menuBarHeight);

struct FrameAreas {
    Rect LeftEdge;
    Rect RightEdge;
    Rect BottomEdge;
    Rect CaptionStrip;
    Rect TopEdge;  // the part of the caption strip the top image covers
    Rect MenuBar;
    Rect Client;
};

// The side edges run the full height; the top and bottom images lie between them. Rectangles of
// a window too small for its frame come out with negative sizes, which painters skip.
FrameAreas LayoutFrame(const FrameMetrics& metrics, int width, int height);

// Client rectangle for WM_NCCALCSIZE from the proposed window rectangle, or nothing when the
// system's own answer is kept: a borderless popup, and an MDI child that is not in its normal
// state (the system draws those).
std::optional<Rect> SkinnedClientRect(const FrameMetrics& metrics, FrameKind kind, MdiRole role, WindowState state,
                                      const Rect& proposedWindow);

struct FittedFrame {
    int Width = 0;
    int Height = 0;
    int ChildShift = 0;  // how far every child control moves right to stay centred
    bool operator==(const FittedFrame&) const = default;
};

// Outer size that keeps a client area of clientWidth x clientHeight inside the skinned frame.
// For a dialog whose caption text would not fit, `neededCaptionWidth` (see
// DialogCaptionWidth) widens the window and the controls move right by half the difference.
FittedFrame FitFrame(const FrameMetrics& metrics, int clientWidth, int clientHeight,
                     std::optional<int> neededCaptionWidth);

// Width a dialog caption needs: the text plus the title's left shift and right clip.
int DialogCaptionWidth(const TDataSkinTitle& title, int captionTextWidth);

// Client height of a framework form under the system frame, used before our frame exists.
int SystemFrameClientHeight(int windowHeight, int menuBarHeight, int systemFrameHeight, int systemCaptionHeight);

// Outer size that gives a window back its system frame when the skin is removed;
// `systemFrameExtra` is (window size - client size) measured at attach time.
struct WindowSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const WindowSize&) const = default;
};
WindowSize UnskinnedWindowSize(const FrameMetrics& metrics, WindowSize skinned, WindowSize systemFrameExtra);

}  // namespace skin::form
