// Frames of a glyph strip: the pictures of a check box or radio button side by side, one per
// state, in three groups: normal, pressed, disabled.
#pragma once

// Frame of check `state` (0 .. stateCount - 1) in a strip of 3 * stateCount frames: the normal
// group first, then the pressed, then the disabled one. A disabled control is never drawn pressed.
int GlyphFrameIndex(int state, int stateCount, bool enabled, bool pressed);

// Width of one frame of a strip `stripWidth` wide holding `frameCount` frames (0 when it holds
// fewer pixels than frames).
int GlyphFrameWidth(int stripWidth, int frameCount);
