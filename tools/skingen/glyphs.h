#pragma once
// Vector glyphs of the skin images, as shapes centred on (cx, cy) with half-size s.

#include "tools/common/skingen_canvas.h"

namespace tools::skingen {

enum class Direction { Up, Down, Left, Right };

Shape CloseGlyph(double cx, double cy, double s, double width);
Shape MaximizeGlyph(double cx, double cy, double s, double width);
Shape RestoreGlyph(double cx, double cy, double s, double width);
Shape MinimizeGlyph(double cx, double cy, double s, double width);
// A chevron pointing in `d`, s wide from its tip to its arms.
Shape Chevron(double cx, double cy, double s, double width, Direction d);
// A solid triangle pointing in `d`.
Shape Arrowhead(double cx, double cy, double s, Direction d);
Shape CheckMark(double cx, double cy, double s, double width);
// Six dots in a triangle towards the bottom-right corner of a box ending at (right, bottom).
Shape SizeGrip(double right, double bottom, double pitch, double dot);
// Draws the application icon (a rounded tile with three sliders) into a size x size box at (x, y).
void DrawAppIcon(Canvas& canvas, double x, double y, double size, const Rgb& tileTop, const Rgb& tileBottom,
                 const Rgb& mark);

}  // namespace tools::skingen
