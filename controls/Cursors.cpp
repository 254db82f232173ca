#include "controls/Cursors.h"

#include "book/PaletteTable.h"
#include "pixels/FileError.h"
#include "resources/CrispPictures.h"
#include "resources/SvgPicture.h"
#include "resources/SvgSources.h"

#include <QColor>
#include <QPixmap>

namespace {

// svg, when given, is drawn in place of the 1x picture on finer screens.
QCursor cursorFrom(const QString& file, int hotX, int hotY, Qt::CursorShape fallback,
                   const QByteArray& svg) {
    const QPixmap picture(QStringLiteral(":/cursors/") + file + QStringLiteral(".png"));
    // A build without the pictures still gets a usable pointer.
    if (picture.isNull())
        return QCursor(fallback);
    if (!svg.isEmpty())
        CrispPictures::attach(
            picture, QStringLiteral(":/cursors/") + file,
            [svg, file](QSize size, qreal) { return renderSvg(svg, file, true, size); });
    return QCursor(picture, hotX, hotY);
}

QByteArray cursorSource(const QString& name) {
    try {
        return readSvg(svgSource(QStringLiteral("cursors"), name));
    } catch (const FileError&) {
        return {};
    }
}

} // namespace

QCursor resourceCursor(int number, Colour tip) {
    // Crayons, then brushes, drawn from one template each whose magenta is
    // the slot's colour.
    QByteArray svg = cursorSource(number < paintCursorNumber(0) ? QStringLiteral("crayon")
                                                                : QStringLiteral("brush"));
    svg.replace("#ff00ff", QColor(rgbFromColour(tip)).name(QColor::HexRgb).toLatin1());
    // Crayons and brushes draw with their tip in the bottom-left corner.
    return cursorFrom(QString::number(number), 0, 31, Qt::CrossCursor, svg);
}

QCursor resourceCursor(const QString& name) {
    if (name == QLatin1String("HANDY"))
        return cursorFrom(name, 12, 1, Qt::PointingHandCursor, cursorSource(name));
    if (name == QLatin1String("ERASER"))
        return cursorFrom(name, 1, 25, Qt::CrossCursor, cursorSource(name));
    return QCursor(Qt::ArrowCursor);
}
