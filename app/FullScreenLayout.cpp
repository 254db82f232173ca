#include "app/FullScreenLayout.h"

#include <algorithm>
#include <cmath>

qreal FullScreenLayout::factor() const {
    return std::min(qreal(screen.width()) / layout.width(),
                    qreal(screen.height()) / layout.height());
}

QRectF FullScreenLayout::placeOnScreen() const {
    const QSizeF scaled = QSizeF(layout) * factor();
    return {QPointF((screen.width() - scaled.width()) / 2, (screen.height() - scaled.height()) / 2),
            scaled};
}

// Widgets are placed on whole logical units; the half unit a centred layout
// may need is given to the right or bottom margin.
QPointF FullScreenLayout::originInScaledScreen() const {
    const QPointF exact = placeOnScreen().topLeft() / factor();
    return {std::floor(exact.x()), std::floor(exact.y())};
}
