#include "controls/Cursors.h"

#include <QPixmap>

namespace {

QCursor cursorFrom(const QString& file, int hotX, int hotY, Qt::CursorShape fallback) {
    const QPixmap picture(QStringLiteral(":/cursors/") + file + QStringLiteral(".png"));
    // A build without the pictures still gets a usable pointer.
    if (picture.isNull())
        return QCursor(fallback);
    return QCursor(picture, hotX, hotY);
}

} // namespace

QCursor resourceCursor(int number) {
    // Crayons and brushes draw with their tip in the bottom-left corner.
    return cursorFrom(QString::number(number), 0, 31, Qt::CrossCursor);
}

QCursor resourceCursor(const QString& name) {
    if (name == QLatin1String("HANDY"))
        return cursorFrom(name, 12, 1, Qt::PointingHandCursor);
    if (name == QLatin1String("ERASER"))
        return cursorFrom(name, 1, 25, Qt::CrossCursor);
    return QCursor(Qt::ArrowCursor);
}
