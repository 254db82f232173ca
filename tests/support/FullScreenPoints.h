#pragma once
// Where a layout point shows on a full screen and back, as the tests aim the
// pointer at the scaled book.
#include "app/FullScreenLayout.h"

// The screen point (device pixels) showing a layout point.
inline QPointF screenPointOf(const FullScreenLayout& layout, QPointF layoutPoint) {
    return (layoutPoint + layout.originInScaledScreen()) * layout.factor();
}

// The layout point at a screen position, as the pointer reports it.
inline QPointF layoutPointAt(const FullScreenLayout& layout, QPointF screenPoint) {
    return screenPoint / layout.factor() - layout.originInScaledScreen();
}
