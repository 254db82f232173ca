#include "pixels/SurfaceFill.h"

#include "pixels/BitmapFile.h"
#include "pixels/PixelPaths.h"
#include "tests/support/ConnectedArea.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <random>

namespace {

const QStringList kLegend{"b=#0000ff", "w=#fefefe", "g=#1e1e1e"};
constexpr Colour kBlue = packColour(0, 0, 255);

QRect changedRect(const QImage& before, const QImage& after) {
    QRect changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

// Random pictures of a few colours, so that regions of every shape and
// every offset within a machine word turn up.
QImage randomPicture(std::mt19937& random, int width, int height, int colours) {
    const QRgb palette[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(30, 30, 30)};
    std::uniform_int_distribution<int> pick(0, colours - 1);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, palette[random() % 2 ? 0 : pick(random)]);
    return image;
}

// A single corridor winding inwards from (1, 1), carved out of black: the
// longest region a square page can hold. Returns its innermost point.
QPoint carveSpiral(QImage& image) {
    image.fill(qRgb(0, 0, 0));
    QPoint at(1, 1);
    image.setPixel(at, qRgb(255, 255, 255));
    const QPoint directions[] = {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)};
    int length = image.width() - 3;
    for (int turn = 0; length > 0; ++turn) {
        for (int step = 0; step < length; ++step) {
            at += directions[turn % 4];
            image.setPixel(at, qRgb(255, 255, 255));
        }
        if (turn % 2 == 0 && turn > 0)
            length -= 2;
    }
    return at;
}

} // namespace

TEST(SurfaceFill, ADiagonalLineOfOnePixelStepsHoldsTheColour) {
    QImage image = asciiImage({"..#....", "...#...", "....#.."});
    const QRect changed = surfaceFill(image, 0, 0, kBlue);
    EXPECT_EQ(asciiRows(image, kLegend), QStringList({"bb#....", "bbb#...", "bbbb#.."}));
    EXPECT_EQ(changed, QRect(0, 0, 4, 3));
}

TEST(SurfaceFill, PixelsTouchingOnlyAtACornerAreNotConnected) {
    QImage image = asciiImage({".#.", "#.#", ".#."});
    surfaceFill(image, 1, 1, kBlue);
    EXPECT_EQ(asciiRows(image, kLegend), QStringList({".#.", "#b#", ".#."}));
}

TEST(SurfaceFill, OnlyTheExactStartColourIsFilled) {
    // w is one step off white in each channel: a near colour is another area.
    QImage image = asciiImage({"...ww", "..w..", "....."}, kLegend);
    surfaceFill(image, 0, 0, kBlue);
    EXPECT_EQ(asciiRows(image, kLegend), QStringList({"bbbww", "bbwbb", "bbbbb"}));
}

TEST(SurfaceFill, FillsWhateverColourIsUnderTheStartIncludingBlack) {
    // Skipping the outlines is the caller's business: asked to, the fill
    // paints black areas like any other.
    QImage image = asciiImage({"##.", "#..", "..g"}, kLegend);
    surfaceFill(image, 0, 0, kBlue);
    EXPECT_EQ(asciiRows(image, kLegend), QStringList({"bb.", "b..", "..g"}));
    surfaceFill(image, 2, 2, kBlue);
    EXPECT_EQ(asciiRows(image, kLegend), QStringList({"bb.", "b..", "..b"}));
}

TEST(SurfaceFill, AStartOutsideTheImageOrOnTheFillColourChangesNothing) {
    const QImage original = asciiImage({"..b", ".#b"}, kLegend);
    for (const QPoint start : {QPoint(-1, 0), QPoint(0, -1), QPoint(3, 0), QPoint(0, 2),
                               QPoint(INT_MIN, INT_MAX), QPoint(2, 0)}) {
        QImage image = original;
        EXPECT_TRUE(surfaceFill(image, start.x(), start.y(), kBlue).isEmpty()) << start.x();
        EXPECT_EQ(image, original);
    }
}

TEST(SurfaceFill, AStrayAlphaByteDoesNotSplitARegionAndTheFillIsOpaque) {
    QImage image = asciiImage({"....", "...."});
    reinterpret_cast<QRgb*>(image.scanLine(1))[2] = 0x00ffffff;
    surfaceFill(image, 0, 0, kBlue);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x], 0xff0000ffu);
}

TEST(SurfaceFill, AnImageHeldInAnotherFormatIsFilledToo) {
    QImage image = asciiImage({"..#", ".#."}).convertToFormat(QImage::Format_RGB888);
    surfaceFill(image, 0, 0, kBlue);
    EXPECT_EQ(asciiRows(image, kLegend), QStringList({"bb#", "b#."}));
}

// Each path this processor runs (AVX2, SSE2, 64-bit words) paints exactly
// what the plain fill paints, at every width and offset within a vector.
TEST(SurfaceFill, EveryPathMatchesAPlainBreadthFirstFillOnRandomPictures) {
    for (const PixelPath* path : runnablePixelPaths()) {
        SCOPED_TRACE(path->name);
        usePixelPath(*path);
        std::mt19937 random(1971);
        for (int round = 0; round < 400; ++round) {
            const int width = 1 + round % 37;
            const int height = 1 + round / 23 % 9;
            const QImage original = randomPicture(random, width, height, 2 + round % 2);
            const int x = int(random() % unsigned(width));
            const int y = int(random() % unsigned(height));
            QImage image = original;
            const QRect changed = surfaceFill(image, x, y, kBlue);
            const QImage expected =
                ConnectedArea(original, {x, y}).paintedOn(original, rgbFromColour(kBlue));
            ASSERT_EQ(asciiRows(image, kLegend), asciiRows(expected, kLegend))
                << "round " << round << " start " << x << "," << y;
            ASSERT_EQ(changed, changedRect(original, expected)) << "round " << round;
        }
    }
    usePixelPath(*runnablePixelPaths().front());
}

TEST(SurfaceFill, EveryPathMatchesAPlainBreadthFirstFillOnTheShippedPages) {
    const QStringList pages = QDir(sourceDir() + "/res/pages/orig").entryList({"*.bmp"});
    ASSERT_FALSE(pages.isEmpty());
    std::mt19937 random(2024);
    for (const QString& name : pages) {
        const QImage original = loadPicture(sourceDir() + "/res/pages/orig/" + name);
        for (int seed = 0; seed < 6; ++seed) {
            const int x = int(random() % unsigned(original.width()));
            const int y = int(random() % unsigned(original.height()));
            const QImage expected =
                ConnectedArea(original, {x, y}).paintedOn(original, rgbFromColour(kBlue));
            for (const PixelPath* path : runnablePixelPaths()) {
                usePixelPath(*path);
                QImage image = original;
                surfaceFill(image, x, y, kBlue);
                ASSERT_TRUE(image == expected)
                    << name.toStdString() << " " << x << "," << y << " " << path->name;
            }
        }
    }
    usePixelPath(*runnablePixelPaths().front());
}

TEST(SurfaceFill, FollowsALongSpiralCorridorToItsEnd) {
    QImage original(101, 101, QImage::Format_RGB32);
    const QPoint end = carveSpiral(original);
    QImage image = original;
    const QRect changed = surfaceFill(image, 1, 1, kBlue);
    const QImage expected =
        ConnectedArea(original, {1, 1}).paintedOn(original, rgbFromColour(kBlue));
    EXPECT_EQ(image, expected);
    EXPECT_EQ(changed, QRect(1, 1, 99, 99));
    EXPECT_EQ(image.pixel(end), rgbFromColour(kBlue));
}

TEST(SurfaceFill, FillsAWholeBlankPage) {
    QImage image(523, 393, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    EXPECT_EQ(surfaceFill(image, 200, 150, kBlue), image.rect());
    QImage expected(image.size(), QImage::Format_RGB32);
    expected.fill(rgbFromColour(kBlue));
    EXPECT_EQ(image, expected);
}

TEST(SurfaceFill, AHugeWindingRegionDoesNotExhaustTheStack) {
    // Walls every second column, open alternately at the top and bottom:
    // one 1-pixel corridor snaking through sixteen million pixels.
    constexpr int kSize = 4000;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int x = 1; x < kSize; x += 2) {
        const int gap = x % 4 == 1 ? kSize - 1 : 0;
        for (int y = 0; y < kSize; ++y)
            if (y != gap)
                image.setPixel(x, y, qRgb(0, 0, 0));
    }
    EXPECT_EQ(surfaceFill(image, 0, 0, kBlue), image.rect());
    int left = 0;
    for (int y = 0; y < kSize; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < kSize; ++x)
            left += row[x] == qRgb(255, 255, 255);
    }
    EXPECT_EQ(left, 0);
    EXPECT_EQ(image.pixel(kSize - 2, kSize / 2), rgbFromColour(kBlue));
}
