#pragma once
// Layouts and pointer positions are kept in twips (1/1440 inch), the unit the
// window layouts are written in; pixels are derived in one place.
#include "book/ControlPlaces.h"

#include <cmath>

class QWidget;

// Nearest whole number, halves to the even neighbour.
inline int roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

// The screen's twips per pixel, read afresh for each event (15 at 96 dpi).
double screenTwipsPerPixelX(const QWidget* widget);
double screenTwipsPerPixelY(const QWidget* widget);
