#include "bench/BenchWindow.h"

#include "colouring/Canvas.h"
#include "colouring/pixels/FileError.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

bool painted = false;

// Sees a widget's paint event arrive; the paint is complete once the event
// loop pass that delivered it returns.
class PaintWatcher : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(path, target);
    }
}

} // namespace

void ensureApplication() {
    static int argc = 1;
    static char name[] = "vellumix-bench";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
}

ScratchProgramFolder::ScratchProgramFolder() {
    copyTree(QStringLiteral(VELLUMIX_SOURCE_DIR "/res"), dataFolder());
}

bool showAndWaitForFirstPaint(QWidget& widget) {
    PaintWatcher watcher;
    widget.installEventFilter(&watcher);
    widget.show();
    QElapsedTimer clock;
    clock.start();
    while (!watcher.seen && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    widget.removeEventFilter(&watcher);
    painted = painted || watcher.seen;
    return watcher.seen;
}

bool anyWindowPaintedYet() {
    return painted;
}

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

LoadedWindow::LoadedWindow() {
    ensureApplication();
    window = std::make_unique<frmCANVAS>(folder.programFolder());
    window->report = [this](QWidget*, const QString& title, const QString& text) {
        reports << title + QStringLiteral(": ") + text;
    };
    try {
        window->Form_Load();
    } catch (const FileError& e) {
        reports << e.path() + QStringLiteral(": ") + e.reason();
        return;
    }
    ok = showAndWaitForFirstPaint(*window);
}

bool started(benchmark::State& state, const LoadedWindow& w) {
    if (!w.ok)
        state.SkipWithError(qPrintable(QStringLiteral("the window did not start: ") +
                                       w.reports.join(QLatin1Char('\n'))));
    return w.ok;
}

QPoint LoadedWindow::centreOf(const QWidget* control) const {
    return control->mapTo(window.get(), control->rect().center());
}

QPoint LoadedWindow::canvasPixel(int x, int y) const {
    // The picture starts inside the canvas's 2-pixel border.
    return window->canvas->mapTo(window.get(), QPoint(x + 2, y + 2));
}

void LoadedWindow::click(QPoint windowPos) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, windowPos);
}

void LoadedWindow::press(QPoint windowPos) {
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, windowPos);
}

void LoadedWindow::release(QPoint windowPos) {
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, windowPos);
}

void LoadedWindow::move(QPoint windowPos) {
    QTest::mouseMove(window->windowHandle(), windowPos);
}
