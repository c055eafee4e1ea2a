#pragma once

// The point symbols 0 to 14, each a fixed sequence of canvas operations around
// a centre pixel (x, y); the operations define the pixels exactly.
//
// Pixel contract (offsets from the centre, y grows downwards; "outline" is the
// pen colour, rectangles fill their interior with the white brush, lines leave
// out their end pixel as the canvas does):
//  0  dot: columns -1..0, rows -1..0.
//  1  open square 5 x 5 (-2..2), white inside.
//  2  filled square 5 x 5.
//  3  open diamond: the ring |dx| + |dy| = 3, rings 1 and 2 white, centre untouched.
//  4  filled diamond: rings 1 to 3, centre untouched.
//  5  filled square 7 x 7 (-3..3) with a white centre pixel.
//  6  open square 7 x 7, white inside.
//  7  open triangle, point up: its interior white, outline (-3, 3) (3, 3) (0, -4).
//  8  filled triangle with the same outline.
//  9  open octagon 9 x 9 (-4..4, corners cut by 2), white inside.
// 10  filled octagon 9 x 9 with a white centre pixel.
// 11  open diamond, radius 5, rings 4 and 5 outline, rings 1 to 3 white, centre untouched.
// 12  filled diamond, radius 5, centre untouched.
// 13  small diagonal cross: (-1, -1) (0, 0) (1, 1) and (1, -1) (-1, 1).
// 14  small upright cross: (0, -1) (0, 0) (0, 1) and (-1, 0) (1, 0).
// 15 and above draw nothing.
// Every pixel lies within 5 of the centre in both directions.

#include "plot/DrawingSurface.h"

#include <QRgb>

constexpr int kSymbolCount = 15;

// Draws symbol `number` centred on `centre` with the surface's pen as it is
// (the caller sets the width to 1). The pen colour starts as setColour, white
// marks switch it to white and colour marks back to setColour; it is left as
// the last mark set it. Every part keeps the centre's offset, so a vector
// surface draws the symbol around the exact point.
template <DrawingSurface Surface>
void drawSymbolShape(Surface& surface, CanvasPoint centre, int number, QRgb setColour);
