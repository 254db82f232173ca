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

QString WhiteAreaLabels::where(int id) const {
    return QStringLiteral("(%1, %2)").arg(firstPixel(id).x()).arg(firstPixel(id).y());
}

WhiteAreaLabels labelWhiteAreas(const QImage& picture, bool diagonal) {
    const int w = picture.width();
    const int h = picture.height();
    std::vector<bool> white(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            white[size_t(y) * w + x] = picture.pixel(x, y) == qRgb(255, 255, 255);

    WhiteAreaLabels areas;
    areas.width = w;
    areas.label.assign(white.size(), 0);
    areas.size.push_back(0);
    areas.first.push_back(0);
    std::vector<int> todo;
    for (int start = 0; start < w * h; ++start) {
        if (!white[start] || areas.label[start])
            continue;
        const int id = int(areas.size.size());
        areas.size.push_back(0);
        areas.first.push_back(start);
        areas.label[start] = id;
        todo.push_back(start);
        while (!todo.empty()) {
            const int p = todo.back();
            todo.pop_back();
            ++areas.size[id];
            const int x = p % w;
            const int y = p / w;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if ((dx == 0 && dy == 0) || (!diagonal && dx != 0 && dy != 0))
                        continue;
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                        continue;
                    const int q = ny * w + nx;
                    if (white[q] && !areas.label[q]) {
                        areas.label[q] = id;
                        todo.push_back(q);
                    }
                }
            }
        }
    }
    return areas;
}

std::vector<WhiteArea> whiteAreas(const QImage& picture, int minPixels) {
    const WhiteAreaLabels labels = labelWhiteAreas(picture, false);
    std::vector<WhiteArea> areas;
    for (int id = 1; id <= labels.count(); ++id) {
        if (labels.size[id] >= minPixels)
            areas.push_back({labels.firstPixel(id), labels.size[id]});
    }
    std::stable_sort(areas.begin(), areas.end(),
                     [](const WhiteArea& a, const WhiteArea& b) { return a.pixels < b.pixels; });
    return areas;
}
