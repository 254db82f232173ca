// Draw mode on the canvas: crayon strokes with the outlines stamped back on
// release, strokes broken at a zero coordinate, and the block eraser.
#include "controls/Twips.h"
#include "tests/colouring/CanvasHarness.h"

#include <QGuiApplication>
#include <QLineF>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
const QPoint kWall(210, 240); // a large white area of page 1

bool near(QPoint p, QLineF segment, double distance) {
    const QPointF d = segment.p2() - segment.p1();
    const double length2 = QPointF::dotProduct(d, d);
    double t = length2 == 0 ? 0 : QPointF::dotProduct(QPointF(p) - segment.p1(), d) / length2;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(QPointF(p), segment.p1() + t * d).length() <= distance;
}

// The pixels along a segment, a pixel apart.
std::vector<QPoint> pixelsAlong(QLineF segment) {
    std::vector<QPoint> pixels;
    const int steps = int(std::ceil(segment.length()));
    for (int i = 0; i <= steps; ++i)
        pixels.push_back(segment.pointAt(double(i) / steps).toPoint());
    return pixels;
}

class CanvasDrawTest : public CanvasTest {
protected:
    void drawWith(int slot) {
        toolBox.cmdDRAW_Click();
        ASSERT_EQ(state.ToolKind, ToolKinds::DrawMode);
        pickSlot(slot);
    }

    // Paints the big wall area blue in paint mode, then turns to draw mode
    // with the eraser picked.
    void colourWallThenPickEraserInDrawMode() {
        pickSlot(kBlueSlot);
        canvasClick(kWall);
        toolBox.cmdDRAW_Click();
        pickEraser();
        ASSERT_TRUE(state.EraserOn);
    }

    // Every pixel that is black in the outline copy is black on the canvas.
    ::testing::AssertionResult outlinesIntact() const {
        int covered = 0;
        for (int y = 0; y < outline().height(); ++y)
            for (int x = 0; x < outline().width(); ++x)
                if (outlineBlack({x, y}) && canvasAt({x, y}) != kBlack)
                    ++covered;
        if (covered == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << covered << " outline pixels are covered";
    }

    int countOf(QRgb colour) const {
        int count = 0;
        for (int y = 0; y < outline().height(); ++y)
            for (int x = 0; x < outline().width(); ++x)
                count += canvasAt({x, y}) == colour;
        return count;
    }

    // The outline copy's block of w x h at p, and-ed into or copied onto a picture.
    void andBlock(QImage& image, QPoint p, int side) const {
        for (int y = p.y(); y < p.y() + side; ++y)
            for (int x = p.x(); x < p.x() + side; ++x)
                image.setPixel(x, y, image.pixel(x, y) & outline().pixel(x, y));
    }
    void copyBlock(QImage& image, QPoint p, int side) const {
        for (int y = p.y(); y < p.y() + side; ++y)
            for (int x = p.x(); x < p.x() + side; ++x)
                image.setPixel(x, y, outline().pixel(x, y));
    }
};

TEST_F(CanvasDrawTest, StrokeAcrossOutlinesLeavesEveryOutlinePixelBlack) {
    drawWith(kBlueSlot);
    const QImage page = canvasImage();
    std::vector<QPoint> points;
    for (int i = 0; i <= 60; ++i) // across the window, the cat and the rug
        points.push_back(QPoint(20 + 8 * i, 60 + 5 * i));

    canvasPress(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        canvasMove(points[i]);
    ASSERT_FALSE(outlinesIntact()) << "the stroke should cross outlines while drawn";
    canvasRelease(points.back());

    EXPECT_TRUE(outlinesIntact());
    // The crayon's colour is along the whole path wherever the page is white,
    // and nothing but the crayon's colour was added.
    for (std::size_t i = 1; i < points.size(); ++i)
        for (QPoint p : pixelsAlong(QLineF(points[i - 1], points[i]))) {
            if (!outlineBlack(p)) {
                ASSERT_EQ(canvasAt(p), kBlue) << "at " << p.x() << ", " << p.y();
            }
        }
    const int added = countOf(kBlue);
    EXPECT_GT(added, 60 * 8 * 8);
    EXPECT_EQ(differingPixels(page, canvasImage()).count, added);
}

// Halves go to the even neighbour, for whole twips and for pixels alike:
// 22.5 twips is 22 and pixel 1.5 gives 2; 37.5 twips is 38 and pixel 2.5 gives 2.
TEST_F(CanvasDrawTest, PositionsRoundHalfToEven) {
    ASSERT_EQ(screenTwipsPerPixelX(canvas), 15.0);
    ASSERT_EQ(screenTwipsPerPixelY(canvas), 15.0);
    state.ToolKind = ToolKinds::DrawMode;
    state.ToolArmed = true;
    input.canvas_MouseDown(1, 0, 22.5f, 37.5f);
    EXPECT_EQ(input.LastPenX, 22);
    EXPECT_EQ(input.LastPenY, 38);
    input.canvas_MouseMove(1, 0, 37.5f, 22.5f);
    EXPECT_EQ(input.LastPenX, 38);
    EXPECT_EQ(input.LastPenY, 22);

    // The eraser's block lands with its corner on the rounded pixel.
    state.EraserOn = true;
    canvas->Image().fill(kBlue);
    QImage expected = canvasImage();
    copyBlock(expected, {2, 2}, 10);
    input.canvas_MouseMove(1, 0, 22.5f, 37.5f);
    EXPECT_EQ(differingPixels(expected, canvasImage()).count, 0);
}

// The screen's twips per pixel are read at each event: on a screen of twice
// the resolution the same place in twips is another pixel.
TEST_F(CanvasDrawTest, TwipsPerPixelAreReadAtEachEvent) {
    QScreen* const plain = window.screen();
    QScreen* fine = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->logicalDotsPerInchX() == 2 * plain->logicalDotsPerInchX())
            fine = screen;
    if (!fine)
        GTEST_SKIP() << "needs a second screen of twice the resolution (tests/colouring "
                        "CMakeLists.txt sets one up for the offscreen platform)";
    state.ToolKind = ToolKinds::DrawMode;
    state.ToolArmed = true;
    state.EraserOn = true;
    for (const auto& [screen, corner] :
         {std::pair{plain, QPoint(2, 2)}, std::pair{fine, QPoint(3, 5)},
          std::pair{plain, QPoint(2, 2)}}) {
        window.windowHandle()->setScreen(screen);
        canvas->Image().fill(kBlue);
        QImage expected = canvasImage();
        copyBlock(expected, corner, 10);
        input.canvas_MouseMove(1, 0, 22.5f, 37.5f);
        EXPECT_EQ(differingPixels(expected, canvasImage()).count, 0)
            << "on " << screen->name().toStdString();
    }
}

// The release stamps the outlines back whatever the button, picked or not.
TEST_F(CanvasDrawTest, EveryReleaseInDrawModeStampsTheOutlines) {
    toolBox.cmdDRAW_Click();
    for (const bool picked : {false, true}) {
        if (picked)
            pickSlot(kBlueSlot);
        for (const Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            SCOPED_TRACE(std::string(picked ? "picked" : "nothing picked") + ", button " +
                         std::to_string(int(which)));
            canvas->Image().fill(kBlue); // over every outline
            canvasClick(kWall, which);
            EXPECT_TRUE(outlinesIntact());
        }
    }
}

TEST_F(CanvasDrawTest, StrokeBreaksWhereThePointerReachesAZeroCoordinate) {
    struct Path {
        QPoint a, zero, b, c;
    };
    // Once at the left edge (x = 0), once at the top edge (y = 0).
    for (const Path& path : {Path{{40, 160}, {0, 200}, {40, 240}, {80, 240}},
                             Path{{160, 40}, {200, 0}, {240, 40}, {240, 80}}}) {
        SCOPED_TRACE("through " + std::to_string(path.zero.x()) + ", " +
                     std::to_string(path.zero.y()));
        drawWith(kBlueSlot);
        const QImage page = canvasImage();
        stroke({path.a + QPoint(-20, -20), path.a, path.zero, path.b, path.c});

        const QLineF toZero(path.a, path.zero), fromZero(path.zero, path.b), after(path.b, path.c);
        int checked = 0;
        for (QPoint p : pixelsAlong(fromZero)) {
            // Stay clear of the pen's round ends and of the drawn segments.
            if (outlineBlack(p) || near(p, toZero, 7) || near(p, after, 7))
                continue;
            ++checked;
            EXPECT_EQ(canvasAt(p), kWhite) << "drawn at " << p.x() << ", " << p.y();
        }
        EXPECT_GT(checked, 20);
        for (const QLineF& drawn : {toZero, after})
            for (QPoint p : pixelsAlong(drawn)) {
                if (!outlineBlack(p)) {
                    ASSERT_EQ(canvasAt(p), kBlue) << "missing at " << p.x() << ", " << p.y();
                }
            }

        // Back to the page for the other edge.
        canvas->setPicture(page);
    }
}

TEST_F(CanvasDrawTest, OnlyTheLeftButtonAloneDraws) {
    drawWith(kBlueSlot);
    const QImage page = canvasImage();
    const std::vector<QPoint> path{{120, 200}, {160, 210}, {200, 220}, {240, 225}};

    // Left pressed first, then the right one as well.
    canvasPress(path[0]);
    canvasPress(path[0], Qt::RightButton);
    for (std::size_t i = 1; i < path.size(); ++i)
        canvasMove(path[i]);
    canvasRelease(path.back(), Qt::RightButton);
    canvasRelease(path.back());

    // The right button alone.
    canvasPress(path[0], Qt::RightButton);
    for (std::size_t i = 1; i < path.size(); ++i)
        canvasMove(path[i] + QPoint(0, 30));
    canvasRelease(path.back() + QPoint(0, 30), Qt::RightButton);

    // Whatever the opening press left under its own point, nothing else.
    const QImage after = canvasImage();
    int elsewhere = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if ((page.pixel(x, y) ^ after.pixel(x, y)) & 0xffffff &&
                QLineF(QPointF(x, y), path[0]).length() > 6.0)
                ++elsewhere;
    EXPECT_EQ(elsewhere, 0);
}

TEST_F(CanvasDrawTest, NothingIsDrawnBeforeAPick) {
    toolBox.cmdDRAW_Click();
    const QImage page = canvasImage();
    stroke({{100, 100}, {150, 120}, {200, 150}, {300, 200}});
    pickEraser();
    putEraserBack(); // the colours stay white, but nothing acts
    stroke({{100, 300}, {150, 320}, {200, 330}});
    EXPECT_EQ(differingPixels(page, canvasImage()).count, 0);
}

TEST_F(CanvasDrawTest, EraserPressRemovesNoColour) {
    colourWallThenPickEraserInDrawMode();
    QImage expected = canvasImage();
    const QPoint at(200, 230);
    canvasClick(at);
    andBlock(expected, at, 10);
    EXPECT_EQ(differingPixels(expected, canvasImage()).count, 0);
    EXPECT_EQ(canvasAt(at + QPoint(5, 5)), kBlue);
}

TEST_F(CanvasDrawTest, EraserDragRestoresBlocksOfThePageAtThePointer) {
    colourWallThenPickEraserInDrawMode();
    QImage expected = canvasImage();
    const QPoint start(150, 200);
    // Moves 10 pixels apart touch, the last one jumps and leaves a gap.
    const std::vector<QPoint> moves{{160, 200}, {170, 200}, {180, 205}, {215, 205}};

    canvasPress(start);
    andBlock(expected, start, 10);
    for (QPoint p : moves) {
        canvasMove(p);
        copyBlock(expected, p, 10);
    }
    canvasRelease(moves.back());

    EXPECT_EQ(differingPixels(expected, canvasImage()).count, 0);
    EXPECT_EQ(canvasAt({170, 202}), kWhite);
    EXPECT_EQ(canvasAt({200, 207}), kBlue); // the gap keeps its colour
    EXPECT_EQ(canvasAt({155, 205}), kBlue); // the press only darkens
}

// A page whose outlines run into its last columns and rows, which lie under
// the canvas's border but belong to the picture that is stored.
class CanvasEdgeTest : public CanvasDrawTest {
protected:
    CanvasEdgeTest() {
        QImage page = shippedOutline(1);
        for (int y = 100; y < 200; ++y)
            page.setPixel(page.width() - 2, y, kBlack);
        for (int x = 100; x < 200; ++x)
            page.setPixel(x, page.height() - 2, kBlack);
        setPage(page);
    }
};

TEST_F(CanvasEdgeTest, StrokeAlongThePicturesEdgeLeavesItsOutlinesBlack) {
    drawWith(kBlueSlot);
    const int right = outline().width() - 5;   // client pixels reach 518
    const int bottom = outline().height() - 5; // and 388
    ASSERT_LT(inBorder({right, bottom}).x(), canvas->rect().bottomRight().x());
    stroke({{right, 110}, {right, 150}, {right, 190}});
    stroke({{110, bottom}, {150, bottom}, {190, bottom}});
    EXPECT_TRUE(outlinesIntact());
}

} // namespace
