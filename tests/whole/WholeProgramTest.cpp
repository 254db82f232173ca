#include "pixels/BitmapFile.h"
#include "tests/support/Facts.h"
#include "tests/whole/CanvasShots.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(WholeProgram, StartsWithPageOneOnTheCanvas) {
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.windowGeometry().size(), kWindowSize);
    const QImage shot = program.windowShot();
    shot.save(binaryDir() + "/whole-start.png");
    const auto diff = differingPixels(canvasOf(shot), outlinePage(scratch, 1));
    EXPECT_EQ(diff.count, 0)
        << "the canvas does not show page 1 where the layout puts it; first at " << diff.first.x()
        << "," << diff.first.y();
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(WholeProgram, AMissingArtworkFileStopsStartUpWithAMessage) {
    ScratchDataFolder scratch;
    QFile::remove(scratch.file("stix.kyr"));
    RunningProgram program(scratch);
    ASSERT_TRUE(program.start()) << "no message box appeared";
    EXPECT_NE(program.windowGeometry().size(), kWindowSize) << "the main window was shown";
    program.key("Return");
    EXPECT_EQ(program.waitForExit(), 1);
}

TEST(WholeProgram, ClosingTheWindowStoresThePageBeingColoured) {
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    ASSERT_TRUE(program.start());
    program.click(paletteSlot(kBlueSlot));
    program.click(onCanvas({6, 6})); // the white around the drawing
    const QImage shot = program.windowShot();
    EXPECT_EQ(shot.pixel(onCanvas({6, 6})), kBlue);
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
    const QImage stored = loadPicture(scratch.file(DataFiles::workingPage(1)));
    EXPECT_EQ(stored.pixel(6, 6), kBlue);
    EXPECT_EQ(differingPixels(visiblePart(stored), canvasOf(shot)).count, 0);
}

TEST(WholeProgram, ClosingWhileThePostcardStatusShowsStoresThePage) {
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    ASSERT_TRUE(program.start());
    program.click(paletteSlot(4)); // the orange brush
    program.click(onCanvas({6, 6}));
    program.click(controlCentre("cmdSEND"));
    const QString composer = program.waitForOtherWindow("Send Drawing", 10000);
    ASSERT_FALSE(composer.isEmpty()) << "the composer did not open";
    ASSERT_TRUE(program.focusWindow(composer));
    // The message box has the focus; the recipient comes next, Send after the sender.
    program.key("Tab");
    program.type("gran@example.org");
    program.key("Tab");
    program.key("Tab");
    program.key("space");
    // No postcard service is set up, so the delivery fails at once and the
    // status window shows its outcome for three seconds.
    ASSERT_FALSE(program.waitForOtherWindow("", 30000).isEmpty()) << "no status window";
    program.screenshot().save(binaryDir() + "/whole-status.png");
    program.close();
    EXPECT_EQ(program.waitForExit(30000), 0);
    EXPECT_EQ(loadPicture(scratch.file(DataFiles::workingPage(1))).pixel(6, 6), qRgb(255, 128, 0));
}

TEST(WholeProgram, ASecondStartEndsAndLeavesTheFirstWindowsPagesAlone) {
    ScratchDataFolder scratch;
    {
        RunningProgram first(scratch);
        ASSERT_TRUE(first.start());
        first.click(paletteSlot(kBlueSlot));
        first.click(onCanvas({6, 6}));
        first.click(controlCentre("cmdNEXT")); // page 1 is stored blue
        first.settle(800);
        ASSERT_EQ(loadPicture(scratch.file(DataFiles::workingPage(1))).pixel(6, 6), kBlue);
        EXPECT_EQ(startAgain(scratch), 0);
        EXPECT_TRUE(first.running());
        EXPECT_EQ(loadPicture(scratch.file(DataFiles::workingPage(1))).pixel(6, 6), kBlue)
            << "the second start remade the working copies";
    } // the first program is killed here, leaving its lock behind
    ASSERT_TRUE(QFile::exists(scratch.file("vellumix.lock")));
    RunningProgram next(scratch);
    ASSERT_TRUE(next.start()) << "the lock of a killed program was not taken over";
    next.close();
    EXPECT_EQ(next.waitForExit(), 0);
}
