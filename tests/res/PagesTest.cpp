// The sixteen outline pages are what a child colours. Each must be pure black
// line art on white, clear of the canvas border, with enough areas to fill,
// no specks, and lines that a 4-connected fill cannot slip through.
#include "pixels/BitmapFile.h"
#include "tests/support/ConnectedArea.h"
#include "tests/support/Facts.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = kCanvasSize.width();
constexpr int kHeight = kCanvasSize.height();
constexpr int kUnderBorder = 4; // last columns and rows lie under the canvas border
constexpr int kFillable = 40;   // smallest area a child is meant to fill
constexpr int kSpeck = 8;       // anything smaller is a speck
constexpr int kMinimumFillable = 15;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

QString pagePath(int n) {
    return shippedDataFolder() + DataFiles::outlinePage(n);
}

class Page : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(pagePath(GetParam()))) << qPrintable(pagePath(GetParam()));
        page_ = loadPicture(pagePath(GetParam()));
        ASSERT_EQ(page_.size(), QSize(kWidth, kHeight));
    }
    QImage page_;
};

TEST(PageAreas, DiagonalNeighboursJoinOnlyUnderEightConnectivity) {
    const QImage picture = asciiImage({"#####", "#.###", "##.##", "#####"});
    EXPECT_EQ(labelWhiteAreas(picture, false).count(), 2);
    EXPECT_EQ(labelWhiteAreas(picture, true).count(), 1);
}

TEST_P(Page, IsA24BitWindowsBitmapOfTheCanvasSize) {
    QFile file(pagePath(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(54);
    ASSERT_EQ(head.size(), 54);
    const auto* b = reinterpret_cast<const uchar*>(head.constData());
    EXPECT_EQ(head.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(b + 18), kWidth);
    EXPECT_EQ(qAbs(qFromLittleEndian<qint32>(b + 22)), kHeight);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 30), 0u) << "compressed";
}

TEST_P(Page, HoldsOnlyPureBlackAndPureWhite) {
    int black = 0;
    int white = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = page_.pixel(x, y);
            if (c == kBlack)
                ++black;
            else if (c == kWhite)
                ++white;
            else
                FAIL() << "colour " << std::hex << c << " at " << std::dec << x << ", " << y;
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
}

TEST_P(Page, DrawsNothingUnderTheBorderOrOnTheEdges) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool edge =
                x == 0 || y == 0 || x >= kWidth - kUnderBorder || y >= kHeight - kUnderBorder;
            if (edge) {
                ASSERT_EQ(page_.pixel(x, y), kWhite) << "at " << x << ", " << y;
            }
        }
    }
}

TEST_P(Page, BackgroundAroundTheDrawingIsOneArea) {
    const WhiteAreaLabels areas = labelWhiteAreas(page_, false);
    const int background = areas.label[0];
    ASSERT_NE(background, 0);
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_EQ(areas.label[x], background) << "top row at " << x;
        EXPECT_EQ(areas.label[size_t(kHeight - 1) * kWidth + x], background)
            << "bottom row at " << x;
    }
    for (int y = 0; y < kHeight; ++y) {
        EXPECT_EQ(areas.label[size_t(y) * kWidth], background) << "left column at " << y;
        EXPECT_EQ(areas.label[size_t(y) * kWidth + kWidth - 1], background)
            << "right column at " << y;
    }
}

TEST_P(Page, HasEnoughAreasToFillAndNoSpecks) {
    const WhiteAreaLabels areas = labelWhiteAreas(page_, false);
    int fillable = 0;
    for (int id = 1; id <= areas.count(); ++id) {
        if (areas.size[id] >= kFillable)
            ++fillable;
        EXPECT_GE(areas.size[id], kSpeck)
            << "speck of " << areas.size[id] << " px at " << qPrintable(areas.where(id));
    }
    EXPECT_GE(fillable, kMinimumFillable);
}

// Two 4-connected areas that touch at a corner would be one area under
// 8-connectivity: a line too thin there to hold every fill.
TEST_P(Page, LinesAreThickEnoughThatNoAreaLeaksDiagonally) {
    const WhiteAreaLabels four = labelWhiteAreas(page_, false);
    const WhiteAreaLabels eight = labelWhiteAreas(page_, true);
    EXPECT_EQ(four.count(), eight.count());
    for (int id = 1; id <= four.count(); ++id) {
        const int joined = eight.label[four.first[id]];
        if (eight.size[joined] != four.size[id]) {
            ADD_FAILURE() << "area at " << qPrintable(four.where(id))
                          << " leaks diagonally into a neighbour";
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Book, Page, ::testing::Range(1, kPageCount + 1));

TEST(PageBook, EveryPageIsADifferentPicture) {
    std::vector<QImage> pages;
    for (int n = 1; n <= kPageCount; ++n)
        pages.push_back(loadPicture(pagePath(n)));
    for (int a = 0; a < kPageCount; ++a)
        for (int b = a + 1; b < kPageCount; ++b)
            EXPECT_NE(pages[a], pages[b]) << "pages " << a + 1 << " and " << b + 1;
}

} // namespace
