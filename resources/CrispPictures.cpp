#include "resources/CrispPictures.h"

#include <QHash>
#include <QMap>
#include <QtMath>
#include <exception>

namespace CrispPictures {
namespace {

struct Source {
    Renderer renderer;
    QMap<qreal, QPixmap> renderings;
};

QHash<QString, Source>& sources() {
    static QHash<QString, Source> table;
    return table;
}

// The key of each attached picture, by the 1x picture's handle, which every
// copy of it shares.
QHash<qint64, QString>& keys() {
    static QHash<qint64, QString> table;
    return table;
}

bool isOne(qreal ratio) {
    return qFuzzyCompare(ratio, qreal(1));
}

QPixmap render(const Renderer& renderer, const QPixmap& picture, qreal ratio) {
    const QSize size = deviceSize(picture.size(), ratio);
    QImage image;
    try {
        image = renderer(size, ratio);
    } catch (const std::exception&) {
        // A source that cannot be drawn still leaves the 1x picture to show.
    }
    if (image.size() != size)
        image = picture.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace

void attach(const QPixmap& picture, const QString& key, Renderer renderer) {
    if (picture.isNull())
        return;
    keys().insert(picture.cacheKey(), key);
    if (!sources().contains(key))
        sources().insert(key, Source{std::move(renderer), {}});
}

QPixmap at(const QPixmap& picture, qreal ratio) {
    if (isOne(ratio) || picture.isNull())
        return picture;
    const auto key = keys().constFind(picture.cacheKey());
    if (key == keys().constEnd())
        return picture;
    Source& source = sources()[*key];
    auto rendering = source.renderings.constFind(ratio);
    if (rendering == source.renderings.constEnd())
        rendering = source.renderings.insert(ratio, render(source.renderer, picture, ratio));
    return *rendering;
}

QCursor cursorAt(const QCursor& cursor, qreal ratio) {
    const QPixmap picture = cursor.pixmap();
    if (isOne(ratio) || picture.isNull())
        return cursor;
    const QPixmap drawn = at(picture, ratio);
    if (drawn.cacheKey() == picture.cacheKey())
        return cursor;
    const QPoint hot = deviceHotSpot(cursor.hotSpot(), ratio);
    return QCursor(drawn, hot.x(), hot.y());
}

QSize deviceSize(QSize size, qreal ratio) {
    // A hair below the next whole pixel still rounds down: 600 x 1.8 is 1080.
    return {qCeil(size.width() * ratio - 1e-6), qCeil(size.height() * ratio - 1e-6)};
}

QPoint deviceHotSpot(QPoint hotSpot, qreal ratio) {
    return {qFloor((hotSpot.x() + 0.5) * ratio), qFloor((hotSpot.y() + 0.5) * ratio)};
}

} // namespace CrispPictures
