#include "colouring/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <cmath>

PictureBox::PictureBox(QWidget* parent, const QString& name, QRect place, int border)
    : QWidget(parent), border_(border) {
    setObjectName(name);
    setGeometry(place);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture) {
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

QRect PictureBox::clientRect() const {
    return rect().adjusted(border_, border_, -border_, -border_);
}

void PictureBox::refresh(QRect changed) {
    if (changed.isEmpty())
        repaint();
    else
        repaint(changed.translated(border_, border_).intersected(clientRect()));
}

void PictureBox::invalidate(QRect changed) {
    update(changed.translated(border_, border_).intersected(clientRect()));
}

bool smoothPictureScaling(qreal ratio) {
    return std::abs(ratio - std::round(ratio)) > 0.01;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          smoothPictureScaling(devicePixelRatioF()));
    const QRect client = clientRect();
    if (border_ > 0 && !client.contains(event->rect())) {
        // A sunken frame: shadow above and left, light below and right.
        painter.fillRect(rect(), QColor(255, 255, 255));
        painter.fillRect(rect().adjusted(0, 0, -1, -1), QColor(128, 128, 128));
        painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor(223, 223, 223));
        painter.fillRect(rect().adjusted(1, 1, -2, -2), QColor(64, 64, 64));
    }
    painter.setClipRect(client.intersected(event->rect()));
    // White only where the opaque picture leaves the client area bare: each
    // frame of a page turn paints the whole area, at four times the pixels on
    // a fine screen.
    const QRect picture(client.topLeft(), image_.size());
    for (const QRect& bare : QRegion(client).subtracted(picture))
        painter.fillRect(bare, Qt::white);
    painter.drawImage(client.topLeft(), image_);
}
