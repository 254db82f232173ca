#include "tests/postcard/PictureCompare.h"

#include <QPainter>
#include <cstdlib>
#include <limits>

QImage samplePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRect(width / 10, height / 10, width / 3, height / 3);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawEllipse(width / 2, height / 2, width / 3, height / 3);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(width / 2, height / 8, width / 4, height / 4);
    return picture;
}

double meanAbsoluteDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return std::numeric_limits<double>::infinity();
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x)
            total += std::abs(qRed(l[x]) - qRed(r[x])) + std::abs(qGreen(l[x]) - qGreen(r[x])) +
                     std::abs(qBlue(l[x]) - qBlue(r[x]));
    }
    return total / (3.0 * left.width() * left.height());
}
