#pragma once
// The frame of the skin's 5-frame button image a tool-bar button is drawn with.

namespace skin::controls {

struct ToolButtonState {
    bool Selected = false;
    bool Grayed = false;
    bool Disabled = false;
    bool Focused = false;
    bool Default = false;
    bool Hot = false;
};

// 2 pressed, 4 hot or focused, 1 a default button that is enabled; 0: draw nothing.
constexpr int ToolButtonFrame(const ToolButtonState& s) {
    if (s.Selected) return 2;
    if (s.Focused || s.Hot) return 4;
    if (s.Default && !s.Grayed && !s.Disabled) return 1;
    return 0;
}

}  // namespace skin::controls
