#include "colouring/Canvas.h"

#include "controls/ImageControl.h"
#include "controls/Twips.h"

#include <QMouseEvent>
#include <QtMath>

Canvas::Canvas(QWidget* parent, QRect place)
    : PictureBox(parent, QStringLiteral("canvas"), place, 2), client_(new QWidget(this)) {
    client_->setObjectName(QStringLiteral("canvasClient"));
    client_->setGeometry(clientRect());
    client_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setMouseTracking(true);
}

QPoint pixelUnderPointer(QPointF position, QPointF scenePosition, int border) {
    QPointF exact = position;
    // A position with a fraction of its own was not rounded.
    if (position == QPointF(position.toPoint()))
        exact += scenePosition - QPointF(scenePosition.toPoint());
    return {qFloor(exact.x()) - border, qFloor(exact.y()) - border};
}

// The pixel under the pointer in twips, so that the handlers' own rounding
// finds that pixel at any scale.
QPointF Canvas::twipsOf(const QMouseEvent* event) const {
    const QPoint p = pixelUnderPointer(event->position(), event->scenePosition(), border());
    return {p.x() * screenTwipsPerPixelX(this), p.y() * screenTwipsPerPixelY(this)};
}

int Canvas::shiftOf(const QMouseEvent* event) {
    const auto m = event->modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    const QPointF t = twipsOf(event);
    emit MouseDown(buttonCode(event->button()), shiftOf(event), float(t.x()), float(t.y()));
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF t = twipsOf(event);
    emit MouseMove(buttonsCode(event->buttons()), shiftOf(event), float(t.x()), float(t.y()));
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF t = twipsOf(event);
    emit MouseUp(buttonCode(event->button()), shiftOf(event), float(t.x()), float(t.y()));
}
