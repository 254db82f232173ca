// The button's three pictures under real mouse events on its face.
#include "tests/controls/ButtonHarness.h"

#include <QEvent>
#include <QObject>

namespace {

// Counts the paint events a widget really receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

using ButtonMoveFilter = ButtonHarness;
using ButtonStates = ButtonHarness;
using ButtonRepaints = ButtonHarness;
using ButtonPictures = ButtonHarness;

TEST_F(ButtonMoveFilter, MoveChangingOneCoordinateIsIgnoredAndPositionKept) {
    move(10, 10);
    ASSERT_EQ(faceState(), "rollover");
    ASSERT_EQ(moves.count(), 1);
    PaintCounter repaints(button.face());

    // With the left button held each of these would show the pressed picture.
    move(20, 10, Qt::LeftButton);
    move(10, 20, Qt::LeftButton);
    move(10, 25, Qt::LeftButton);
    EXPECT_EQ(faceState(), "rollover");
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(repaints.count, 0);

    // Had an ignored move been remembered, one of its coordinates would now
    // match and this move would be dropped too.
    move(20, 25, Qt::LeftButton);
    EXPECT_EQ(faceState(), "pressed");
    EXPECT_EQ(moves.count(), 2);
}

TEST_F(ButtonMoveFilter, RememberedPositionIsRoundedHalfToEvenAndComparedExactly) {
    move(20.4, 25.6);
    ASSERT_EQ(moves.count(), 1); // remembered as (20, 26)
    move(20.0, 30);
    move(21, 26.0);
    EXPECT_EQ(moves.count(), 1);
    move(20.3, 26.2); // fractions differ from the whole numbers
    EXPECT_EQ(moves.count(), 2);

    move(22.5, 27.5); // remembered as (22, 28): halves go to the even neighbour
    ASSERT_EQ(moves.count(), 3);
    move(22, 29);
    move(23, 28);
    EXPECT_EQ(moves.count(), 3);
    move(23, 29);
    EXPECT_EQ(moves.count(), 4);
}

TEST_F(ButtonMoveFilter, FirstMoveAtXOrYZeroIsIgnored) {
    PaintCounter repaints(button.face());
    move(0, 5);
    move(5, 0);
    EXPECT_EQ(faceState(), "normal");
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(repaints.count, 0);

    move(5, 5);
    EXPECT_EQ(faceState(), "rollover");
    EXPECT_EQ(moves.count(), 1);
}

TEST_F(ButtonStates, LeftHeldMoveOnTheEdgeCountsAsOutside) {
    struct Step {
        double x, y;
        const char* shows;
    };
    const Step steps[] = {
        {5, 5, "pressed"},     {0, 7, "normal"},    {6, 6, "pressed"},
        {kWidth, 8, "normal"}, {7, 7, "pressed"},   {9, kHeight, "normal"},
        {8, 9, "pressed"},     {10, 0, "normal"},   {kWidth - 0.5, kHeight - 0.5, "pressed"},
        {-3, -3, "normal"},    {11, 11, "pressed"}, {kWidth + 5, 12, "normal"},
    };
    for (const Step& step : steps) {
        move(step.x, step.y, Qt::LeftButton);
        EXPECT_EQ(faceState(), step.shows) << "at " << step.x << ", " << step.y;
    }
    EXPECT_EQ(moves.count(), int(std::size(steps)));
}

TEST_F(ButtonStates, AnyOtherButtonStateShowsRollover) {
    move(5, 5, Qt::LeftButton);
    ASSERT_EQ(faceState(), "pressed");
    move(6, 6, Qt::RightButton);
    EXPECT_EQ(faceState(), "rollover");

    move(7, 7, Qt::LeftButton);
    move(8, 8, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(faceState(), "rollover");

    move(9, 9, Qt::LeftButton);
    move(10, 10, Qt::MiddleButton);
    EXPECT_EQ(faceState(), "rollover");
}

TEST_F(ButtonStates, PressWithAnyButtonShowsPressedAndRaisesNothing) {
    for (Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        button.Reset();
        PaintCounter repaints(button.face());
        press(10, 10, which);
        EXPECT_EQ(faceState(), "pressed") << "button " << which;
        EXPECT_EQ(repaints.count, 1);
        mouse(QEvent::MouseButtonRelease, {60, 60}, which, Qt::NoButton); // away: no click
    }
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonStates, ClickHandlerAlreadySeesTheNormalPicture) {
    std::string seen;
    QObject::connect(&button, &ucButtonA::Click, [&] { seen = faceState(); });
    press(10, 10);
    ASSERT_EQ(faceState(), "pressed");
    release(10, 10);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(seen, "normal");
}

TEST_F(ButtonStates, ReleaseOutsideRaisesNoClickAndKeepsThePicture) {
    press(10, 10);
    release(kWidth + 10, 5);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(faceState(), "pressed");
}

TEST_F(ButtonRepaints, ResetOnNormalFaceRepaintsNothing) {
    QApplication::processEvents();
    PaintCounter paints(button.face());
    button.Reset();
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);

    move(10, 10);
    ASSERT_EQ(faceState(), "rollover");
    button.Reset();
    EXPECT_EQ(faceState(), "normal");
    EXPECT_EQ(paints.count, 2); // each change painted at once
}

TEST_F(ButtonRepaints, RepeatedMovesOverHoveredButtonRepaintNothing) {
    move(10, 10);
    ASSERT_EQ(faceState(), "rollover");
    QApplication::processEvents();
    PaintCounter paints(button.face());
    for (int i = 11; i < 20; ++i)
        move(i, i + 1);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(moves.count(), 10); // each move is still told to the host
}

TEST_F(ButtonRepaints, LeftHeldMoveRepaintsAlsoWithoutChange) {
    move(5, 5, Qt::LeftButton);
    PaintCounter repaints(button.face());
    move(6, 6, Qt::LeftButton);
    EXPECT_EQ(faceState(), "pressed");
    EXPECT_EQ(repaints.count, 1);
}

TEST_F(ButtonPictures, NewPressedOrRolloverPictureLeavesTheFaceAlone) {
    const QPixmap newDown = solidPicture(Qt::yellow, {kWidth, kHeight});
    const QPixmap newRoll = solidPicture(Qt::cyan, {kWidth, kHeight});
    press(10, 10);
    button.setImg_DOWN(newDown);
    EXPECT_EQ(button.facePicture().cacheKey(), down.cacheKey()); // still the old one
    EXPECT_EQ(button.img_DOWN().cacheKey(), newDown.cacheKey());

    move(12, 12);
    ASSERT_EQ(faceState(), "rollover");
    button.setImg_ROLL(newRoll);
    EXPECT_EQ(button.facePicture().cacheKey(), roll.cacheKey());

    button.Reset();
    press(10, 10);
    EXPECT_EQ(button.facePicture().cacheKey(), newDown.cacheKey());
}

TEST_F(ButtonPictures, OnlyTheNormalPictureResizesTheControl) {
    QSignalSpy changed(&button, &ucButtonA::PropertyChanged);
    ASSERT_EQ(button.size(), QSize(kWidth, kHeight));
    button.setImg_ROLL(solidPicture(Qt::cyan, {70, 80}));
    button.setImg_DOWN(solidPicture(Qt::yellow, {70, 80}));
    EXPECT_EQ(button.size(), QSize(kWidth, kHeight));

    press(10, 10); // a larger pressed picture grows the face, not the control
    EXPECT_EQ(button.size(), QSize(kWidth, kHeight));

    const QPixmap newNorm = solidPicture(Qt::magenta, {50, 60});
    button.setImg_NORM(newNorm);
    EXPECT_EQ(button.size(), QSize(50, 60));
    EXPECT_EQ(button.facePicture().cacheKey(), newNorm.cacheKey()); // shown at once

    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(changed.at(0).at(0).toString(), "img_ROLL");
    EXPECT_EQ(changed.at(1).at(0).toString(), "img_DOWN");
    EXPECT_EQ(changed.at(2).at(0).toString(), "img_NORM");
}

TEST_F(ButtonPictures, ANewNormalPictureOfTheSameSizeIsPaintedOnTheShownFace) {
    QApplication::processEvents();
    PaintCounter paints(button.face());
    button.setImg_NORM(solidPicture(Qt::magenta, {kWidth, kHeight}));
    QApplication::processEvents();
    EXPECT_GE(paints.count, 1);
}

// Through the platform's own dispatch: after a press the face keeps
// getting the moves while the button is held, also off its edge.
TEST(ButtonDrag, DraggingOffAndBackTogglesPressedAndReleaseOffClicksNothing) {
    QWidget host;
    host.resize(200, 200);
    auto* button = new ucButtonA(&host);
    const QPixmap norm = solidPicture(Qt::red, {40, 30});
    const QPixmap down = solidPicture(Qt::blue, {40, 30});
    button->setImg_NORM(norm);
    button->setImg_ROLL(solidPicture(Qt::green, {40, 30}));
    button->setImg_DOWN(down);
    button->move(50, 50);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QSignalSpy clicks(button, &ucButtonA::Click);
    QWindow* window = host.windowHandle();

    QTest::mousePress(window, Qt::LeftButton, {}, {60, 60});
    EXPECT_EQ(button->facePicture().cacheKey(), down.cacheKey());
    QTest::mouseMove(window, {150, 140});
    EXPECT_EQ(button->facePicture().cacheKey(), norm.cacheKey());
    QTest::mouseMove(window, {65, 66});
    EXPECT_EQ(button->facePicture().cacheKey(), down.cacheKey());
    QTest::mouseMove(window, {151, 141});
    QTest::mouseRelease(window, Qt::LeftButton, {}, {151, 141});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->facePicture().cacheKey(), norm.cacheKey());

    QTest::mouseClick(window, Qt::LeftButton, {}, {70, 70});
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
