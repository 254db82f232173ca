#pragma once
// The main window over its own scratch copy of the shipped data folder, its
// message boxes collected in reports instead of shown, driven by mouse
// events that go through the platform's own dispatch: a press lands on
// whatever control lies on top at that place. Shared by the window tests
// and the benchmarks.
#include "app/frmCANVAS.h"
#include "colouring/Canvas.h"
#include "controls/ImageControl.h"
#include "controls/ucButtonA.h"
#include "tests/support/CanvasDriver.h"
#include "tests/support/TestSupport.h"

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <vector>

class TestWindow : public CanvasDriver {
public:
    TestWindow();

    // A window over the scratch folder, not loaded yet, its messages in
    // reports. userFolder takes the pages when the data folder cannot be written.
    std::unique_ptr<frmCANVAS> makeWindow(const QString& userFolder, WindowSeams seams = {});
    // Makes window when there is none, loads, shows and paints it; false,
    // with the reason in reports, when it did not start.
    bool open();

    // Window positions of a place on a control.
    QPoint at(const QWidget* control, QPoint local) const;
    QPoint centreOf(const QWidget* control) const;
    // The canvas, by pixel of its picture (inside the canvas's 2-pixel border).
    QPoint pixel(int x, int y) const { return at(window->canvas, inBorder({x, y})); }

    void pressAt(QPoint windowPos, Qt::MouseButton which = Qt::LeftButton);
    void releaseAt(QPoint windowPos, Qt::MouseButton which = Qt::LeftButton);
    void clickAt(QPoint windowPos, Qt::MouseButton which = Qt::LeftButton);
    void moveTo(QPoint windowPos);
    void click(ucButtonA* button) { clickAt(centreOf(button->face())); }

    // The tool box, pressed where the child would press.
    void pickSlot(int slot, Qt::MouseButton which = Qt::LeftButton) {
        clickAt(centreOf(window->cmdCOLOR.at(slot)), which);
    }
    void pressEraserSlot(Qt::MouseButton which = Qt::LeftButton) {
        clickAt(centreOf(window->cmdERASER), which);
    }

    ScratchDataFolder scratch;
    std::unique_ptr<frmCANVAS> window;
    QStringList reports;

private:
    void send(QTest::MouseAction action, QPoint p, Qt::MouseButton which) override;
    const PictureBox& drivenCanvas() const override;
    const PictureBox& drivenOutline() const override;
};

// The QApplication (offscreen unless told otherwise), made on first use
// where no main() made one.
void ensureApplication();

// Shows widget and handles events until its first paint is complete.
// False when no paint came within a few seconds.
bool showAndWaitForFirstPaint(QWidget& widget);
// True once any window of this process has been painted: the first start-up
// pays for fonts, image plug-ins and resources that later ones find ready.
bool anyWindowPaintedYet();

// A click on the button's own face, for a window that is not shown.
void clickFace(ucButtonA* button);

// Handles what the last input left pending, the repaint above all.
void settle();
