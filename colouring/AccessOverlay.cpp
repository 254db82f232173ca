#include "colouring/AccessOverlay.h"

#include <QPainter>
#include <QPainterPath>

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

void AccessOverlay::showAreaEdge(const QImage& edge, QPoint pageOrigin) {
    edge_ = QImage(edge.size(), QImage::Format_ARGB32_Premultiplied);
    edge_.fill(Qt::transparent);
    if (!edge.isNull()) {
        // The mask's edge pixels in the mark's colour, thickened by one pixel
        // on each side so that a thin area still shows its outline.
        QPainter p(&edge_);
        QImage tinted = edge.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter t(&tinted);
        t.setCompositionMode(QPainter::CompositionMode_SourceIn);
        t.fillRect(tinted.rect(), kMarkColour);
        t.end();
        for (const QPoint d :
             {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            p.drawImage(d, tinted);
    }
    edgeOrigin_ = pageOrigin;
    update();
}

void AccessOverlay::showSweep(Sweep kind, int at, QRect page) {
    sweep_ = kind;
    sweepAt_ = at;
    sweepPage_ = page;
    update();
}

void AccessOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!edge_.isNull())
        painter.drawImage(edgeOrigin_, edge_);
    if (sweep_ != Sweep::None) {
        const QLineF line = sweep_ == Sweep::Row
                                ? QLineF(sweepPage_.left(), sweepAt_, sweepPage_.right(), sweepAt_)
                                : QLineF(sweepAt_, sweepPage_.top(), sweepAt_, sweepPage_.bottom());
        painter.setPen(QPen(kMarkEdge, 5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(line);
        painter.setPen(QPen(kMarkColour, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(line);
    }
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
