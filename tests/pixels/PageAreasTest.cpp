#include "pixels/PageAreas.h"

#include <QPainter>
#include <gtest/gtest.h>

// Three white rooms behind black walls, a red one, and a one-pixel speck.
TEST(PageAreas, LargestFirstWithoutOutlinesOrSpecks) {
    QImage page(40, 20, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setPen(Qt::black);
    p.drawLine(10, 0, 10, 19); // left room 10 x 20 = 200
    p.drawLine(25, 0, 25, 19); // middle 14 x 20 = 280, right 14 x 20 = 280
    p.fillRect(30, 5, 5, 5, Qt::red);
    p.drawPoint(3, 3);
    p.end();
    page.setPixel(4, 4, qRgb(0, 255, 0)); // a speck

    const auto areas = colourableAreas(page);
    ASSERT_EQ(areas.size(), 4u);
    // The middle room (left first among equals), the right one around the
    // red square, the left one less its dot, then the red square.
    EXPECT_EQ(areas[0].seed, QPoint(11, 0));
    EXPECT_EQ(areas[0].pixels, 280);
    EXPECT_EQ(areas[1].seed, QPoint(26, 0));
    EXPECT_EQ(areas[1].pixels, 280 - 25);
    EXPECT_EQ(areas[2].pixels, 200 - 2);
    EXPECT_EQ(areas[3].bounds, QRect(30, 5, 5, 5));

    const QImage edge = areaEdge(page, areas[3].seed);
    EXPECT_EQ(qAlpha(edge.pixel(30, 5)), 255) << "its corner";
    EXPECT_EQ(qAlpha(edge.pixel(32, 7)), 0) << "inside the square";
    EXPECT_EQ(qAlpha(edge.pixel(34, 9)), 255);
}
