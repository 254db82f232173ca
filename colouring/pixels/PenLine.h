#pragma once
#include "colouring/pixels/Colour.h"

#include <QImage>
#include <QPointF>
#include <QRect>

// The canvas's line: round caps and joins, no antialiasing, so a stroke adds
// no colour but its own. Points are in pixels. Returns the changed rectangle.
QRect drawPenLine(QImage& image, QPointF from, QPointF to, Colour colour, int width);
