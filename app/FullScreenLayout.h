#pragma once
// The fixed window's layout laid over a whole screen: scaled by the largest
// factor that fits, centred. Screen positions are in the screen's device
// pixels, layout positions in the window's logical units.
#include <QPointF>
#include <QRectF>
#include <QSize>

struct FullScreenLayout {
    QSize screen; // device pixels
    QSize layout; // logical units
    // Device pixels per logical unit.
    qreal factor() const;
    // The layout's place on the screen, in device pixels.
    QRectF placeOnScreen() const;
    // The layout's top-left in the logical units of the scaled screen.
    QPointF originInScaledScreen() const;
};
