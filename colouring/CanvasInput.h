#pragma once
// The three mouse handlers of the canvas: fills in paint mode, freehand
// strokes with the outlines stamped back on release in draw mode, and the
// eraser in either. They act only while a colour or the eraser is picked.
// Each gesture's changes go to the page's undo history as one step.
#include "colouring/ProgramState.h"

#include <QString>
#include <cstdint>
#include <functional>

class Canvas;
class PictureBox;
class UndoHistory;

class CanvasInput {
public:
    using AllOffFn = std::function<void(const QString&)>;

    CanvasInput(ProgramState& state, Canvas& canvas, PictureBox& picOrig, UndoHistory& history,
                AllOffFn allOff);

    void canvas_MouseDown(int Button, int Shift, float X, float Y);
    void canvas_MouseMove(int Button, int Shift, float X, float Y);
    void canvas_MouseUp(int Button, int Shift, float X, float Y);

    // The previous point of the stroke in progress, in whole twips; there is
    // none while either is 0.
    std::int32_t LastPenX = 0;
    std::int32_t LastPenY = 0;

private:
    // The button whose press began the gesture in progress, 0 between
    // gestures: presses and releases of other buttons meanwhile are ignored.
    int gestureButton_ = 0;

    int pixelX(float x) const;
    int pixelY(float y) const;
    void line(double fromX, double fromY, double toX, double toY);
    // Opens the gesture's step before its first change, if not yet open.
    void opening();
    void changed(QRect area);

    ProgramState& state_;
    Canvas& canvas_;
    PictureBox& picOrig_;
    UndoHistory& history_;
    AllOffFn allOff_;
};
