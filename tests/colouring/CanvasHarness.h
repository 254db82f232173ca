#pragma once
// The canvas and the outline copy of page 1 on a bare widget, the tool box's
// own handlers to pick a tool, and mouse events sent to the canvas itself: what
// the canvas handlers need, without the main window.
#include "colouring/Canvas.h"
#include "colouring/CanvasInput.h"
#include "colouring/ToolBox.h"
#include "colouring/UndoHistory.h"
#include "controls/ImageControl.h"
#include "tests/support/CanvasDriver.h"
#include "tests/support/Facts.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

class CanvasTest : public ::testing::Test, protected CanvasDriver {
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

    // Shows page as the outline copy and on the canvas.
    void setPage(const QImage& page) {
        picOrig->setPicture(page);
        canvas->setPicture(page);
    }

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
    void send(QTest::MouseAction action, QPoint p, Qt::MouseButton which) override {
        QTest::mouseEvent(action, canvas, which, {}, inBorder(p));
    }
    const PictureBox& drivenCanvas() const override { return *canvas; }
    const PictureBox& drivenOutline() const override { return *picOrig; }

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
