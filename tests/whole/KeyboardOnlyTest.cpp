// Colouring with the keyboard alone: not one mouse event reaches the window.
#include "pixels/SurfaceFill.h"
#include "tests/support/Facts.h"
#include "tests/whole/CanvasShots.h"

#include <gtest/gtest.h>

namespace {

class KeyboardOnly : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(program.focusWindow(program.windowId())) << "the window took no keyboard";
    }
    // The keys named, separated by spaces, one after another.
    void keys(const QString& names) {
        for (const QString& name : names.split(' ', Qt::SkipEmptyParts))
            program.key(name);
    }
    void expectCanvas(const QImage& expected, const char* what) {
        const QImage canvas = canvasOf(waitForCanvas(program, expected));
        const PixelDifference d = differingPixels(canvas, expected);
        if (d.count)
            keep(canvas, QStringLiteral("keyboard-%1").arg(QLatin1String(what)));
        EXPECT_EQ(d.count, 0) << what << ": " << where(d);
    }

    ScratchDataFolder scratch;
    RunningProgram program{scratch};
};

TEST_F(KeyboardOnly, PicksFillsDrawsUndoesAndTurns) {
    const QImage outline = outlinePage(scratch, 1);
    // The pointer starts at the page's centre; steps left of 4 pixels reach white.
    const QPoint centre = QRect(QPoint(), kCanvasArea.size()).center();
    int steps = 0;
    while (outline.pixel(centre - QPoint(4 * steps, 0)) != kWhiteRgb)
        ++steps;
    const QPoint at = centre - QPoint(4 * steps, 0);

    keys("Tab Tab Right Right space");                      // the tools, the brushes: blue
    keys("Tab " + QStringLiteral("Left ").repeated(steps)); // the page, the pointer to white
    keys("space Tab"); // the focus, and with it the pointer's mark, to undo and redo
    QImage filled = outline;
    surfaceFill(filled, at.x(), at.y(), kPaletteTable[kBlueSlot]);
    expectCanvas(filled, "the fill at the pointer");

    // Draw mode, the red crayon, down, five steps left, up.
    keys("shift+Tab shift+Tab shift+Tab Right space Tab space Tab space");
    keys(QStringLiteral("Left ").repeated(5) + "space Tab");
    const QImage stroke = canvasOf(settledShot(program));
    const auto expectEvery = [&](const char* what, auto ok, QRect box = {}) {
        const PixelDifference d = breaking(stroke, ok, box);
        EXPECT_EQ(d.count, 0) << what << ": " << where(d);
    };
    expectEvery(
        "the stroke along the pointer's way",
        [&](int x, int y) { return outline.pixel(x, y) == 0 || stroke.pixel(x, y) == kRed; },
        QRect(at.x() - 20, at.y(), 21, 1));
    expectEvery("the lift stamps the outlines back",
                [&](int x, int y) { return outline.pixel(x, y) != 0 || stroke.pixel(x, y) == 0; });

    keys("space"); // undo: the whole stroke is one step
    expectCanvas(filled, "the stroke undone");
    keys("Tab Right space"); // the page turns: next
    expectCanvas(outlinePage(scratch, 2), "page 2");
}

} // namespace
