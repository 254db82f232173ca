#include "pixels/PixelOps.h"

#include "pixels/BitmapFile.h"
#include "pixels/PixelPaths.h"
#include "tests/support/TestSupport.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// Every pixel a different colour, so a pixel taken from the wrong place shows.
QImage numbered(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + seed) & 0xFF, (y * 53 + seed) & 0xFF, x ^ y));
    return image;
}

struct Block {
    int x, y, w, h;
};

// What a transfer must leave: combine(target, source) inside the block and
// inside both images, the target untouched elsewhere.
template <typename Combine>
QImage expectedTransfer(QImage target, const QImage& source, Block b, Combine combine) {
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h &&
                source.rect().contains(x, y))
                target.setPixel(x, y, combine(target.pixel(x, y), source.pixel(x, y)));
    return target;
}

QRgb copied(QRgb, QRgb source) {
    return source;
}
QRgb anded(QRgb target, QRgb source) {
    return target & source;
}

// Blocks hanging over each edge, over all four, from negative origins, and
// entirely outside; target 9 x 7 against a source of another size.
const Block kBlocks[] = {{2, 1, 4, 3},  {-3, 2, 5, 2},    {6, 2, 10, 3},  {1, -4, 3, 6},
                         {3, 5, 2, 10}, {-2, -2, 20, 20}, {-10, 0, 5, 5}, {9, 0, 3, 3},
                         {0, 7, 3, 3},  {0, 0, 0, 5},     {0, 0, 5, -1},  {-5, -5, -3, -3}};

} // namespace

TEST(PixelOps, ReadPixelPacksRedGreenBlueAndSeesNothingOutside) {
    const QImage image = asciiImage({"r#", ".c"}, {"r=#ff0000", "c=#102030"});
    EXPECT_EQ(readPixel(image, 0, 0), 255u);
    EXPECT_EQ(readPixel(image, 1, 0), 0u);
    EXPECT_EQ(readPixel(image, 0, 1), 16777215u);
    EXPECT_EQ(readPixel(image, 1, 1), 0x10u + 256u * 0x20u + 65536u * 0x30u);
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(2, 0), QPoint(0, 2),
                           QPoint(INT_MAX, INT_MAX), QPoint(INT_MIN, 0)})
        EXPECT_FALSE(readPixel(image, p.x(), p.y()).has_value()) << p.x() << "," << p.y();
}

TEST(PixelOps, BlockCopyClipsToBothImagesAtEveryEdge) {
    const QImage canvas = numbered(9, 7, 1);
    for (const QImage& source : {numbered(9, 7, 100), numbered(6, 9, 100)}) {
        for (const Block b : kBlocks) {
            QImage target = canvas;
            const QRect changed = blockCopy(target, source, b.x, b.y, b.w, b.h);
            const QImage expected = expectedTransfer(canvas, source, b, copied);
            EXPECT_EQ(target, expected) << b.x << "," << b.y << " " << b.w << "x" << b.h;
            const QRect block = b.w > 0 && b.h > 0 ? QRect(b.x, b.y, b.w, b.h) : QRect();
            EXPECT_EQ(changed, block & canvas.rect() & source.rect());
        }
    }
}

TEST(PixelOps, BlockAndCombinesBitByBitAndClipsLikeTheCopyOnEveryPath) {
    const QImage canvas = numbered(9, 7, 1);
    for (const PixelPath* path : runnablePixelPaths()) {
        SCOPED_TRACE(path->name);
        usePixelPath(*path);
        for (const QImage& source : {numbered(9, 7, 100), numbered(6, 9, 100)}) {
            for (const Block b : kBlocks) {
                QImage target = canvas;
                const QRect changed = blockAnd(target, source, b.x, b.y, b.w, b.h);
                EXPECT_EQ(target, expectedTransfer(canvas, source, b, anded))
                    << b.x << "," << b.y << " " << b.w << "x" << b.h;
                const QRect block = b.w > 0 && b.h > 0 ? QRect(b.x, b.y, b.w, b.h) : QRect();
                EXPECT_EQ(changed, block & canvas.rect() & source.rect());
            }
        }
    }
    usePixelPath(*runnablePixelPaths().front());
}

TEST(PixelOps, EveryPathStampsEachShippedPageOverAnotherLikeThePlainAnd) {
    const QString folder = sourceDir() + "/res/pages/orig/";
    const QStringList pages = QDir(folder).entryList({"*.bmp"});
    ASSERT_GE(pages.size(), 2);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QImage canvas = loadPicture(folder + pages[i]);
        const QImage outline = loadPicture(folder + pages[(i + 1) % pages.size()]);
        const Block whole{0, 0, canvas.width(), canvas.height()};
        const QImage expected = expectedTransfer(canvas, outline, whole, anded);
        for (const PixelPath* path : runnablePixelPaths()) {
            usePixelPath(*path);
            QImage target = canvas;
            blockAnd(target, outline, 0, 0, whole.w, whole.h);
            ASSERT_TRUE(target == expected) << pages[i].toStdString() << " " << path->name;
        }
    }
    usePixelPath(*runnablePixelPaths().front());
}

TEST(PixelOps, BlockAndKeepsEachBitOnlyWhereBothHaveIt) {
    QImage target = asciiImage({"ab"}, {"a=#5a3c96", "b=#ffffff"});
    const QImage source = asciiImage({"cd"}, {"c=#c3a50f", "d=#000000"});
    blockAnd(target, source, 0, 0, 2, 1);
    EXPECT_EQ(readPixel(target, 0, 0), packColour(0x5a & 0xc3, 0x3c & 0xa5, 0x96 & 0x0f));
    EXPECT_EQ(readPixel(target, 1, 0), kOutlineBlack);
    EXPECT_EQ(qAlpha(target.pixel(0, 0)), 255);
}

TEST(PixelOps, StampingTheWholeOutlineKeepsColourAndRestoresEveryBlackLine) {
    // The release stamp: full rows in one run, odd width so the tail of the
    // last word is covered too.
    const QImage outline = asciiImage({"..#....", ".###...", "..#...#"});
    QImage canvas = asciiImage({"rrrr...", "rrrrggg", "..rrggg"}, {"r=#ff0000", "g=#00ff00"});
    EXPECT_EQ(blockAnd(canvas, outline, 0, 0, 7, 3), canvas.rect());
    EXPECT_EQ(asciiRows(canvas, {"r=#ff0000", "g=#00ff00"}),
              QStringList({"rr#r...", "r###ggg", "..#rgg#"}));
}

TEST(PixelOps, ASourceSharingTheTargetsPixelsIsReadBeforeItIsWritten) {
    // A canvas freshly loaded as a copy of its outline shares its pixels.
    const QImage outline = numbered(8, 8, 7);
    QImage canvas = outline;
    blockCopy(canvas, canvas, 0, 0, 8, 8);
    EXPECT_EQ(canvas, outline);
    blockAnd(canvas, outline, 2, 2, 3, 3);
    EXPECT_EQ(canvas, outline);
}
