#pragma once
// The page coloured without holding a button down: a pointer steered by the
// keys, and strokes that one press starts and the next ends, for the
// keyboard, for switches and for click_to_draw. It drives the canvas's own
// mouse handlers, so a fill or a stroke is what a click or a drag makes,
// one undo step each.
#include "colouring/ProgramState.h"

#include <QPoint>

class Canvas;
class CanvasInput;

class CanvasLatch {
public:
    CanvasLatch(ProgramState& state, Canvas& canvas, CanvasInput& input);

    // In page pixels; starts at the page's centre.
    QPoint pointer() const { return pointer_; }
    void centre();
    // An arrow key: 4 pixels a press, 1 when fine; a held key's repeats
    // go faster and faster.
    void step(QPoint direction, bool fine, bool repeat);
    // Moves the pointer there (kept on the page), drawing while down.
    void moveTo(QPoint pixel);
    // A press at the pointer: in paint mode a click there (a fill); in
    // draw mode it puts the crayon or the eraser down, or lifts it.
    void press();
    bool down() const { return down_; }
    // Whether a press here starts a stroke rather than clicking.
    bool latches() const { return state_.ToolKind == ToolKinds::DrawMode; }

private:
    float twipsX(int x) const;
    float twipsY(int y) const;

    ProgramState& state_;
    Canvas& canvas_;
    CanvasInput& input_;
    QPoint pointer_;
    int repeats_ = 0;
    bool down_ = false;
};
