#pragma once
// The main window over a scratch data folder, loaded and shown offscreen,
// driven by mouse events that go through the platform's own dispatch: a
// press lands on whatever control lies on top at that place.
#include "app/frmCANVAS.h"
#include "colouring/Canvas.h"
#include "colouring/pixels/Colour.h"
#include "controls/ImageControl.h"
#include "controls/ucButtonA.h"
#include "tests/support/TestSupport.h"

#include <QCursor>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class WindowHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before the window loads; tests change the data folder here.
    virtual void prepareDataFolder() {}

    // Window positions of a place on a control.
    QPoint at(const QWidget* control, QPoint local) const;
    QPoint centreOf(const QWidget* control) const;
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

    // The canvas, by pixel of its picture (the client area starts inside a
    // 2-pixel border).
    QPoint pixel(int x, int y) const { return at(window->canvas, {x + 2, y + 2}); }
    void canvasPress(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        pressAt(pixel(p.x(), p.y()), which);
    }
    void canvasMove(QPoint p) { moveTo(pixel(p.x(), p.y())); }
    void canvasRelease(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        releaseAt(pixel(p.x(), p.y()), which);
    }
    void canvasClick(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        clickAt(pixel(p.x(), p.y()), which);
    }
    // Press at the first point, move through the others, release at the last.
    void stroke(const std::vector<QPoint>& points);

    QImage canvasImage() const { return window->canvas->Image().copy(); }
    const QImage& outline() const { return window->picOrig->Image(); }
    QRgb canvasAt(QPoint p) const { return window->canvas->Image().pixel(p) | 0xff000000u; }
    bool outlineBlack(QPoint p) const { return (outline().pixel(p) & 0xffffff) == 0; }

    ScratchDataFolder scratch;
    std::unique_ptr<frmCANVAS> window;
    QStringList reports;
};

// The colours of the twelve slots as packed values, from their red, green
// and blue parts.
std::vector<Colour> slotColours();

// Which of the program's cursors this is: "HANDY", "ERASER", "101" to "124",
// or "unknown". A match needs the same picture and the same hot spot.
std::string cursorName(const QCursor& cursor);
