#pragma once
// How many frames a skin strip is cut into: a skin may give any number, and a count of 0 or below
// (which would leave a control blank, or divide by zero) counts as one frame holding the whole
// strip.

namespace skin::controls {

constexpr int UsableFrameCount(int frameCount) { return frameCount < 1 ? 1 : frameCount; }

}  // namespace skin::controls
