#include "tests/whole/CanvasShots.h"

#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"

#include <QElapsedTimer>
#include <QThread>

QRect slotArea(int i) {
    const QRect first = controlRect("cmdCOLOR");
    return first.translated(first.width() * i, 0);
}
QPoint paletteSlot(int i) {
    return slotArea(i).topLeft() + QPoint(17, 100);
}

QImage canvasOf(const QImage& windowShot) {
    return windowShot.copy(kCanvasArea);
}

QImage visiblePart(const QImage& page) {
    return page.copy(QRect(QPoint(0, 0), kCanvasArea.size()));
}
QImage outlinePage(const ScratchDataFolder& scratch, int page) {
    return visiblePart(loadPicture(scratch.file(DataFiles::outlinePage(page))));
}

QImage waitForCanvas(const RunningProgram& program, const QImage& expected) {
    QElapsedTimer clock;
    clock.start();
    QImage shot = program.windowShot();
    while (differingPixels(canvasOf(shot), expected).count != 0 && clock.elapsed() < 5000) {
        QThread::msleep(100);
        shot = program.windowShot();
    }
    return shot;
}

QImage settledShot(const RunningProgram& program) {
    QElapsedTimer clock;
    clock.start();
    QImage last = program.windowShot();
    for (;;) {
        QThread::msleep(50);
        QImage shot = program.windowShot();
        if (shot == last || clock.elapsed() > 3000)
            return shot;
        last = shot;
    }
}

int countOf(const QImage& picture, QRgb colour, QRect box) {
    return breaking(
               picture, [&](int x, int y) { return picture.pixel(x, y) != colour; }, box)
        .count;
}

std::string where(const PixelDifference& d) {
    return std::to_string(d.count) + " pixels, the first at " + std::to_string(d.first.x()) + "," +
           std::to_string(d.first.y());
}

void keep(const QImage& shot, const QString& name) {
    shot.save(binaryDir() + QStringLiteral("/%1.png").arg(name));
}
