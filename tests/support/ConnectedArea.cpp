#include "tests/support/ConnectedArea.h"

#include "tests/support/TestSupport.h"

#include <algorithm>
#include <deque>

ConnectedArea::ConnectedArea(const QImage& image, QPoint start)
    : rect_(image.rect()), in_(std::size_t(image.width()) * image.height(), false) {
    if (!rect_.contains(start))
        return;
    const QRgb colour = image.pixel(start) & 0xffffff;
    std::deque<QPoint> todo{start}; // breadth first
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        if (!rect_.contains(p) || contains(p) || (image.pixel(p) & 0xffffff) != colour)
            continue;
        in_[std::size_t(p.y()) * rect_.width() + p.x()] = true;
        points_.push_back(p);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            todo.push_back(p + step);
    }
}

bool ConnectedArea::contains(QPoint p) const {
    return rect_.contains(p) && in_[std::size_t(p.y()) * rect_.width() + p.x()];
}

QImage ConnectedArea::paintedOn(QImage image, QRgb colour) const {
    for (const QPoint p : points_)
        image.setPixel(p, colour);
    return image;
}

::testing::AssertionResult onlyAreaChanged(const QImage& before, const QImage& after,
                                           const ConnectedArea& area, QRgb colour) {
    if (before.size() != after.size())
        return ::testing::AssertionFailure() << "the picture changed size";
    const QImage expected = area.paintedOn(before.convertToFormat(QImage::Format_RGB32), colour);
    const PixelDifference wrong = differingPixels(expected, after);
    if (wrong.count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << wrong.count << " pixels differ from the expected picture, the first at ("
           << wrong.first.x() << ", " << wrong.first.y() << ")";
}

std::vector<WhiteArea> whiteAreas(QImage picture, int minPixels) {
    std::vector<WhiteArea> areas;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                continue;
            const ConnectedArea area(picture, {x, y});
            picture = area.paintedOn(std::move(picture), qRgb(1, 2, 3)); // out of the next count
            if (area.size() >= minPixels)
                areas.push_back({QPoint(x, y), area.size()});
        }
    std::stable_sort(areas.begin(), areas.end(),
                     [](const WhiteArea& a, const WhiteArea& b) { return a.pixels < b.pixels; });
    return areas;
}
