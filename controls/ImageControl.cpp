#include "controls/ImageControl.h"

#include "resources/CrispPictures.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent, const QString& name, QRect place,
                           const QPixmap& picture)
    : QWidget(parent), picture_(picture) {
    setObjectName(name);
    setGeometry(place);
    setMouseTracking(true);
}

void ImageControl::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (!picture_.isNull())
        QPainter(this).drawPixmap(0, 0, CrispPictures::at(picture_, devicePixelRatioF()));
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(buttonCode(event->button()));
}

// Moves over a picture belong to the picture, not to the window behind it.
void ImageControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

int buttonCode(Qt::MouseButton button) {
    return buttonsCode(button);
}

int buttonsCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}
