#include "controls/ucButtonA.h"
#include "tests/support/WindowTest.h"

#include <QDir>
#include <QTest>

class PageBookTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->Form_Load();
    }
};

TEST_F(PageBookTest, TurningAwayAndBackKeepsTheColouring) {
    colourCanvas(kBlue);
    const QImage coloured = window->canvas->Image();
    clickFace(window->cmdNEXT);
    EXPECT_EQ(window->state().CurrentPage, 2);
    EXPECT_EQ(window->lastTurnFrames(), 27);
    EXPECT_EQ(window->canvas->Image(), outline(2)) << "page 2 is uncoloured on its first visit";
    EXPECT_EQ(window->picOrig->Image(), outline(2));
    clickFace(window->cmdPREV);
    EXPECT_EQ(window->state().CurrentPage, 1);
    EXPECT_EQ(window->lastTurnFrames(), 27);
    EXPECT_EQ(window->canvas->Image(), coloured);
    EXPECT_FALSE(window->imgANIM->isVisible());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(PageBookTest, TheSheetSlidesTwentyPixelsAFrameAndPausesAfterEach) {
    window = makeWindow(PageTurn::kFramePauseMs);
    window->Form_Load();
    for (const int step : {+1, -1}) {
        SCOPED_TRACE(step > 0 ? "forward" : "backward");
        clickFace(step > 0 ? window->cmdNEXT : window->cmdPREV);
        const std::vector<frmCANVAS::TurnFrame>& frames = window->lastTurn();
        ASSERT_EQ(frames.size(), 27u);
        for (int k = 0; k < 27; ++k) {
            // Forward 503 down to -17, backward 20 up to 540; the top stays 2.
            const int left = step > 0 ? kCanvasSize.width() - 20 * (k + 1) : 20 * (k + 1);
            EXPECT_EQ(frames[k].sheet.x(), left) << "frame " << k;
            EXPECT_EQ(frames[k].sheet.y(), 2) << "frame " << k;
            EXPECT_GE(frames[k].pauseNs, 10'000'000) << "frame " << k;
        }
    }
}

TEST_F(PageBookTest, TheBookStopsAtItsCoversButStillStores) {
    colourCanvas(kRed);
    clickFace(window->cmdPREV);
    EXPECT_EQ(window->state().CurrentPage, 1);
    EXPECT_EQ(window->lastTurnFrames(), 0);
    EXPECT_EQ(working(1), window->canvas->Image());

    window->goPic(15);
    ASSERT_EQ(window->state().CurrentPage, kPageCount);
    colourCanvas(qRgb(0, 255, 0));
    clickFace(window->cmdNEXT);
    EXPECT_EQ(window->state().CurrentPage, kPageCount);
    EXPECT_EQ(window->lastTurnFrames(), 0);
    EXPECT_EQ(working(kPageCount), window->canvas->Image());
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(PageBookTest, StepZeroShowsThePageWithoutAnimation) {
    window->goPic(0);
    EXPECT_EQ(window->state().CurrentPage, 1);
    EXPECT_EQ(window->lastTurnFrames(), 0);
}

TEST_F(PageBookTest, AMissingWorkingCopyIsReportedAndThePageShownStays) {
    clickFace(window->cmdNEXT);
    const QImage page2 = window->canvas->Image();
    QFile::remove(scratch.file(workingName(3)));
    clickFace(window->cmdNEXT);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0], "Vellumix: Cannot locate file: " + scratch.file(workingName(3)) + ".");
    EXPECT_EQ(window->canvas->Image(), page2);
    // The page still shown keeps its own number, so a later store is right.
    EXPECT_EQ(window->state().CurrentPage, 2);
    colourCanvas(qRgb(255, 255, 0));
    ASSERT_TRUE(window->SavePic());
    EXPECT_EQ(working(2), window->canvas->Image());
    EXPECT_FALSE(QFile::exists(scratch.file(workingName(3))));
}

TEST_F(PageBookTest, AMissingOutlineCopyKeepsThePreviousOutline) {
    window->goPic(2);
    ASSERT_EQ(window->state().CurrentPage, 3);
    QFile::remove(scratch.file(outlineName(4)));
    clickFace(window->cmdNEXT);
    EXPECT_EQ(window->state().CurrentPage, 4);
    EXPECT_EQ(window->canvas->Image(), working(4));
    EXPECT_EQ(window->picOrig->Image(), outline(3));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(PageBookTest, ADamagedPageIsReportedAndTheBookStaysUsable) {
    QFile page(scratch.file(workingName(2)));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("BM this is not a bitmap");
    page.close();
    clickFace(window->cmdNEXT);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(scratch.file(workingName(2)))) << reports[0].toStdString();
    EXPECT_EQ(window->state().CurrentPage, 1);
    EXPECT_EQ(window->canvas->Image(), outline(1));
}

TEST_F(PageBookTest, SavePicWritesTheNumberedWorkingCopy) {
    window->goPic(15);
    colourCanvas(qRgb(1, 2, 3));
    ASSERT_TRUE(window->SavePic());
    EXPECT_EQ(working(kPageCount), window->canvas->Image());
    EXPECT_TRUE(QFile::exists(scratch.file(DataFiles::workingPage(kPageCount))));
}

TEST_F(PageBookTest, ClosingTheWindowStoresThePageShown) {
    window->goPic(4);
    colourCanvas(qRgb(9, 99, 199));
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(working(5), window->canvas->Image());
}

TEST_F(PageBookTest, AStoreIntoAReadOnlyFolderIsReportedAndLosesNothing) {
    colourCanvas(qRgb(200, 0, 0));
    ASSERT_TRUE(window->SavePic());
    const QImage stored = working(1);
    colourCanvas(qRgb(0, 200, 0));
    {
        ReadOnlyMount readOnly(scratch.file("pages"));
        if (!readOnly.ok())
            GTEST_SKIP() << readOnly.why().toStdString();
        EXPECT_FALSE(window->SavePic());
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].startsWith("Vellumix: "));
        EXPECT_TRUE(reports[0].contains(scratch.file(workingName(1))));
        EXPECT_EQ(working(1), stored);
    }
    EXPECT_TRUE(window->SavePic());
    EXPECT_EQ(working(1), window->canvas->Image());
}

// A page that cannot be stored is not left, or its colouring would be lost
// on the way back: one message, the page stays, the next press tries again.
TEST_F(PageBookTest, ATurnWhoseStoreFailsStaysOnThePage) {
    colourCanvas(kBlue);
    const QImage coloured = window->canvas->Image().copy();
    {
        ReadOnlyMount readOnly(scratch.file("pages"));
        if (!readOnly.ok())
            GTEST_SKIP() << readOnly.why().toStdString();
        clickFace(window->cmdNEXT);
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].contains(scratch.file(workingName(1))));
        EXPECT_EQ(window->state().CurrentPage, 1);
        EXPECT_EQ(window->lastTurnFrames(), 0);
        EXPECT_EQ(window->canvas->Image(), coloured);
    }
    clickFace(window->cmdNEXT);
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(window->state().CurrentPage, 2);
    EXPECT_EQ(working(1), coloured);
}

class PageBookFullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk.ok())
            GTEST_SKIP() << disk.why().toStdString();
        ASSERT_TRUE(copyTree(shippedDataFolder(), program.path() + "/res"));
        window.Form_Load();
    }

    // Fills the disk to the last byte.
    void fillDisk() {
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(64 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
    }
    QString page(int n) const { return program.path() + QString("/res/pages/%1.bmp").arg(n); }

    QTemporaryDir program;
    SmallDiskMount disk{program.path(), 32 * 1024};
    frmCANVAS window{program.path(),
                     {.report = [this](auto, auto, auto t) { reports << t; }, .framePauseMs = 0}};
    QFile filler{program.path() + "/filler"};
    QStringList reports;
};

TEST_F(PageBookFullDisk, AStoreOnAFullDiskIsReportedAndSucceedsOnceThereIsRoom) {
    const QImage before = loadPicture(page(1));
    fillDisk();
    window.canvas->Image().fill(Qt::magenta);
    EXPECT_FALSE(window.SavePic());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(page(1))) << reports[0].toStdString();
    EXPECT_EQ(loadPicture(page(1)), before);

    filler.remove();
    EXPECT_TRUE(window.SavePic());
    EXPECT_EQ(loadPicture(page(1)), window.canvas->Image());
}

TEST_F(PageBookFullDisk, ATurnWhoseStoreFailsStaysOnThePage) {
    clickFace(window.cmdNEXT);
    ASSERT_EQ(window.state().CurrentPage, 2);
    window.canvas->Image().fill(Qt::magenta);
    const QImage coloured = window.canvas->Image().copy();
    fillDisk();
    clickFace(window.cmdPREV);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(window.state().CurrentPage, 2);
    EXPECT_EQ(window.canvas->Image(), coloured);

    filler.remove();
    clickFace(window.cmdPREV);
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(window.state().CurrentPage, 1);
    EXPECT_EQ(loadPicture(page(2)), coloured);
}
