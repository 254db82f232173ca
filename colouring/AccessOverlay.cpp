#include "colouring/AccessOverlay.h"

#include <QPainter>

namespace {
// A crayon-orange ring on a dark edge: seen on the white page, on the
// coloured areas and on the wooden desk alike.
const QColor kMarkColour(255, 140, 0);
const QColor kMarkEdge(70, 35, 10);
constexpr int kRing = 4;
constexpr int kPointerRadius = 7;
} // namespace

AccessOverlay::AccessOverlay(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("accessOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    raise();
}

void AccessOverlay::markAround(QRect place) {
    mark_ = place;
    raise();
    update();
}

void AccessOverlay::showPointer(std::optional<QPoint> point, bool down) {
    pointer_ = point;
    down_ = down;
    update();
}

void AccessOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!mark_.isEmpty()) {
        const QRectF ring = QRectF(mark_).adjusted(-kRing, -kRing, kRing, kRing);
        painter.setPen(QPen(kMarkEdge, kRing + 2));
        painter.drawRoundedRect(ring, 8, 8);
        painter.setPen(QPen(kMarkColour, kRing, Qt::DashLine, Qt::RoundCap));
        painter.drawRoundedRect(ring, 8, 8);
    }
    if (pointer_) {
        const QPointF c = *pointer_ + QPointF(0.5, 0.5);
        painter.setPen(QPen(kMarkEdge, 4));
        painter.setBrush(down_ ? kMarkColour : Qt::transparent);
        painter.drawEllipse(c, kPointerRadius, kPointerRadius);
        painter.setPen(QPen(kMarkColour, 2));
        painter.drawEllipse(c, kPointerRadius, kPointerRadius);
        painter.setPen(QPen(kMarkEdge, 1));
        painter.drawLine(c - QPointF(kPointerRadius + 4, 0), c - QPointF(3, 0));
        painter.drawLine(c + QPointF(3, 0), c + QPointF(kPointerRadius + 4, 0));
        painter.drawLine(c - QPointF(0, kPointerRadius + 4), c - QPointF(0, 3));
        painter.drawLine(c + QPointF(0, 3), c + QPointF(0, kPointerRadius + 4));
    }
}
