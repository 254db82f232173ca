#include "tests/support/TestWindow.h"

#include "pixels/FileError.h"

#include <QApplication>
#include <QElapsedTimer>
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

} // namespace

void ensureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "vellumix-test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QApplication app(argc, argv);
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

void clickFace(ucButtonA* button) {
    QTest::mouseClick(button->face(), Qt::LeftButton, {}, QPoint(20, 20));
}

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

TestWindow::TestWindow() {
    ensureApplication();
}

std::unique_ptr<frmCANVAS> TestWindow::makeWindow(const QString& userFolder, WindowSeams seams) {
    seams.report = [this](QWidget*, const QString& title, const QString& text) {
        reports << title + QStringLiteral(": ") + text;
    };
    return std::make_unique<frmCANVAS>(scratch.programFolder(), std::move(seams), userFolder);
}

bool TestWindow::open() {
    if (!window)
        window = makeWindow(userFolderOfThisProgram());
    try {
        window->Form_Load();
    } catch (const FileError& e) {
        reports << e.path() + QStringLiteral(": ") + e.reason();
        return false;
    }
    if (showAndWaitForFirstPaint(*window))
        return true;
    reports << QStringLiteral("the window was never painted");
    return false;
}

QPoint TestWindow::at(const QWidget* control, QPoint local) const {
    return control->mapTo(window.get(), local);
}

QPoint TestWindow::centreOf(const QWidget* control) const {
    return at(control, control->rect().center());
}

void TestWindow::pressAt(QPoint windowPos, Qt::MouseButton which) {
    QTest::mousePress(window->windowHandle(), which, {}, windowPos);
}

void TestWindow::releaseAt(QPoint windowPos, Qt::MouseButton which) {
    QTest::mouseRelease(window->windowHandle(), which, {}, windowPos);
}

void TestWindow::clickAt(QPoint windowPos, Qt::MouseButton which) {
    QTest::mouseClick(window->windowHandle(), which, {}, windowPos);
}

void TestWindow::moveTo(QPoint windowPos) {
    QTest::mouseMove(window->windowHandle(), windowPos);
}

void TestWindow::send(QTest::MouseAction action, QPoint p, Qt::MouseButton which) {
    QTest::mouseEvent(action, window->windowHandle(), which, {}, pixel(p.x(), p.y()));
}

const PictureBox& TestWindow::drivenCanvas() const {
    return *window->canvas;
}

const PictureBox& TestWindow::drivenOutline() const {
    return *window->picOrig;
}
