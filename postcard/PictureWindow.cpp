#include "postcard/PictureWindow.h"

#include "resources/SvgSources.h"

#include <QPaintEvent>
#include <QPainter>

PictureWindow::PictureWindow(QWidget* owner, const QImage& background, const QString& source,
                             QSize clientSize)
    : QWidget(owner, Qt::Dialog), background_(QPixmap::fromImage(background)) {
    CrispPictures::attach(background_, source, svgRenderer(source));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(clientSize);
}

void PictureWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawPixmap(0, 0, CrispPictures::at(background_, devicePixelRatioF()));
}
