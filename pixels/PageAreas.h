#pragma once
// The colourable areas of a page, for a child who picks an area from a list
// instead of pointing at it.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <vector>

struct PageArea {
    QPoint seed; // its first pixel, top to bottom, left to right
    int pixels;
    QRect bounds;
};

// The 4-connected regions of one colour other than outline black, as a fill
// at the seed would pour into them, largest first (equal sizes top first,
// then left first). Specks smaller than minPixels are left out: no child
// picks a single stray pixel.
std::vector<PageArea> colourableAreas(const QImage& page, int minPixels = 16);

// The area's edge: its pixels with a neighbour outside it, set in a mask the
// page's size (Format_Alpha8, 255 on the edge).
QImage areaEdge(const QImage& page, QPoint seed);
