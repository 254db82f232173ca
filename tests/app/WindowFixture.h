#pragma once
// A main window over a scratch copy of the data folder, with message boxes
// captured instead of shown.
#include "app/PageSheet.h"
#include "app/frmCANVAS.h"
#include "colouring/Canvas.h"
#include "colouring/pixels/BitmapFile.h"
#include "controls/ImageControl.h"
#include "state/DataFiles.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = makeWindow(); }

    std::unique_ptr<frmCANVAS> makeWindow() {
        auto w = std::make_unique<frmCANVAS>(scratch.programFolder(), userFolder());
        w->report = [this](QWidget*, const QString& title, const QString& text) {
            reports << title + ": " + text;
        };
        w->frameIntervalMs = 0;
        return w;
    }

    // Where the pages go when the data folder cannot be written.
    QString userFolder() const { return userHome.filePath("Vellumix"); }

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

    ScratchDataFolder scratch;
    QTemporaryDir userHome;
    std::unique_ptr<frmCANVAS> window;
    QStringList reports;
};
