#include "resources/WindowArtwork.h"

#include "book/ArtworkPlaces.h"
#include "book/BookFacts.h"
#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"
#include "resources/ButtonStates.h"
#include "resources/CrispPictures.h"
#include "resources/SvgPicture.h"
#include "resources/SvgSources.h"

#include <QFileInfo>
#include <QMap>
#include <future>
#include <system_error>

namespace {

QImage drawDesk(qreal ratio) {
    QImage desk = svgRenderer(dataFileSource(DataFiles::Desk))(
        CrispPictures::deviceSize(kWindowSize, ratio), ratio);
    // Marked with its ratio now, so that the desk picture shares
    // these pixels instead of copying them.
    desk.setDevicePixelRatio(ratio);
    return desk;
}

// The desk for ratio, kept for every ratio asked for: each picture on it is
// flattened onto its own part. It is the largest picture, so it is drawn on a
// thread of its own from the moment it is first asked for.
const std::shared_future<QImage>& deskFor(qreal ratio) {
    static QMap<qreal, std::shared_future<QImage>> desks;
    auto desk = desks.constFind(ratio);
    if (desk == desks.constEnd()) {
        std::shared_future<QImage> drawing;
        try {
            drawing = std::async(std::launch::async, drawDesk, ratio).share();
        } catch (const std::system_error&) {
            // No thread to spare: drawn where it is first needed.
            drawing = std::async(std::launch::deferred, drawDesk, ratio).share();
        }
        desk = desks.insert(ratio, drawing);
    }
    return *desk;
}

const QImage& deskAt(qreal ratio) {
    return deskFor(ratio).get();
}

// The part of the desk behind the picture of that name, as the artwork
// generator takes it at 1x; white for pictures that do not lie on the desk.
Backdrop deskBehind(const QString& name) {
    return [name](QSize size, qreal ratio) {
        const auto place = artworkPlace(name);
        if (!place)
            return whiteBackdrop(size);
        const QPoint corner(qRound(place->x() * ratio), qRound(place->y() * ratio));
        QImage part = deskAt(ratio).copy(QRect(corner, size));
        part.setDevicePixelRatio(1); // its picture is drawn onto it in device pixels
        return part;
    };
}

QPixmap withSource(QPixmap picture, const QString& source) {
    CrispPictures::attach(picture, source,
                          svgRenderer(source, deskBehind(QFileInfo(source).completeBaseName())));
    return picture;
}

} // namespace

void startDrawingWindowArtwork(qreal ratio) {
    if (!qFuzzyCompare(ratio, qreal(1)))
        deskFor(ratio);
}

QPixmap deskPicture(const QString& dataFolder) {
    QPixmap picture = QPixmap::fromImage(loadPicture(dataFolder + QLatin1String(DataFiles::Desk)));
    CrispPictures::attach(picture, dataFileSource(DataFiles::Desk), [](QSize size, qreal ratio) {
        const QImage& desk = deskAt(ratio);
        return desk.size() == size ? desk : desk.scaled(size);
    });
    return picture;
}

QPixmap dataPicture(const QString& dataFolder, const char* file) {
    return withSource(QPixmap::fromImage(loadPicture(dataFolder + QLatin1String(file))),
                      dataFileSource(file));
}

QPixmap layoutPicture(const QString& name) {
    return withSource(QPixmap(QStringLiteral(":/layout/") + name + QStringLiteral(".jpg")),
                      svgSource(QStringLiteral("layout"), name));
}

QList<std::pair<QString, QPixmap>> storedButton(const QString& name) {
    QList<std::pair<QString, QPixmap>> faces;
    const QString base = QStringLiteral(":/buttons/") + name;
    const QString source = svgSource(QStringLiteral("buttons"), name);
    const struct {
        const char* key;
        const char* suffix;
        QImage ButtonStates::*state;
    } kinds[] = {
        {"img_down", "_down.jpg", &ButtonStates::pressed},
        {"img_roll", "_roll.jpg", &ButtonStates::rollover},
        {"img_norm", "_norm.jpg", &ButtonStates::normal},
    };
    for (const auto& face : kinds) {
        const QPixmap picture(base + QLatin1String(face.suffix));
        CrispPictures::attach(picture, source + QLatin1String(face.suffix),
                              [source, name, state = face.state](QSize size, qreal ratio) {
                                  return buttonState(renderSvgSource(source, size),
                                                     deskBehind(name)(size, ratio), state, ratio);
                              });
        faces.append({QLatin1String(face.key), picture});
    }
    return faces;
}
