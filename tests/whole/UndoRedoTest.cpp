// Undo and redo in the real window: with the buttons and the keys, across
// page turns, each step put back pixel for pixel as the screen showed it.
#include "tests/support/Facts.h"
#include "tests/whole/CanvasShots.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);

class UndoSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(program.focusWindow(program.windowId())) << "the window took no keyboard";
    }

    // One gesture or key, then the canvas must show expected exactly.
    template <typename Act> void expectAfter(Act act, const QImage& expected, const char* what) {
        act();
        const QImage canvas = canvasOf(waitForCanvas(program, expected));
        const PixelDifference d = differingPixels(canvas, expected);
        if (d.count)
            keep(canvas, QStringLiteral("undo-%1").arg(what));
        EXPECT_EQ(d.count, 0) << what << ": " << where(d);
    }
    void press(const char* control) { program.click(controlCentre(control)); }
    void key(const char* keys) { program.key(QString::fromLatin1(keys)); }
    // A fill with brush slot at p; the canvas after it.
    QImage fill(int slot, QPoint p) {
        program.click(paletteSlot(slot));
        program.click(onCanvas(p));
        return canvasOf(settledShot(program));
    }
    void turn(const char* button, const QImage& expected) {
        expectAfter([&] { press(button); }, expected, button);
    }

    ScratchDataFolder scratch;
    RunningProgram program{scratch};
};

} // namespace

TEST_F(UndoSession, ButtonsAndKeysTakeBackAndPutBackEveryStepAcrossPageTurns) {
    const QImage page1 = outlinePage(scratch, 1), page2 = outlinePage(scratch, 2);
    const QPoint margin(3, 3), wall(215, 30), belly(300, 270);

    const QImage blue = fill(2, margin);
    ASSERT_GT(countOf(blue, kBlue), 5000) << "the margin was not filled";
    const QImage yellow = fill(1, wall);
    ASSERT_GT(countOf(yellow, kYellow), 1000) << "the wall was not filled";
    // The wall again in its own colour changes nothing: no step.
    program.click(onCanvas(wall));
    press("cmdDRAW");
    program.click(paletteSlot(0));
    program.drag(onCanvas({150, 235}), onCanvas({390, 295}), 40);
    const QImage stroke = canvasOf(settledShot(program));
    ASSERT_GT(countOf(stroke, kRed), 500) << "the crayon drew nothing";
    keep(stroke, "undo-stroke");

    expectAfter([&] { press("cmdUNDO"); }, yellow, "undo button takes back the stroke");
    expectAfter([&] { key("ctrl+z"); }, blue, "ctrl+z takes back the wall");
    expectAfter([&] { press("cmdREDO"); }, yellow, "redo button puts back the wall");
    expectAfter([&] { key("ctrl+y"); }, stroke, "ctrl+y puts back the stroke");
    expectAfter([&] { key("ctrl+z"); }, yellow, "ctrl+z again");
    expectAfter([&] { key("ctrl+shift+z"); }, stroke, "ctrl+shift+z puts back the stroke");

    // Page 2 has a history of its own.
    turn("cmdNEXT", page2);
    press("cmdPAINT");
    const QImage green = fill(3, margin);
    ASSERT_GT(countOf(green, kGreen), 5000);
    expectAfter([&] { press("cmdUNDO"); }, page2, "undo on page 2");
    expectAfter([&] { press("cmdREDO"); }, green, "redo on page 2");

    // Back on page 1, undo still takes back page 1's last step.
    turn("cmdPREV", stroke);
    expectAfter([&] { key("ctrl+z"); }, yellow, "undo after turning back");
    turn("cmdNEXT", green);
    expectAfter([&] { key("ctrl+z"); }, page2, "undo on page 2 after turning back");
    expectAfter([&] { key("ctrl+z"); }, page2, "undo with nothing left to undo");
    turn("cmdPREV", yellow);

    // A new step after an undo drops the stroke that could have been redone.
    const QImage bellyFilled = fill(2, belly);
    ASSERT_GT(differingPixels(bellyFilled, yellow).count, 1000) << "the belly was not filled";
    expectAfter([&] { key("ctrl+y"); }, bellyFilled, "redo after a new step");
    expectAfter([&] { press("cmdUNDO"); }, yellow, "undo the belly");
    expectAfter([&] { press("cmdUNDO"); }, blue, "undo the wall (the repeated press was no step)");
    expectAfter([&] { key("ctrl+z"); }, page1, "undo the margin");
    expectAfter([&] { key("ctrl+z"); }, page1, "undo at the start of the history");

    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
}
