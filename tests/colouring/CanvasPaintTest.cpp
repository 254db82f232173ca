// Paint mode on the canvas: pouring colour into areas, the white eraser,
// and presses that must change nothing.
#include "tests/colouring/CanvasHarness.h"
#include "tests/support/ConnectedArea.h"

namespace {

const QRgb kNearBlack = rgbFromColour(kPaletteTable[kNearBlackSlot]);

// Places on page 1: a window pane, the pane beside it, the wall.
const QPoint kPane(60, 60);
const QPoint kOtherPane(140, 60);
const QPoint kWall(210, 240);

class CanvasPaintTest : public CanvasTest {
protected:
    void SetUp() override {
        ASSERT_EQ(state.ToolKind, ToolKinds::PaintMode);
        for (QPoint p : {kPane, kOtherPane, kWall})
            ASSERT_FALSE(outlineBlack(p)) << "page 1 has no white at " << p.x() << ", " << p.y();
    }

    QPoint someOutlinePixel() const {
        for (int y = 0; y < outline().height(); ++y)
            for (int x = 0; x < outline().width(); ++x)
                if (outlineBlack({x, y}))
                    return {x, y};
        return {-1, -1};
    }

    // Presses and drags all over the page, with every button.
    void scribble() {
        canvasClick(kPane);
        canvasClick(kWall, Qt::RightButton);
        stroke({kWall, {250, 200}, {300, 150}, {350, 120}, {400, 100}});
        canvasClick(someOutlinePixel());
    }
};

TEST_F(CanvasPaintTest, FillColoursExactlyTheConnectedArea) {
    pickSlot(kBlueSlot);
    for (QPoint start : {kPane, kWall}) {
        const QImage before = canvasImage();
        const ConnectedArea area(before, start);
        ASSERT_GT(area.size(), 500);
        canvasClick(start);
        EXPECT_TRUE(onlyAreaChanged(before, canvasImage(), area, kBlue))
            << "from " << start.x() << ", " << start.y();
    }
}

TEST_F(CanvasPaintTest, PressOnOutlineBlackFillsNothing) {
    pickSlot(kBlueSlot);
    const QPoint black = someOutlinePixel();
    ASSERT_TRUE(outline().rect().contains(black));
    const QImage before = canvasImage();
    canvasClick(black);
    EXPECT_EQ(differingPixels(before, canvasImage()).count, 0);
}

TEST_F(CanvasPaintTest, NearBlackAreaCanBeFilledAgain) {
    pickSlot(kNearBlackSlot);
    const QImage before = canvasImage();
    const ConnectedArea area(before, kPane);
    canvasClick(kPane);
    ASSERT_TRUE(onlyAreaChanged(before, canvasImage(), area, kNearBlack));

    pickSlot(kRedSlot);
    canvasClick(kPane);
    EXPECT_TRUE(onlyAreaChanged(before, canvasImage(), area, kRed));
}

TEST_F(CanvasPaintTest, PressOnTheBorderFillsNothing) {
    pickSlot(kBlueSlot);
    const QImage before = canvasImage();
    // The white margin outside the page's frame starts right beside the border.
    ASSERT_FALSE(outlineBlack({0, 100}));
    canvasClick({-1, 100});
    canvasClick({100, -2});
    EXPECT_EQ(differingPixels(before, canvasImage()).count, 0);
}

TEST_F(CanvasPaintTest, FillWithTheAreasOwnColourChangesNothing) {
    pickSlot(kBlueSlot);
    canvasClick(kPane);
    const QImage filled = canvasImage();
    canvasClick(kPane);
    EXPECT_EQ(differingPixels(filled, canvasImage()).count, 0);
}

TEST_F(CanvasPaintTest, NothingHappensBeforeAPickOrAfterTheColourIsPutBack) {
    const QImage page = canvasImage();
    scribble();
    EXPECT_EQ(differingPixels(page, canvasImage()).count, 0) << "before any pick";

    pickSlot(kBlueSlot);
    putColourBack();
    scribble();
    EXPECT_EQ(differingPixels(page, canvasImage()).count, 0) << "colour put back";

    pickEraser();
    putEraserBack();
    scribble();
    EXPECT_EQ(differingPixels(page, canvasImage()).count, 0) << "eraser put back";
}

TEST_F(CanvasPaintTest, ADragAfterTheFillChangesNothingMore) {
    const QImage page = canvasImage();
    pickSlot(kBlueSlot);
    stroke({kPane, {100, 60}, kOtherPane, {180, 200}, kWall});
    EXPECT_TRUE(onlyAreaChanged(page, canvasImage(), ConnectedArea(page, kPane), kBlue));
}

TEST_F(CanvasPaintTest, RightOrMiddlePressFillsNothing) {
    pickSlot(kBlueSlot);
    const QImage page = canvasImage();
    canvasClick(kPane, Qt::RightButton);
    canvasClick(kWall, Qt::MiddleButton);
    EXPECT_EQ(differingPixels(page, canvasImage()).count, 0);
}

TEST_F(CanvasPaintTest, EraserFillsWhiteAndDraggingDoesNothing) {
    const QImage page = canvasImage();
    pickSlot(kBlueSlot);
    canvasClick(kPane);
    canvasClick(kOtherPane);
    const QImage coloured = canvasImage();
    const ConnectedArea otherPane(page, kOtherPane);

    pickEraser();
    // Pressed in one pane, dragged across the other.
    stroke({kPane, {100, 60}, kOtherPane, {145, 65}, {150, 70}});
    const QImage erased = canvasImage();
    EXPECT_TRUE(onlyAreaChanged(page, erased, otherPane, kBlue));
    EXPECT_NE(differingPixels(coloured, erased).count, 0);
}

} // namespace
