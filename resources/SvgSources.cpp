#include "resources/SvgSources.h"

#include "resources/SvgPicture.h"

#include <QFileInfo>

QString svgSource(const QString& group, const QString& name) {
    return QStringLiteral(":/artwork/") + group + QLatin1Char('/') + name + QStringLiteral(".svg");
}

QString dataFileSource(const char* file) {
    return svgSource(QStringLiteral("data"),
                     QFileInfo(QString::fromLatin1(file)).completeBaseName());
}

QImage renderSvgSource(const QString& source, QSize size) {
    return renderSvg(readSvg(source), source, true, size);
}

CrispPictures::Renderer svgRenderer(const QString& source, Backdrop backdrop) {
    return [source, backdrop](QSize size, qreal ratio) {
        return renderSvgOver(readSvg(source), source,
                             backdrop ? backdrop(size, ratio) : whiteBackdrop(size));
    };
}
