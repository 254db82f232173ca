// The crayon box and the brush set: every slot shows its palette colour,
// exactly, centred where the window takes the press; the empty pocket and
// the empty eraser box match the boxes they are laid over.
#include "book/PaletteTable.h"
#include "tests/tools/artgen/ArtworkFiles.h"

#include <gtest/gtest.h>

namespace {

// Where the window shows the palette pictures, and slot i's press area.
const QPoint kPalettePlace(126, 434);
QRect slotOnWindow(int slot) {
    return QRect(141 + 34 * slot, 457, 34, 141);
}
QRect slotInPicture(int slot) {
    return slotOnWindow(slot).translated(-kPalettePlace);
}

// The empty pocket is laid at the slot's left edge, top 435.
QRect emptyPocketInPicture(int slot) {
    return QRect(slotOnWindow(slot).left(), 435, 35, 165).translated(-kPalettePlace);
}

class PaletteArtwork : public testing::TestWithParam<const char*> {
protected:
    QImage palette() const { return loadArtwork(QStringLiteral("res/") + GetParam()).image; }
};

} // namespace

TEST_P(PaletteArtwork, EverySlotShowsASolidPatchOfExactlyItsColour) {
    const QImage picture = palette();
    ASSERT_EQ(picture.size(), QSize(437, 166));
    for (int slot = 0; slot < kPaletteSize; ++slot) {
        SCOPED_TRACE(slot);
        const QRgb colour = rgbFromColour(kPaletteTable[slot]);
        const QRect area = slotInPicture(slot);
        EXPECT_GE(countExact(picture, area, colour), 300);
        EXPECT_TRUE(hasSolidSquare(picture, area, colour, 6));
        // The neighbours' colours stay in their own slots.
        for (int other = 0; other < kPaletteSize; ++other) {
            if (other != slot) {
                EXPECT_LT(countExact(picture, area, rgbFromColour(kPaletteTable[other])), 20)
                    << "colour of slot " << other;
            }
        }
    }
}

TEST_P(PaletteArtwork, EveryCrayonOrBrushStandsInTheMiddleOfItsSlot) {
    const QImage picture = palette();
    ASSERT_FALSE(picture.isNull());
    for (int slot = 0; slot < kPaletteSize; ++slot) {
        SCOPED_TRACE(slot);
        const QRgb colour = rgbFromColour(kPaletteTable[slot]);
        const QRect area = slotInPicture(slot);
        long long sumX = 0;
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if ((picture.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                    sumX += x;
                    ++count;
                }
            }
        }
        ASSERT_GT(count, 0);
        const double middle = area.left() + area.width() / 2.0;
        EXPECT_NEAR(double(sumX) / count, middle, 2.5);
    }
}

TEST_P(PaletteArtwork, EmptyPocketMatchesTheBoxAroundEverySlot) {
    const QImage picture = palette();
    const QImage pocket = loadArtwork("resources/layout/imgNONE.jpg").image;
    ASSERT_EQ(pocket.size(), QSize(35, 165));
    for (int slot = 0; slot < kPaletteSize; ++slot) {
        SCOPED_TRACE(slot);
        const QRect under = emptyPocketInPicture(slot);
        // Its side columns and everything below the pocket's lip, where the
        // crayon or brush does not reach, are the box itself.
        const QRect parts[] = {{0, 0, 3, 165}, {32, 0, 3, 165}, {0, 100, 35, 65}};
        for (const QRect& part : parts)
            EXPECT_LT(meanDifference(pocket, part, picture, part.translated(under.topLeft())), 2.0);
        // And the crayon or brush is gone from it.
        EXPECT_EQ(countExact(pocket, pocket.rect(), rgbFromColour(kPaletteTable[slot])), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(CrayonsAndBrushes, PaletteArtwork,
                         testing::Values("stix.kyr", "brsh.kyr"));

TEST(EraserArtwork, EmptyEraserBoxIsTheEraserBoxWithoutTheEraser) {
    const QImage full = loadArtwork("resources/layout/cmdERASER.jpg").image;
    const QImage empty = loadArtwork("resources/layout/cmdERASER_OFF.jpg").image;
    ASSERT_EQ(full.size(), QSize(85, 165));
    ASSERT_EQ(empty.size(), QSize(85, 165));
    const QRect sides[] = {{0, 0, 8, 165}, {77, 0, 8, 165}, {0, 110, 85, 55}};
    for (const QRect& side : sides)
        EXPECT_LT(meanDifference(full, side, empty, side), 1.5);
    const QRect eraser(25, 20, 35, 60);
    EXPECT_GT(meanDifference(full, eraser, empty, eraser), 30.0);
}

TEST(EraserArtwork, EraserBoxLinesUpWithTheCrayonBoxBesideIt) {
    // The same rows of the window through the front of both boxes: the
    // eraser box sits one pixel lower than the crayon box.
    const QImage crayons = loadArtwork("res/stix.kyr").image;
    const QImage eraser = loadArtwork("resources/layout/cmdERASER.jpg").image;
    ASSERT_FALSE(crayons.isNull());
    ASSERT_FALSE(eraser.isNull());
    EXPECT_LT(meanDifference(crayons, QRect(430, 105, 3, 60), eraser, QRect(3, 104, 3, 60)), 2.0);
}
