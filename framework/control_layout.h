// Geometry of controls made of parts: radio group buttons, status bar panels.
#pragma once

#include <vector>

struct TCellBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Bounds of radio button `index` of `count` in a group box of width x height whose caption is
// textHeight high: the buttons fill `columns` columns top to bottom, then left to right.
TCellBounds RadioGroupButtonBounds(int index, int count, int columns, int width, int height, int textHeight);

// Right edges of status bar parts of the given widths, for SB_SETPARTS: each part starts where
// the previous ends and the last one extends to the right end of the bar (-1).
std::vector<int> StatusBarPartEdges(const std::vector<int>& widths);
