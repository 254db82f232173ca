#include "colouring/Canvas.h"

#include <gtest/gtest.h>

namespace {

struct Pointer {
    QPointF position, scenePosition;
    QPoint pixel;
};

class PixelUnderPointerTest : public testing::TestWithParam<Pointer> {};

// Qt rounds the widget's position; the window's keeps the fraction.
TEST_P(PixelUnderPointerTest, IsThePagePixelUnderThePointerAtAnyScale) {
    const Pointer& p = GetParam();
    EXPECT_EQ(pixelUnderPointer(p.position, p.scenePosition, 2), p.pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PixelUnderPointerTest,
    testing::Values(Pointer{{10, 20}, {153, 56}, {8, 18}},          // 1x: whole pixels
                    Pointer{{11, 21}, {153.56, 56.6}, {8, 18}},     // 1.8x, rounded up by Qt
                    Pointer{{10, 20}, {153.44, 56.33}, {8, 18}},    // 1.8x, rounded down
                    Pointer{{10.5, 20.25}, {10.5, 20.25}, {8, 18}}, // a position Qt left exact
                    Pointer{{1, 1}, {144.4, 37.6}, {-1, -2}}));     // on the border: off the page

} // namespace
