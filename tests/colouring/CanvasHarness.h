#pragma once
// The canvas and the outline copy of page 1 on a bare widget, the tool box's
// own handlers to pick a tool, and mouse events on the canvas itself: what
// the canvas handlers need, without the main window.
#include "colouring/Canvas.h"
#include "colouring/CanvasInput.h"
#include "colouring/ToolBox.h"
#include "colouring/UndoHistory.h"
#include "controls/ImageControl.h"
#include "tests/support/Facts.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        state.CurrentPage = 1;
        setPage(shippedOutline(1));
        toolBox.paletteSetUp();
        toolBox.cmdPAINT_Click();
        window.show();
    }

    // The tool box, as the window passes its presses on.
    void pickSlot(int slot) { toolBox.cmdCOLOR_MouseDown(slot); }
    void putColourBack() { toolBox.imgNONE_MouseDown(); }
    void pickEraser() { toolBox.cmdERASER_MouseDown(); }
    void putEraserBack() { toolBox.cmdERASER_OFF_MouseDown(); }

    // The canvas, by pixel of its picture (inside its 2-pixel border).
    static QPoint inBorder(QPoint p) { return p + QPoint(2, 2); }
    void canvasPress(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        QTest::mousePress(canvas, which, {}, inBorder(p));
    }
    void canvasMove(QPoint p) { QTest::mouseMove(canvas, inBorder(p)); }
    void canvasRelease(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        QTest::mouseRelease(canvas, which, {}, inBorder(p));
    }
    void canvasClick(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        canvasPress(p, which);
        canvasRelease(p, which);
    }
    // Press at the first point, move through the others, release at the last.
    void stroke(const std::vector<QPoint>& points) {
        canvasPress(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            canvasMove(points[i]);
        canvasRelease(points.back());
    }

    // Shows page as the outline copy and on the canvas.
    void setPage(const QImage& page) {
        picOrig->setPicture(page);
        canvas->setPicture(page);
    }

    QImage canvasImage() const { return canvas->Image().copy(); }
    QRgb canvasAt(QPoint p) const { return canvas->Image().pixel(p) | 0xff000000u; }
    const QImage& outline() const { return picOrig->Image(); }
    bool outlineBlack(QPoint p) const { return (outline().pixel(p) & 0xffffff) == 0; }

    QWidget window;
    ProgramState state;
    UndoHistory history;
    PictureBox* picOrig = new PictureBox(&window, "picOrig", controlRect("picOrig"), 0);
    Canvas* canvas = new Canvas(&window, controlRect("canvas"));
    std::vector<ImageControl*> cmdCOLOR{
        new ImageControl(&window, "cmdCOLOR", controlRect("cmdCOLOR"))};
    ImageControl* imgNONE = control("imgNONE");
    ImageControl* cmdERASER = control("cmdERASER");
    ImageControl* cmdERASER_OFF = control("cmdERASER_OFF");
    ImageControl* imgCRAYONS = control("imgCRAYONS");
    ImageControl* imgBRUSHES = control("imgBRUSHES");
    ToolBox toolBox{
        state,
        {&window, canvas, &cmdCOLOR, imgNONE, cmdERASER, cmdERASER_OFF, imgCRAYONS, imgBRUSHES}};
    QStringList allOffs; // what each AllOff call left on
    CanvasInput input{state, *canvas, *picOrig, history,
                      [this](const QString& except) { allOffs << except; }};

private:
    ImageControl* control(const char* name) {
        return new ImageControl(&window, name, controlRect(name));
    }

    // The canvas's events reach the handlers as the window connects them.
    const bool connected_ = [this] {
        QObject::connect(
            canvas, &Canvas::MouseDown, canvas,
            [this](int b, int s, float x, float y) { input.canvas_MouseDown(b, s, x, y); });
        QObject::connect(
            canvas, &Canvas::MouseMove, canvas,
            [this](int b, int s, float x, float y) { input.canvas_MouseMove(b, s, x, y); });
        QObject::connect(canvas, &Canvas::MouseUp, canvas, [this](int b, int s, float x, float y) {
            input.canvas_MouseUp(b, s, x, y);
        });
        return true;
    }();
};
