#pragma once
#include "book/Colour.h"

#include <QImage>
#include <QRect>

// Paints the 4-connected region of pixels that have exactly the colour of
// (x, y) with fill. A start outside the image, or a region that already has
// the fill colour, changes nothing. Iterative: no region can exhaust a stack.
QRect surfaceFill(QImage& image, int x, int y, Colour fill);
