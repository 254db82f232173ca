// The whole program under a virtual X display: colour a page, press the save
// button, type a name into the real save dialog and check the written file.
#include "book/ControlPlaces.h"
#include "book/PaletteTable.h"
#include "pixels/BitmapFile.h"
#include "tests/support/ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A point deep inside a white area of page: its whole neighbourhood is white.
QPoint whiteSpotIn(const QImage& page) {
    const int reach = 12;
    for (int y = page.height() / 3; y < page.height() - reach; y += 3)
        for (int x = page.width() / 3; x < page.width() - reach; x += 3) {
            bool white = true;
            for (int dy = -reach; white && dy <= reach; ++dy)
                for (int dx = -reach; white && dx <= reach; ++dx)
                    white = page.pixel(x + dx, y + dy) == qRgb(255, 255, 255);
            if (white)
                return {x, y};
        }
    return {-1, -1};
}

TEST(SaveUnderXvfb, AColouredPageIsSavedThroughTheRealDialog) {
    ScratchDataFolder scratch;
    QTemporaryDir saves;
    const QImage page = loadPicture(scratch.file("pages/orig/1.bmp"));
    const QPoint spot = whiteSpotIn(page);
    ASSERT_GE(spot.x(), 0) << "page 1 has no white area to fill";

    RunningProgram program(scratch);
    program.setWorkingFolder(saves.path());
    ASSERT_TRUE(program.start()) << "the main window did not show";

    // Paint mode is on at start: pick the first brush and pour it into the page.
    program.click(controlRect("cmdCOLOR").center());
    program.click(controlRect("canvas").topLeft() + QPoint(2, 2) + spot);

    program.click(controlRect("cmdSAVE").center());
    const QString dialog = program.waitForOtherWindow("Save My Picture", 20000);
    ASSERT_FALSE(dialog.isEmpty()) << "the save dialog did not show";
    ASSERT_TRUE(program.focusWindow(dialog));
    program.key("ctrl+a");
    program.type(saves.filePath("coloured"));
    program.key("Return");

    const QString saved = saves.filePath("coloured.bmp");
    ASSERT_TRUE(eventually([&] { return QFileInfo::exists(saved); }, 10000))
        << "no file was written; the folder holds "
        << QDir(saves.path()).entryList().join(' ').toStdString();
    QThread::msleep(300);

    const QImage picture = loadPicture(saved);
    ASSERT_EQ(picture.size(), page.size());
    const QRgb red = qRgb(255, 0, 0);
    ASSERT_EQ(kPaletteTable[0], packColour(255, 0, 0));
    EXPECT_EQ(picture.pixel(spot), red) << "the fill did not reach the saved picture";
    int outlineKept = 0, outline = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) == qRgb(0, 0, 0)) {
                ++outline;
                outlineKept += picture.pixel(x, y) == qRgb(0, 0, 0);
            }
    EXPECT_EQ(outlineKept, outline);
}

} // namespace
