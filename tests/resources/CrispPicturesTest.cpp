#include "resources/CrispPictures.h"

#include <gtest/gtest.h>

namespace {

struct Ratio {
    qreal ratio;
    QSize size;    // of 60 x 87
    QPoint hand;   // hot spot (12, 1)
    QPoint crayon; // hot spot (0, 31)
};

class CrispPicturesTest : public testing::TestWithParam<Ratio> {};

TEST_P(CrispPicturesTest, SizesAndHotSpotsFollowTheRatio) {
    const Ratio& r = GetParam();
    EXPECT_EQ(CrispPictures::deviceSize({60, 87}, r.ratio), r.size);
    EXPECT_EQ(CrispPictures::deviceHotSpot({12, 1}, r.ratio), r.hand);
    EXPECT_EQ(CrispPictures::deviceHotSpot({0, 31}, r.ratio), r.crayon);
}

INSTANTIATE_TEST_SUITE_P(Ratios, CrispPicturesTest,
                         testing::Values(Ratio{1, {60, 87}, {12, 1}, {0, 31}},
                                         Ratio{1.25, {75, 109}, {15, 1}, {0, 39}},
                                         Ratio{1.5, {90, 131}, {18, 2}, {0, 47}},
                                         Ratio{1.8, {108, 157}, {22, 2}, {0, 56}},
                                         Ratio{2, {120, 174}, {25, 3}, {1, 63}},
                                         Ratio{3, {180, 261}, {37, 4}, {1, 94}}));

QPixmap filled(QSize size, QColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

TEST(CrispPictures, APictureIsDrawnByItsRendererAtOtherRatiosAndKeptAsItIsAt1x) {
    const QPixmap picture = filled({10, 4}, Qt::red);
    int calls = 0;
    CrispPictures::attach(picture, QStringLiteral("test/blue"), [&calls](QSize size, qreal) {
        ++calls;
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    });
    EXPECT_EQ(CrispPictures::at(picture, 1).cacheKey(), picture.cacheKey());
    const QPixmap drawn = CrispPictures::at(QPixmap(picture), 2);
    EXPECT_EQ(drawn.size(), QSize(20, 8));
    EXPECT_EQ(drawn.devicePixelRatio(), 2);
    EXPECT_EQ(drawn.toImage().pixel(19, 7), qRgb(0, 0, 255));
    CrispPictures::at(picture, 2);
    EXPECT_EQ(calls, 1) << "a rendering is kept";
}

TEST(CrispPictures, APictureWhoseRendererFailsIsItsOwnPictureScaledUp) {
    const QPixmap picture = filled({10, 4}, Qt::red);
    CrispPictures::attach(picture, QStringLiteral("test/failing"),
                          [](QSize, qreal) -> QImage { throw std::runtime_error("no source"); });
    const QPixmap drawn = CrispPictures::at(picture, 1.5);
    EXPECT_EQ(drawn.size(), QSize(15, 6));
    EXPECT_EQ(drawn.toImage().pixel(7, 3), qRgb(255, 0, 0));
}

} // namespace
