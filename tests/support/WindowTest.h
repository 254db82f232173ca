#pragma once
// Test fixtures over the main window: WindowTest makes it and leaves the
// loading to the test; ShownWindowTest loads and shows it first, and fails
// a test that leaves a message behind.
#include "app/PageSheet.h"
#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"
#include "tests/support/Facts.h"
#include "tests/support/TestWindow.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class WindowTest : public ::testing::Test, protected TestWindow {
protected:
    void SetUp() override { window = makeWindow(); }

    // Its page turns pause framePauseMs after each frame.
    std::unique_ptr<frmCANVAS> makeWindow(int framePauseMs = 0) {
        return TestWindow::makeWindow(userFolder(), WindowSeams{.framePauseMs = framePauseMs});
    }

    // Where the pages go when the data folder cannot be written.
    QString userFolder() const { return userHome.filePath(kProgramTitle); }

    using TestWindow::outline;
    QImage outline(int page) const { return loadPicture(scratch.file(outlineName(page))); }
    QImage working(int page) const { return loadPicture(scratch.file(workingName(page))); }
    static QString outlineName(int page) { return DataFiles::outlinePage(page); }
    static QString workingName(int page) { return DataFiles::workingPage(page); }

    // A visible mark on the canvas, as a stroke would leave.
    void colourCanvas(QRgb rgb) {
        for (int y = 100; y < 120; ++y)
            for (int x = 100; x < 140; ++x)
                window->canvas->Image().setPixel(x, y, rgb);
    }

    QTemporaryDir userHome;
};

class ShownWindowTest : public WindowTest {
protected:
    void SetUp() override {
        prepareDataFolder();
        WindowTest::SetUp();
        ASSERT_TRUE(open()) << reports.join('\n').toStdString();
    }
    void TearDown() override { EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString(); }
    // Runs before the window loads; tests change the data folder here.
    virtual void prepareDataFolder() {}
};
