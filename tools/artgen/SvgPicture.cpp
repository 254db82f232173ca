#include "tools/artgen/SvgPicture.h"

#include "colouring/pixels/FileError.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

QByteArray readSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    return file.readAll();
}

QImage renderSvg(const QByteArray& svg, const QString& name, bool antialias, QSize size) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw FileError(name, QStringLiteral("not a valid SVG"));
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, antialias);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage flatten(const QImage& image, const QImage& backdrop) {
    QImage flat = backdrop.convertToFormat(QImage::Format_RGB32);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

QImage whiteBackdrop(QSize size) {
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}
