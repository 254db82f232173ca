#pragma once
// Layouts and pointer positions are kept in twips (1/1440 inch), the unit the
// window layouts are written in; pixels are derived in one place.
#include <QRect>
#include <cmath>

class QWidget;

// The layouts were drawn at 96 dots per inch: 15 twips to the pixel.
constexpr int kLayoutTwipsPerPixel = 15;

constexpr QRect layoutRect(int left, int top, int width, int height) {
    return QRect(left / kLayoutTwipsPerPixel, top / kLayoutTwipsPerPixel,
                 width / kLayoutTwipsPerPixel, height / kLayoutTwipsPerPixel);
}

// Nearest whole number, halves to the even neighbour.
inline int roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

// The screen's twips per pixel, read afresh for each event (15 at 96 dpi).
double screenTwipsPerPixelX(const QWidget* widget);
double screenTwipsPerPixelY(const QWidget* widget);
