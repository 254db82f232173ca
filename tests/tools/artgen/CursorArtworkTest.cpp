// The 26 pointers: 32 x 32 pictures on transparency, each with its hot spot
// on the drawing, and the numbered ones in their palette colours.
#include "book/PaletteTable.h"
#include "tests/tools/artgen/ArtworkFiles.h"

#include <gtest/gtest.h>

namespace {

QImage cursor(const QString& name) {
    const LoadedPicture loaded = loadArtwork("resources/cursors/" + name + ".png");
    EXPECT_EQ(loaded.format, "png") << qPrintable(name);
    return loaded.image;
}

int alphaAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

// The most opaque pixel within one pixel of (x, y).
int alphaNear(const QImage& image, int x, int y) {
    int best = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.rect().contains(x + dx, y + dy))
                best = std::max(best, alphaAt(image, x + dx, y + dy));
        }
    }
    return best;
}

QStringList allCursorNames() {
    QStringList names = {"HANDY", "ERASER"};
    for (int number = kFirstCursorNumber; number <= kLastCursorNumber; ++number)
        names.append(QString::number(number));
    return names;
}

} // namespace

TEST(CursorArtwork, EveryCursorIs32By32WithATransparentBackground) {
    for (const QString& name : allCursorNames()) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = cursor(name);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(alphaAt(image, 0, 0), 0);
        EXPECT_EQ(alphaAt(image, 31, 0), 0);
        EXPECT_EQ(alphaAt(image, 31, 31), 0);
        int transparent = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x)
                transparent += alphaAt(image, x, y) == 0 ? 1 : 0;
        }
        EXPECT_GT(transparent, 400);
    }
}

TEST(CursorArtwork, HandPointsWithItsFingerTipAtTheHotSpot) {
    const QImage hand = cursor("HANDY");
    ASSERT_EQ(hand.size(), QSize(32, 32));
    EXPECT_GE(alphaAt(hand, 12, 1), 200);
    // Nothing of the hand rises above the finger tip.
    for (int x = 0; x < 32; ++x)
        EXPECT_LT(alphaAt(hand, x, 0), 128) << "x " << x;
    int white = 0;
    int cuff = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = hand.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            white += (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240) ? 1 : 0;
            cuff += (qBlue(p) > 100 && qBlue(p) > qRed(p) + 60) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 120);
    EXPECT_GT(cuff, 30);
}

TEST(CursorArtwork, EraserRubsWithItsCornerAtTheHotSpot) {
    const QImage eraser = cursor("ERASER");
    ASSERT_EQ(eraser.size(), QSize(32, 32));
    EXPECT_GE(alphaAt(eraser, 1, 25), 200);
    for (int y = 0; y < 32; ++y)
        EXPECT_LT(alphaAt(eraser, 0, y), 128) << "y " << y;
}

TEST(CursorArtwork, CrayonsAndBrushesHaveTheirTipInTheBottomLeftCornerAndTheirColour) {
    for (int slot = 0; slot < kPaletteSize; ++slot) {
        const QRgb colour = rgbFromColour(kPaletteTable[slot]);
        for (int number : {drawCursorNumber(slot), paintCursorNumber(slot)}) {
            SCOPED_TRACE(number);
            const QImage image = cursor(QString::number(number));
            ASSERT_EQ(image.size(), QSize(32, 32));
            EXPECT_GE(alphaNear(image, 0, 31), 200);
            const int coloured = countExact(image, image.rect(), colour);
            EXPECT_GE(coloured, number == drawCursorNumber(slot) ? 80 : 25);
            // The template colour never survives into a pointer.
            EXPECT_EQ(countExact(image, image.rect(), qRgb(255, 0, 255)), 0);
        }
    }
}
