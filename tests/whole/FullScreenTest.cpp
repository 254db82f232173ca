// The book full screen on a 1920 x 1080 screen, driven as a child would.
#include "app/FullScreenLayout.h"
#include "book/ControlPlaces.h"
#include "pixels/BitmapFile.h"
#include "pixels/SurfaceFill.h"
#include "tests/support/FullScreenPoints.h"
#include "tests/support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

const FullScreenLayout kScreen{{1920, 1080}, {800, 600}};

QPoint onScreen(QPointF layoutPoint) {
    return screenPointOf(kScreen, layoutPoint).toPoint();
}

// A point in the right part of a page pixel, where rounding the pointer to
// whole units would give the next pixel; the canvas's client area is 2
// pixels inside its place.
QPointF inPagePixel(QPoint pixel) {
    return QPointF(controlRect("canvas").topLeft() + QPoint(2, 2) + pixel) + QPointF(0.7, 0.5);
}

// A white pixel with an outline just right of it: a pointer one page pixel
// off would press the outline, which fills nothing.
QPoint besideAnOutline(const QImage& outline) {
    for (int y = 100; y < outline.height(); ++y)
        for (int x = 100; x + 1 < outline.width(); ++x)
            if (outline.pixel(x, y) == qRgb(255, 255, 255) &&
                outline.pixel(x + 1, y) == qRgb(0, 0, 0) &&
                outline.pixel(x - 1, y) == qRgb(255, 255, 255))
                return {x, y};
    return {-1, -1};
}

} // namespace

TEST(FullScreen, CoversTheScreenFillsUnderThePointerAndF11ReturnsToTheWindow) {
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    program.setArguments({QStringLiteral("--fullscreen")});
    ASSERT_TRUE(program.start());
    // Regression: a scaled screen of 1066.7 units made the window 1921 pixels wide.
    EXPECT_EQ(program.windowGeometry(), QRect(0, 0, 1920, 1080));

    const QImage outline = loadPicture(scratch.file("pages/orig/1.bmp"));
    const QPoint target = besideAnOutline(outline);
    ASSERT_NE(target.x(), -1);
    QImage expected = outline.convertToFormat(QImage::Format_RGB32);
    surfaceFill(expected, target.x(), target.y(), packColour(0, 0, 255));
    // Where the screen shows the fill unmixed with the outline: 5 x 5 blue pixels.
    QPoint inside = target;
    for (int dx = 0; dx < 40; ++dx)
        if (expected.copy(target.x() - dx - 2, target.y() - 2, 5, 5) == [] {
                QImage blue(5, 5, QImage::Format_RGB32);
                blue.fill(qRgb(0, 0, 255));
                return blue;
            }()) {
            inside = target - QPoint(dx, 0);
            break;
        }
    const QRect slot = controlRect("cmdCOLOR");
    const QPoint blue(slot.left() + slot.width() * 2 + slot.width() / 2, slot.top() + 100);
    program.click(onScreen(blue));
    program.click(onScreen(inPagePixel(target)));
    const QImage shot = program.screenshot();
    shot.save(binaryDir() + "/whole-fullscreen.png");
    EXPECT_EQ(shot.pixel(onScreen(inPagePixel(inside))), qRgb(0, 0, 255));

    program.key("Escape"); // children press it; it must not leave full screen
    EXPECT_TRUE(program.windowGeometry().contains(QRect(0, 0, 1920, 1080)));
    program.key("F11");
    ASSERT_TRUE(program.waitForWindow(QStringLiteral("Vellumix"), 5000));
    EXPECT_EQ(program.windowGeometry().size(), QSize(800, 600));

    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
    const auto diff = differingPixels(loadPicture(scratch.file("pages/1.bmp")), expected);
    EXPECT_EQ(diff.count, 0) << "the fill did not colour the area under the pointer; first at "
                             << diff.first.x() << "," << diff.first.y();
}
