#include "colouring/CanvasLatch.h"

#include "colouring/Canvas.h"
#include "colouring/CanvasInput.h"
#include "controls/Twips.h"

#include <algorithm>

namespace {
constexpr int kStep = 4;
constexpr int kFineStep = 1;
constexpr int kFastestStep = 16;
constexpr int kRepeatsPerSpeedUp = 6;
} // namespace

CanvasLatch::CanvasLatch(ProgramState& state, Canvas& canvas, CanvasInput& input)
    : state_(state), canvas_(canvas), input_(input) {
    centre();
}

void CanvasLatch::centre() {
    pointer_ = canvas_.clientRect().translated(-canvas_.clientRect().topLeft()).center();
}

float CanvasLatch::twipsX(int x) const {
    return float(x * screenTwipsPerPixelX(&canvas_));
}
float CanvasLatch::twipsY(int y) const {
    return float(y * screenTwipsPerPixelY(&canvas_));
}

void CanvasLatch::step(QPoint direction, bool fine, bool repeat) {
    repeats_ = repeat ? repeats_ + 1 : 0;
    const int distance =
        fine ? kFineStep : std::min(kStep * (1 + repeats_ / kRepeatsPerSpeedUp), kFastestStep);
    moveTo(pointer_ + direction * distance);
}

void CanvasLatch::moveTo(QPoint pixel) {
    const QRect page = canvas_.clientRect().translated(-canvas_.clientRect().topLeft());
    pointer_ = {std::clamp(pixel.x(), page.left(), page.right()),
                std::clamp(pixel.y(), page.top(), page.bottom())};
    if (down_)
        input_.canvas_MouseMove(1, 0, twipsX(pointer_.x()), twipsY(pointer_.y()));
}

void CanvasLatch::press() {
    const float x = twipsX(pointer_.x());
    const float y = twipsY(pointer_.y());
    if (down_) {
        down_ = false;
        input_.canvas_MouseUp(1, 0, x, y);
    } else if (latches() && state_.ToolArmed) {
        down_ = true;
        input_.canvas_MouseDown(1, 0, x, y);
    } else {
        input_.canvas_MouseDown(1, 0, x, y);
        input_.canvas_MouseUp(1, 0, x, y);
    }
}
