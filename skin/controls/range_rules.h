#pragma once
// Arithmetic of the range controls' skins: how much of a progress bar is filled, and how an
// up-down control splits into its two arrow buttons and which strip frame each one shows.

#include "base/geometry.h"

namespace skin::controls {

using base::Rect;

// Filled length of a progress bar `length` pixels long for `position` in [minimum, maximum];
// the position is clamped into the range first. 0 for an empty or reversed range.
int ProgressFillLength(int length, int minimum, int maximum, int position);

// Chunk images laid side by side from 0 to cover `filled` pixels (the last may be cut).
int ProgressChunkCount(int filled, int chunkWidth);

// The arrow a button of an up-down control points to.
enum class UpDownArrow { Up = 0, Down = 1, Left = 2, Right = 3 };

// Button states of an up-down control.
inline constexpr int kUpDownNormal = 1;
inline constexpr int kUpDownPressed = 2;
inline constexpr int kUpDownDisabled = 3;

// The 1-based frame of the 8-frame button strip: up and left use frames 1-4, down and right 5-8.
int UpDownFrame(int state, UpDownArrow arrow);

// The two buttons of the working rectangle: left / right halves (horizontal) or upper / lower.
struct UpDownButtons {
    Rect First;
    Rect Second;
    UpDownArrow FirstArrow = UpDownArrow::Up;
    UpDownArrow SecondArrow = UpDownArrow::Down;
};
UpDownButtons SplitUpDown(const Rect& work, bool horizontal);

// 0 when (x, y) lies in the first button's half, 1 in the second (by the splitting line only).
int UpDownHalfAt(const Rect& work, bool horizontal, int x, int y);

// Button states of both buttons: `pressed` marks the half under the cursor as pressed; a
// disabled control shows both buttons disabled.
struct UpDownStates {
    int First = kUpDownNormal;
    int Second = kUpDownNormal;
    bool operator==(const UpDownStates&) const = default;
};
UpDownStates UpDownButtonStates(const Rect& work, bool horizontal, int cursorX, int cursorY, bool pressed,
                                bool enabled);

}  // namespace skin::controls
