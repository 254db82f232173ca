#include "colouring/CanvasInput.h"

#include "colouring/Canvas.h"
#include "colouring/UndoHistory.h"
#include "controls/Twips.h"
#include "pixels/PenLine.h"
#include "pixels/PixelOps.h"
#include "pixels/SurfaceFill.h"

CanvasInput::CanvasInput(ProgramState& state, Canvas& canvas, PictureBox& picOrig,
                         UndoHistory& history, AllOffFn allOff)
    : state_(state), canvas_(canvas), picOrig_(picOrig), history_(history),
      allOff_(std::move(allOff)) {}

void CanvasInput::opening() {
    if (!history_.isOpen())
        history_.open(state_.CurrentPage, canvas_.Image());
}

void CanvasInput::changed(QRect area) {
    history_.changed(area);
}

int CanvasInput::pixelX(float x) const {
    return roundHalfEven(x / screenTwipsPerPixelX(&canvas_));
}
int CanvasInput::pixelY(float y) const {
    return roundHalfEven(y / screenTwipsPerPixelY(&canvas_));
}

void CanvasInput::line(double fromX, double fromY, double toX, double toY) {
    const double tx = screenTwipsPerPixelX(&canvas_);
    const double ty = screenTwipsPerPixelY(&canvas_);
    const QRect area =
        drawPenLine(canvas_.Image(), QPointF(fromX / tx, fromY / ty), QPointF(toX / tx, toY / ty),
                    canvas_.ForeColor, canvas_.DrawWidth);
    // No refresh of its own: the stroke shows with the next paint.
    canvas_.invalidate(area);
    changed(area);
}

void CanvasInput::canvas_MouseDown(int Button, int, float X, float Y) {
    if (gestureButton_ != 0)
        return;
    gestureButton_ = Button;
    if (Button != 1 || !state_.ToolArmed)
        return;
    if (state_.ToolKind == ToolKinds::DrawMode) {
        // The step runs from this press to the release.
        opening();
        if (state_.EraserOn) {
            const int side = canvas_.DrawWidth;
            changed(blockAnd(canvas_.Image(), picOrig_.Image(), pixelX(X), pixelY(Y), side, side));
            canvas_.refresh();
        } else {
            LastPenX = roundHalfEven(X);
            LastPenY = roundHalfEven(Y);
            line(LastPenX, LastPenY, X, Y);
        }
    } else if (state_.ToolKind == ToolKinds::PaintMode) {
        const int x = pixelX(X);
        const int y = pixelY(Y);
        opening();
        // Outside the picture there is nothing to read: no fill.
        if (const auto colour = readPixel(canvas_.Image(), x, y);
            colour && *colour != kOutlineBlack)
            changed(surfaceFill(canvas_.Image(), x, y, canvas_.FillColor));
        history_.close(canvas_.Image());
        canvas_.refresh();
    }
}

void CanvasInput::canvas_MouseMove(int Button, int Shift, float X, float Y) {
    allOff_(QString());
    // A release that went elsewhere (a window that took the mouse) still
    // ends the gesture, so the canvas never waits for it for ever.
    if (gestureButton_ != 0 && !(Button & gestureButton_))
        canvas_MouseUp(gestureButton_, Shift, X, Y);
    if (Button != 1 || !state_.ToolArmed)
        return;
    if (state_.EraserOn) {
        if (state_.ToolKind == ToolKinds::DrawMode) {
            const int side = canvas_.DrawWidth;
            opening();
            const QRect area =
                blockCopy(canvas_.Image(), picOrig_.Image(), pixelX(X), pixelY(Y), side, side);
            changed(area);
            canvas_.refresh(area);
        }
        return;
    }
    if (state_.ToolKind == ToolKinds::DrawMode) {
        if (LastPenX != 0 && LastPenY != 0) {
            opening();
            line(LastPenX, LastPenY, X, Y);
        }
        LastPenX = roundHalfEven(X);
        LastPenY = roundHalfEven(Y);
    }
}

void CanvasInput::canvas_MouseUp(int Button, int, float, float) {
    if (gestureButton_ != 0 && Button != gestureButton_)
        return;
    gestureButton_ = 0;
    LastPenX = 0;
    LastPenY = 0;
    if (state_.ToolKind != ToolKinds::DrawMode)
        return;
    // Stamps the outlines back over every stroke, across the whole control:
    // a stroke at the client area's edge also reaches the picture's last
    // columns and rows under the border, which are stored with the page.
    // The stamp closes the gesture's step and belongs to it.
    opening();
    changed(blockAnd(canvas_.Image(), picOrig_.Image(), 0, 0, canvas_.width(), canvas_.height()));
    history_.close(canvas_.Image());
    canvas_.refresh();
}
