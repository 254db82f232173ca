#pragma once
// A page turned by the page buttons, from storing the page left to the last
// frame of the slide: the sheet moved 20 pixels a frame, each frame painted
// at once and followed by its pause, and a record of the frames. The
// window's own operations store and show the pages.
#include <QImage>
#include <QPoint>
#include <functional>
#include <vector>

class Canvas;
class PageSheet;

class PageTurn {
public:
    // The pause after each frame.
    static constexpr int kFramePauseMs = 10;
    // How far the sheet moves a frame, in window pixels.
    static constexpr int kSheetStep = 20;
    // Where the sheet stood in a frame, and how long the pause after it lasted.
    struct Frame {
        QPoint sheet;
        qint64 pauseNs;
    };

    PageTurn(Canvas& canvas, PageSheet& sheet) : canvas_(canvas), sheet_(sheet) {}

    // Stores the page shown with store, then turns by step with show. A page
    // left unstored would come back without its colouring: when store fails
    // (it has said why) the turn stays on that page, and the next press
    // tries again.
    void leave(int step, const std::function<bool()>& store, const std::function<void(int)>& show);
    // From the store to the last frame.
    bool running() const { return running_; }

    // Shows newPage by the sign of step: slid in from the right over the
    // page shown, at once for 0, or uncovered by the page shown sliding out
    // to the right. Each frame is followed by a pause of intervalMs.
    void show(int step, const QImage& newPage, int intervalMs);

    // The frames since the last clearFrames.
    const std::vector<Frame>& frames() const { return frames_; }
    void clearFrames() { frames_.clear(); }

private:
    void forward(const QImage& newPage, int intervalMs);
    void backward(const QImage& newPage, int intervalMs);
    void showFrame(int sheetLeft, int intervalMs);

    Canvas& canvas_;
    PageSheet& sheet_;
    std::vector<Frame> frames_;
    bool running_ = false;
};
