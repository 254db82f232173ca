// Undo and redo in the window: a child's fills, strokes and erasing taken
// back and put back exactly, page by page, and presses that change nothing
// leaving the history alone; and the colouring kept across page turns.
#include "postcard/frmPostcard.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QTest>

namespace {

const QPoint kPane(60, 60);   // a window pane of page 1
const QPoint kWall(210, 240); // a large white area of page 1

class CanvasUndoTest : public ShownWindowTest {
protected:
    int steps() const { return window->history().steps(window->state().CurrentPage); }
    void expectShows(const QImage& picture, const char* what) {
        EXPECT_EQ(differingPixels(canvasImage(), picture).count, 0) << what;
    }
};

TEST_F(CanvasUndoTest, MixedStepsAcrossPageTurnsComeBackExactly) {
    std::vector<QImage> pageOne{canvasImage()};
    pickSlot(kBlueSlot);
    canvasClick(kWall);
    pageOne.push_back(canvasImage());
    click(window->cmdDRAW);
    pickSlot(kRedSlot);
    stroke({{100, 100}, {200, 150}, {300, 120}});
    pageOne.push_back(canvasImage());
    pressEraserSlot();
    stroke({{190, 140}, {220, 150}, {250, 160}});
    pageOne.push_back(canvasImage());
    ASSERT_EQ(steps(), 3);

    click(window->cmdNEXT);
    ASSERT_EQ(window->state().CurrentPage, 2);
    const QImage pageTwo = canvasImage();
    EXPECT_EQ(steps(), 0) << "a page starts with no history";
    click(window->cmdPAINT);
    pickSlot(kBlueSlot);
    canvasClick({10, 10});
    ASSERT_EQ(steps(), 1);
    click(window->cmdPREV);
    ASSERT_EQ(window->state().CurrentPage, 1);

    for (int i = 2; i >= 0; --i) {
        window->Undo();
        expectShows(pageOne[i], "undo");
    }
    window->Undo(); // nothing more to take back
    expectShows(pageOne[0], "undo past the first step");
    for (int i = 1; i <= 3; ++i) {
        window->Redo();
        expectShows(pageOne[i], "redo");
    }
    click(window->cmdNEXT);
    window->Undo();
    expectShows(pageTwo, "page 2's own step");
}

TEST_F(CanvasUndoTest, PressesThatChangeNothingAddNoStep) {
    canvasClick(kWall); // nothing picked
    pickSlot(kBlueSlot);
    canvasClick(kWall, Qt::RightButton);
    QPoint black(-1, -1);
    for (int x = 0; x < outline().width() && black.x() < 0; ++x)
        if (outlineBlack({x, 200}))
            black = {x, 200};
    canvasClick(black);
    EXPECT_EQ(steps(), 0);
    canvasClick(kPane);
    canvasClick(kPane); // already blue
    EXPECT_EQ(steps(), 1);
    click(window->cmdDRAW);
    canvasClick(kWall, Qt::RightButton);
    EXPECT_EQ(steps(), 1);
}

TEST_F(CanvasUndoTest, AFillAfterUndoDropsWhatCouldBeRedone) {
    pickSlot(kBlueSlot);
    canvasClick(kPane);
    canvasClick(kWall);
    window->Undo();
    pickSlot(kRedSlot);
    canvasClick({10, 10});
    const QImage now = canvasImage();
    window->Redo();
    expectShows(now, "nothing to redo");
    EXPECT_EQ(steps(), 2);
}

TEST_F(CanvasUndoTest, ButtonsAndKeysUndoAndRedo) {
    const QImage before = canvasImage();
    pickSlot(kBlueSlot);
    canvasClick(kWall);
    const QImage filled = canvasImage();
    click(window->cmdUNDO);
    expectShows(before, "undo button");
    click(window->cmdREDO);
    expectShows(filled, "redo button");
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    expectShows(before, "Ctrl+Z");
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    expectShows(filled, "Ctrl+Y");
    window->Undo();
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    expectShows(filled, "Ctrl+Shift+Z");
}

TEST_F(CanvasUndoTest, AKeyDuringAHeldStrokeActsAfterTheRelease) {
    click(window->cmdDRAW);
    pickSlot(kBlueSlot);
    const QImage before = canvasImage();
    canvasPress({100, 100});
    canvasMove({200, 150});
    const QImage held = canvasImage();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    expectShows(held, "the stroke is not cut in the middle");
    canvasRelease({200, 150});
    expectShows(before, "the whole stroke taken back after the release");
    EXPECT_TRUE(window->history().canRedo(1));
}

TEST_F(CanvasUndoTest, ARightClickDuringADragNeitherEndsNorSplitsTheStroke) {
    click(window->cmdDRAW);
    pickSlot(kBlueSlot);
    const QImage before = canvasImage();
    canvasPress({100, 100});
    canvasMove({200, 150});
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    canvasClick({200, 150}, Qt::RightButton);
    canvasMove({300, 120});
    ASSERT_NE(differingPixels(canvasImage(), before).count, 0) << "the key ran mid-stroke";
    canvasRelease({300, 120});
    expectShows(before, "the key's undo took back the whole stroke");
    EXPECT_EQ(steps(), 1);
}

TEST_F(CanvasUndoTest, UndoWithTheComposerOpenActsOnThePageNotThePreview) {
    const QImage before = canvasImage();
    pickSlot(kBlueSlot);
    canvasClick(kWall);
    click(window->cmdSEND);
    ASSERT_TRUE(window->composer);
    const auto* preview = window->composer->findChild<QLabel*>("preview");
    ASSERT_TRUE(preview);
    const QImage shown = preview->pixmap().toImage();
    click(window->cmdUNDO);
    expectShows(before, "the button's undo");
    window->Redo();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    expectShows(before, "the key's undo");
    EXPECT_EQ(preview->pixmap().toImage(), shown);
    window->composer->close();
}

TEST_F(CanvasUndoTest, AllOffResetsTheNewButtonsToo) {
    for (ucButtonA* button : {window->cmdUNDO, window->cmdREDO, window->cmdPRINT}) {
        moveTo(at(button->face(), {20, 30}));
        moveTo(at(button->face(), {25, 35}));
        ASSERT_EQ(button->facePicture().cacheKey(), button->img_ROLL().cacheKey())
            << button->objectName().toStdString();
        window->AllOff(button->objectName());
        EXPECT_EQ(button->facePicture().cacheKey(), button->img_ROLL().cacheKey());
        window->AllOff("");
        EXPECT_EQ(button->facePicture().cacheKey(), button->img_NORM().cacheKey());
    }
}

TEST_F(CanvasUndoTest, ColouringIsKeptAfterTurningToPageTwoAndBack) {
    pickSlot(kBlueSlot);
    canvasClick(kPane);
    pickSlot(kNearBlackSlot);
    canvasClick(kWall);
    const QImage coloured = canvasImage();

    click(window->cmdNEXT);
    ASSERT_EQ(window->state().CurrentPage, 2);
    EXPECT_NE(differingPixels(coloured, canvasImage()).count, 0);
    click(window->cmdPREV);
    ASSERT_EQ(window->state().CurrentPage, 1);
    EXPECT_EQ(differingPixels(coloured, canvasImage()).count, 0);
}

} // namespace
