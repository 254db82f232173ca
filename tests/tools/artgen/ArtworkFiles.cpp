#include "tests/tools/artgen/ArtworkFiles.h"

#include "tests/support/TestSupport.h"

#include <QImageReader>
#include <cmath>
#include <cstdlib>

LoadedPicture loadArtwork(const QString& relative) {
    QImageReader reader(sourceDir() + "/" + relative);
    reader.setDecideFormatFromContent(true);
    LoadedPicture loaded;
    loaded.format = reader.format();
    loaded.image = reader.read();
    return loaded;
}

double meanDifference(const QImage& a, QRect areaA, const QImage& b, QRect areaB) {
    long long sum = 0;
    for (int y = 0; y < areaA.height(); ++y) {
        for (int x = 0; x < areaA.width(); ++x) {
            const QRgb p = a.pixel(areaA.left() + x, areaA.top() + y);
            const QRgb q = b.pixel(areaB.left() + x, areaB.top() + y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * areaA.width() * areaA.height());
}

int countExact(const QImage& image, QRect area, QRgb rgb) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF) ? 1 : 0;
    }
    return count;
}

bool hasSolidSquare(const QImage& image, QRect area, QRgb rgb, int side) {
    for (int top = area.top(); top + side - 1 <= area.bottom(); ++top) {
        for (int left = area.left(); left + side - 1 <= area.right(); ++left) {
            if (countExact(image, QRect(left, top, side, side), rgb) == side * side)
                return true;
        }
    }
    return false;
}

namespace {

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double contrastWithWhite(QRgb rgb) {
    const double luminance =
        0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    return 1.05 / (luminance + 0.05);
}
