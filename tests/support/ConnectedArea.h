#pragma once
// The 4-connected area of pixels with exactly the colour of a start pixel
// (alpha aside), found the slow obvious way: the reference the program's
// fill is checked against.
#include <QImage>
#include <QPoint>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

class ConnectedArea {
public:
    ConnectedArea(const QImage& image, QPoint start);

    bool contains(QPoint p) const;
    int size() const { return size_; }
    // image with every pixel of the area set to colour.
    QImage paintedOn(QImage image, QRgb colour) const;

private:
    QRect rect_;
    std::vector<int> in_; // per pixel, row by row: 1 inside the area
    int size_ = 0;
};

// The white areas of a picture, labelled by flooding over 4 or 8 neighbours.
struct WhiteAreaLabels {
    int width = 0;
    std::vector<int> label; // per pixel: 0 for non-white, else the area's number
    std::vector<int> size;  // per area number; entry 0 unused
    std::vector<int> first; // first pixel of each area, in reading order

    int count() const { return int(size.size()) - 1; }
    QPoint firstPixel(int id) const { return {first[id] % width, first[id] / width}; }
    QString where(int id) const {
        return QStringLiteral("(%1, %2)").arg(first[id] % width).arg(first[id] / width);
    }
};
WhiteAreaLabels labelWhiteAreas(const QImage& picture, bool diagonal);

// The 4-connected white areas of picture of at least minPixels pixels, each
// by its first pixel, smallest first.
struct WhiteArea {
    QPoint start;
    int pixels = 0;
};
std::vector<WhiteArea> whiteAreas(const QImage& picture, int minPixels = 1);

// Whether after differs from before only inside area, every pixel of which
// has colour.
::testing::AssertionResult onlyAreaChanged(const QImage& before, const QImage& after,
                                           const ConnectedArea& area, QRgb colour);
