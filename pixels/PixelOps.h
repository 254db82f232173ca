#pragma once
// Direct pixel work on the canvas's retained image and the outline copy.
// Images are QImage::Format_RGB32 (a target in another format is converted
// first); every operation clips to both images, whatever the block's origin
// or size, and returns the rectangle it changed (empty when nothing changed).
#include "book/Colour.h"

#include <QImage>
#include <QRect>
#include <optional>

// The packed colour at (x, y); nothing for a point outside the image.
std::optional<Colour> readPixel(const QImage& image, int x, int y);

// Copies the w x h block at (x, y) of source onto the same place of target.
QRect blockCopy(QImage& target, const QImage& source, int x, int y, int w, int h);

// target = target AND source, bit by bit, over the w x h block at (x, y).
QRect blockAnd(QImage& target, const QImage& source, int x, int y, int w, int h);
