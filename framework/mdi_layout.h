// Where an MDI frame puts its client window: the client area minus the bars docked at its edges.
#pragma once

#include <span>

struct TLayoutRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TLayoutRect&) const = default;
};

// `client`: the frame's client area; `bars`: its other visible child windows. A window as wide as
// the client area that touches its top (bottom) edge takes its height off the top (bottom).
TLayoutRect MdiClientArea(const TLayoutRect& client, std::span<const TLayoutRect> bars);
