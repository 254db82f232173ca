#include "controls/ButtonFace.h"

#include "controls/ImageControl.h"
#include "resources/CrispPictures.h"

#include <QMouseEvent>
#include <QPainter>

ButtonFace::ButtonFace(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("imgButton"));
    setMouseTracking(true);
}

void ButtonFace::setPicture(const QPixmap& picture) {
    picture_ = picture;
    // The face takes the size of the picture it shows; it is never stretched.
    resize(picture.isNull() ? QSize(0, 0) : picture.size());
    // A picture of the same size causes no resize, and so no paint, of its own.
    update();
}

void ButtonFace::paintEvent(QPaintEvent*) {
    if (!picture_.isNull())
        QPainter(this).drawPixmap(0, 0, CrispPictures::at(picture_, devicePixelRatioF()));
}

void ButtonFace::setPointer(const QCursor& pointer) {
    pointer_ = pointer;
    setCursor(CrispPictures::cursorAt(pointer_, devicePixelRatioF()));
}

void ButtonFace::enterEvent(QEnterEvent* event) {
    setCursor(CrispPictures::cursorAt(pointer_, devicePixelRatioF()));
    QWidget::enterEvent(event);
}

void ButtonFace::mousePressEvent(QMouseEvent*) {
    emit MouseDown();
}

void ButtonFace::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(buttonsCode(event->buttons()), event->position().x(), event->position().y());
}

void ButtonFace::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release over the face; released elsewhere,
    // the face keeps whatever the last handled move showed.
    if (rect().contains(event->position().toPoint()) && event->buttons() == Qt::NoButton)
        emit Click();
}
