#include "postcard/PictureWindow.h"

#include <QPaintEvent>
#include <QPainter>

PictureWindow::PictureWindow(QWidget* owner, QImage background, QSize clientSize)
    : QWidget(owner, Qt::Dialog), background_(std::move(background)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(clientSize);
}

void PictureWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(0, 0, background_);
}
