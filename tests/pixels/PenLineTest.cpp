#include "pixels/PenLine.h"

#include "tests/support/TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr Colour kPen = packColour(0x12, 0x9a, 0xe4);
constexpr int kWidth = 10;

QImage blankPage(int width = 60, int height = 50) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    return image;
}

bool inked(const QImage& image, int x, int y) {
    return image.pixel(x, y) == rgbFromColour(kPen);
}

int inkedInColumn(const QImage& image, int x) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += inked(image, x, y);
    return count;
}

int inkedInRow(const QImage& image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += inked(image, x, y);
    return count;
}

} // namespace

TEST(PenLine, AddsNoColourButThePensAndStaysInsideTheReturnedRectangle) {
    // Lines at many slopes and fractional ends over a page with outlines:
    // without antialiasing every pixel is either untouched or the pen's.
    QImage original = blankPage(80, 70);
    for (int i = 0; i < 80; i += 7)
        for (int y = 0; y < 70; ++y)
            original.setPixel(i, y, qRgb(0, 0, 0));
    for (int k = 0; k < 24; ++k) {
        QImage image = original;
        const QPointF from(40.3, 35.6);
        const QPointF to(40 + 37.2 * std::cos(k * 0.27), 35 + 33.1 * std::sin(k * 0.27));
        const QRect changed = drawPenLine(image, from, to, kPen, kWidth);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == original.pixel(x, y))
                    continue;
                ASSERT_TRUE(inked(image, x, y)) << "stray colour at " << x << "," << y;
                ASSERT_TRUE(changed.contains(x, y)) << "outside the rectangle: " << x << "," << y;
            }
    }
}

TEST(PenLine, IsTenPixelsWideAcrossAndAlong) {
    QImage image = blankPage();
    drawPenLine(image, QPointF(10, 20), QPointF(45, 20), kPen, kWidth);
    EXPECT_EQ(inkedInColumn(image, 28), kWidth);

    image = blankPage();
    drawPenLine(image, QPointF(30, 8), QPointF(30, 40), kPen, kWidth);
    EXPECT_EQ(inkedInRow(image, 24), kWidth);
}

TEST(PenLine, EndsInRoundCapsHalfTheWidthBeyondEachEnd) {
    QImage image = blankPage();
    drawPenLine(image, QPointF(15, 20), QPointF(40, 20), kPen, kWidth);
    // Along the axis the cap reaches about half the width past the end...
    EXPECT_TRUE(inked(image, 40 + kWidth / 2 - 1, 20));
    EXPECT_TRUE(inked(image, 15 - kWidth / 2, 20));
    EXPECT_FALSE(inked(image, 40 + kWidth / 2 + 1, 20));
    EXPECT_FALSE(inked(image, 15 - kWidth / 2 - 2, 20));
    // ...but its corners are cut away, as a square cap's would not be.
    EXPECT_FALSE(inked(image, 40 + kWidth / 2 - 1, 20 - kWidth / 2));
    EXPECT_FALSE(inked(image, 15 - kWidth / 2, 20 + kWidth / 2 - 1));
}

TEST(PenLine, ASegmentFromAPointToItselfLeavesARoundDot) {
    QImage image = blankPage();
    const QRect changed = drawPenLine(image, QPointF(30, 25), QPointF(30, 25), kPen, kWidth);
    EXPECT_EQ(inkedInRow(image, 25), kWidth);
    EXPECT_EQ(inkedInColumn(image, 30), kWidth);
    EXPECT_FALSE(inked(image, 25, 20)); // the corner of its square stays white
    EXPECT_TRUE(changed.contains(QRect(25, 20, kWidth, kWidth)));
}

TEST(PenLine, ALineLeavingThePageIsClippedToIt) {
    QImage image = blankPage();
    const QRect changed = drawPenLine(image, QPointF(-30, 30), QPointF(30, -30), kPen, kWidth);
    EXPECT_TRUE(image.rect().contains(changed));
    EXPECT_TRUE(inked(image, 0, 0));
    const QRect far = drawPenLine(image, QPointF(1e7, 1e7), QPointF(2e7, 1e7), kPen, kWidth);
    EXPECT_TRUE(far.isEmpty());
}
