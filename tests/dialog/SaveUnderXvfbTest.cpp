// The whole program under a virtual X display: colour a page, press the save
// button, type a name into the real save dialog and check the written file.
#include "colouring/pixels/BitmapFile.h"
#include "state/ControlPlaces.h"
#include "state/PaletteTable.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A child process that is ended when the test is done with it.
class Child {
public:
    ~Child() {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000))
                process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

class Display {
public:
    bool start() {
        xvfb_.process.start("Xvfb",
                            {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!xvfb_.process.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!xvfb_.process.canReadLine() && clock.elapsed() < 10000)
            xvfb_.process.waitForReadyRead(200);
        const QByteArray number = xvfb_.process.readLine().trimmed();
        if (number.isEmpty())
            return false;
        name_ = ":" + QString::fromLatin1(number);
        return true;
    }
    QString name() const { return name_; }

private:
    Child xvfb_;
    QString name_;
};

class SaveUnderXvfb : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "Xvfb and xdotool are needed for the whole-program test";
        ASSERT_TRUE(display_.start()) << "Xvfb did not start";
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("DISPLAY", display_.name());
        environment_.insert("QT_QPA_PLATFORM", "xcb");
        // The dialog remembers folders in the user's settings; keep those private.
        environment_.insert("HOME", home_.path());
        environment_.insert("XDG_CONFIG_HOME", home_.path());
    }

    // Runs xdotool with args; returns its output, or nothing when it failed.
    QString xdotool(const QStringList& args, int timeoutMs = 20000) {
        QProcess tool;
        tool.setProcessEnvironment(environment_);
        tool.start("xdotool", args);
        if (!tool.waitForFinished(timeoutMs)) {
            tool.kill();
            tool.waitForFinished();
            return {};
        }
        return tool.exitCode() == 0 ? QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed()
                                    : QString();
    }

    QString waitForWindow(const QString& title) {
        // --sync waits for the window; the name is a pattern, so anchor it.
        return xdotool({"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"})
            .section('\n', 0, 0);
    }

    void clickAt(const QString& window, QPoint at) {
        xdotool(
            {"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y())});
        QThread::msleep(100);
        xdotool({"click", "1"});
        QThread::msleep(300);
    }

    Display display_;
    QTemporaryDir home_;
    QProcessEnvironment environment_;
};

QPoint centreOf(QRect r) {
    return r.center();
}

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

TEST_F(SaveUnderXvfb, AColouredPageIsSavedThroughTheRealDialog) {
    ScratchDataFolder scratch;
    const QString program = scratch.programFolder() + "/vellumix";
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELLUMIX_BINARY_DIR) + "/vellumix", program));
    QTemporaryDir saves;
    const QImage page = loadPicture(scratch.file("pages/orig/1.bmp"));
    const QPoint spot = whiteSpotIn(page);
    ASSERT_GE(spot.x(), 0) << "page 1 has no white area to fill";

    Child vellumix;
    vellumix.process.setProcessEnvironment(environment_);
    vellumix.process.setWorkingDirectory(saves.path());
    vellumix.process.start(program, {});
    ASSERT_TRUE(vellumix.process.waitForStarted(5000));
    const QString window = waitForWindow("Vellumix");
    ASSERT_FALSE(window.isEmpty()) << "the main window did not show";
    QThread::msleep(500);

    // Paint mode is on at start: pick the first brush and pour it into the page.
    const QRect firstSlot = controlRect("cmdCOLOR");
    const QRect canvas = controlRect("canvas");
    clickAt(window, centreOf(firstSlot));
    clickAt(window, canvas.topLeft() + QPoint(2, 2) + spot);

    clickAt(window, centreOf(controlRect("cmdSAVE")));
    const QString dialog = waitForWindow("Save My Picture");
    ASSERT_FALSE(dialog.isEmpty()) << "the save dialog did not show";
    QThread::msleep(500);
    xdotool({"windowfocus", "--sync", dialog});
    xdotool({"key", "ctrl+a"});
    xdotool({"type", "--delay", "20", saves.filePath("coloured")});
    xdotool({"key", "Return"});

    const QString saved = saves.filePath("coloured.bmp");
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(saved) && clock.elapsed() < 10000)
        QThread::msleep(100);
    ASSERT_TRUE(QFileInfo::exists(saved)) << "no file was written; the folder holds "
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
