#include "pixels/PageAreas.h"

#include "book/Colour.h"

#include <algorithm>

namespace {

QRgb at(const QImage& page, int x, int y) {
    return page.pixel(x, y) & 0xFFFFFFu;
}

// Visits the region of seed's colour, marking each pixel in taken.
template <typename Visit>
void walkRegion(const QImage& page, QPoint seed, std::vector<char>& taken, Visit visit) {
    const int w = page.width();
    const int h = page.height();
    const QRgb colour = at(page, seed.x(), seed.y());
    std::vector<QPoint> todo{seed};
    taken[std::size_t(seed.y()) * w + seed.x()] = 1;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p);
        for (const QPoint n :
             {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
            if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                continue;
            char& mark = taken[std::size_t(n.y()) * w + n.x()];
            if (!mark && at(page, n.x(), n.y()) == colour) {
                mark = 1;
                todo.push_back(n);
            }
        }
    }
}

} // namespace

std::vector<PageArea> colourableAreas(const QImage& page, int minPixels) {
    std::vector<PageArea> areas;
    std::vector<char> taken(std::size_t(page.width()) * page.height(), 0);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (taken[std::size_t(y) * page.width() + x])
                continue;
            PageArea area{{x, y}, 0, {}};
            const bool outline = at(page, x, y) == (kOutlineBlack & 0xFFFFFFu);
            walkRegion(page, {x, y}, taken, [&area](QPoint p) {
                ++area.pixels;
                area.bounds |= QRect(p, QSize(1, 1));
            });
            if (!outline && area.pixels >= minPixels)
                areas.push_back(area);
        }
    // Found in reading order, so a stable sort keeps it among equals.
    std::stable_sort(areas.begin(), areas.end(),
                     [](const PageArea& a, const PageArea& b) { return a.pixels > b.pixels; });
    return areas;
}

QImage areaEdge(const QImage& page, QPoint seed) {
    QImage edge(page.size(), QImage::Format_Alpha8);
    edge.fill(0);
    if (!page.rect().contains(seed))
        return edge;
    std::vector<char> taken(std::size_t(page.width()) * page.height(), 0);
    const QRgb colour = at(page, seed.x(), seed.y());
    walkRegion(page, seed, taken, [&](QPoint p) {
        for (const QPoint n :
             {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
            if (!page.rect().contains(n) || at(page, n.x(), n.y()) != colour) {
                edge.scanLine(p.y())[p.x()] = 255;
                return;
            }
    });
    return edge;
}
