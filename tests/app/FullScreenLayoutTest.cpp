#include "app/FullScreenLayout.h"

#include "tests/support/FullScreenPoints.h"

#include <gtest/gtest.h>

namespace {

struct Screen {
    QSize pixels;
    qreal factor;
    QRectF place;
};

class FullScreenLayoutTest : public testing::TestWithParam<Screen> {};

TEST_P(FullScreenLayoutTest, TheBookIsScaledByTheLargestFactorThatFitsAndCentred) {
    const Screen& s = GetParam();
    const FullScreenLayout layout{s.pixels, {800, 600}};
    EXPECT_DOUBLE_EQ(layout.factor(), s.factor);
    EXPECT_EQ(layout.placeOnScreen(), s.place);
}

INSTANTIATE_TEST_SUITE_P(Screens, FullScreenLayoutTest,
                         testing::Values(Screen{{1920, 1080}, 1.8, {240, 0, 1440, 1080}},
                                         Screen{{1600, 1200}, 2.0, {0, 0, 1600, 1200}},
                                         Screen{{1280, 1024}, 1.6, {0, 32, 1280, 960}},
                                         Screen{{1366, 768}, 1.28, {171, 0, 1024, 768}},
                                         Screen{{800, 600}, 1.0, {0, 0, 800, 600}}),
                         [](const auto& info) {
                             return std::to_string(info.param.pixels.width()) + "x" +
                                    std::to_string(info.param.pixels.height());
                         });

TEST(FullScreenLayout, AScreenPointAndTheLayoutPointItShowsMapBothWays) {
    const FullScreenLayout layout{{1920, 1080}, {800, 600}};
    // 240 / 1.8 = 133.3: the book stands on whole units, at 133.
    EXPECT_EQ(layout.originInScaledScreen(), QPointF(133, 0));
    EXPECT_EQ(screenPointOf(layout, {0, 0}), QPointF(133 * 1.8, 0));
    for (const QPointF p : {QPointF(0, 0), QPointF(151.5, 44.5), QPointF(799, 599)}) {
        const QPointF back = layoutPointAt(layout, screenPointOf(layout, p));
        EXPECT_NEAR(back.x(), p.x(), 1e-9);
        EXPECT_NEAR(back.y(), p.y(), 1e-9);
    }
}

} // namespace
