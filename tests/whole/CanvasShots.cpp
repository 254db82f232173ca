#include "tests/whole/CanvasShots.h"

#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"

#include <utility>

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
    QImage shot;
    eventually(
        [&] {
            shot = program.windowShot();
            return differingPixels(canvasOf(shot), expected).count == 0;
        },
        5000);
    return shot;
}

QImage settledShot(const RunningProgram& program) {
    QImage last;
    QImage shot;
    eventually(
        [&] {
            shot = program.windowShot();
            return std::exchange(last, shot) == shot;
        },
        3000);
    return shot;
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
