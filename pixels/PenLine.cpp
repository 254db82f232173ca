#include "pixels/PenLine.h"

#include "pixels/PixelRows.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

QRect drawPenLine(QImage& image, QPointF from, QPointF to, Colour colour, int width) {
    pixelrows::makeRgb32(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(
        QPen(QColor(rgbFromColour(colour)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A segment from a point to itself (the opening of every stroke) leaves
    // a round dot of the pen's width, as a real crayon touching the paper.
    if (from == to)
        painter.drawPoint(from);
    else
        painter.drawLine(from, to);
    painter.end();

    // The pen reaches half its width beyond the segment; one more pixel
    // covers the rounding of the aliased outline. Worked out in floating
    // point and clipped first, so far-off points cannot overflow an int.
    const double reach = (width + 1) / 2 + 1;
    const double left = std::max(std::floor(std::min(from.x(), to.x())) - reach, 0.0);
    const double top = std::max(std::floor(std::min(from.y(), to.y())) - reach, 0.0);
    const double right =
        std::min(std::ceil(std::max(from.x(), to.x())) + reach, image.width() - 1.0);
    const double bottom =
        std::min(std::ceil(std::max(from.y(), to.y())) + reach, image.height() - 1.0);
    if (left > right || top > bottom)
        return {};
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}
