#include "tests/support/ConnectedArea.h"

#include "tests/support/TestSupport.h"

#include <algorithm>
#include <span>

namespace {

// The 4 neighbours first, then the diagonal ones.
const QPoint kSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

std::size_t at(const QImage& image, QPoint p) {
    return std::size_t(p.y()) * image.width() + p.x();
}

// Sets id in label (per pixel of image) for every pixel reachable from start
// over 4 neighbours, or all 8, through start's colour (alpha aside) where
// label holds 0; how many it set.
int flood(const QImage& image, QPoint start, bool diagonal, std::vector<int>& label, int id) {
    const QRgb colour = image.pixel(start) & 0xffffff;
    const auto joins = [&](QPoint p) {
        return image.rect().contains(p) && !label[at(image, p)] &&
               (image.pixel(p) & 0xffffff) == colour;
    };
    int count = 0;
    std::vector<QPoint> todo{start};
    label[at(image, start)] = id;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        ++count;
        for (const QPoint step : std::span(kSteps).first(diagonal ? 8 : 4))
            if (const QPoint q = p + step; joins(q)) {
                label[at(image, q)] = id;
                todo.push_back(q);
            }
    }
    return count;
}

} // namespace

ConnectedArea::ConnectedArea(const QImage& image, QPoint start)
    : rect_(image.rect()), in_(std::size_t(image.width()) * image.height(), 0) {
    if (rect_.contains(start))
        size_ = flood(image, start, false, in_, 1);
}

bool ConnectedArea::contains(QPoint p) const {
    return rect_.contains(p) && in_[std::size_t(p.y()) * rect_.width() + p.x()];
}

QImage ConnectedArea::paintedOn(QImage image, QRgb colour) const {
    for (int y = 0; y < rect_.height(); ++y)
        for (int x = 0; x < rect_.width(); ++x)
            if (contains({x, y}))
                image.setPixel(x, y, colour);
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

WhiteAreaLabels labelWhiteAreas(const QImage& picture, bool diagonal) {
    const int pixels = picture.width() * picture.height();
    WhiteAreaLabels areas{picture.width(), std::vector<int>(std::size_t(pixels)), {0}, {0}};
    for (int start = 0; start < pixels; ++start) {
        const QPoint p(start % areas.width, start / areas.width);
        if (areas.label[start] || (picture.pixel(p) & 0xffffff) != 0xffffff)
            continue;
        areas.first.push_back(start);
        areas.size.push_back(flood(picture, p, diagonal, areas.label, int(areas.size.size())));
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
