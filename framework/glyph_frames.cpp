#include "framework/glyph_frames.h"

int GlyphFrameIndex(int state, int stateCount, bool enabled, bool pressed) {
    if (state < 0 || state >= stateCount) state = 0;
    const int group = !enabled ? 2 : pressed ? 1 : 0;
    return group * stateCount + state;
}

int GlyphFrameWidth(int stripWidth, int frameCount) {
    if (frameCount <= 0 || stripWidth < frameCount) return 0;
    return stripWidth / frameCount;
}
