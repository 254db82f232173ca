#include "tests/whole/CanvasShots.h"

#include "colouring/pixels/BitmapFile.h"

#include <QElapsedTimer>
#include <QThread>

QPoint paletteSlot(int i) {
    const QRect first = controlRect("cmdCOLOR");
    return first.topLeft() + QPoint(first.width() * i + 17, 100);
}

QImage canvasOf(const QImage& windowShot) {
    return windowShot.copy(kCanvasArea);
}

QImage outlinePage(const ScratchDataFolder& scratch, int page) {
    return loadPicture(scratch.file(QStringLiteral("pages/orig/%1.bmp").arg(page)))
        .copy(QRect(QPoint(0, 0), kCanvasArea.size()));
}

QImage waitForCanvas(const RunningProgram& program, const QImage& expected) {
    QElapsedTimer clock;
    clock.start();
    QImage canvas = canvasOf(program.windowShot());
    while (differingPixels(canvas, expected).count != 0 && clock.elapsed() < 5000) {
        QThread::msleep(100);
        canvas = canvasOf(program.windowShot());
    }
    return canvas;
}

QImage settledCanvas(const RunningProgram& program) {
    QElapsedTimer clock;
    clock.start();
    QImage last = canvasOf(program.windowShot());
    for (;;) {
        QThread::msleep(100);
        QImage canvas = canvasOf(program.windowShot());
        if (canvas == last || clock.elapsed() > 5000)
            return canvas;
        last = canvas;
    }
}

int countOf(const QImage& picture, QRgb colour) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

std::string where(const PixelDifference& d) {
    return std::to_string(d.count) + " pixels, the first at " + std::to_string(d.first.x()) + "," +
           std::to_string(d.first.y());
}

void keep(const QImage& shot, const QString& name) {
    shot.save(QStringLiteral(VELLUMIX_BINARY_DIR "/%1.png").arg(name));
}
