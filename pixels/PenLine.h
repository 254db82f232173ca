#pragma once
#include "book/Colour.h"

#include <QImage>
#include <QPointF>
#include <QRect>

// The canvas's line: round caps and joins, no antialiasing, so a stroke adds
// no colour but its own. Points are in pixels; a segment from a point to
// itself leaves a round dot of the pen's width. Returns the changed rectangle
// (the segment's bounds padded by the pen's reach, clipped to the image).
QRect drawPenLine(QImage& image, QPointF from, QPointF to, Colour colour, int width);
