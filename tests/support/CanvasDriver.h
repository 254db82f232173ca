#pragma once
// A child's pointer on the canvas, by pixel of its picture (inside the
// canvas's 2-pixel border), and the canvas and its outline copy read back.
// Where the events go is the fixture's: straight to the canvas, or through
// the platform's dispatch of the whole window.
#include "colouring/PictureBox.h"

#include <QImage>
#include <QPoint>
#include <QTest>
#include <vector>

class CanvasDriver {
public:
    void canvasPress(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        send(QTest::MousePress, p, which);
    }
    void canvasMove(QPoint p) { send(QTest::MouseMove, p, Qt::NoButton); }
    void canvasRelease(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        send(QTest::MouseRelease, p, which);
    }
    void canvasClick(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        send(QTest::MouseClick, p, which);
    }
    // Press at the first point, move through the others, release at the
    // last, where the last move left the pointer, so that the platform adds
    // no move of its own.
    void stroke(const std::vector<QPoint>& points) {
        canvasPress(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            canvasMove(points[i]);
        canvasRelease(points.back());
    }

    QImage canvasImage() const { return drivenCanvas().Image().copy(); }
    QRgb canvasAt(QPoint p) const { return drivenCanvas().Image().pixel(p) | 0xff000000u; }
    const QImage& outline() const { return drivenOutline().Image(); }
    bool outlineBlack(QPoint p) const { return (outline().pixel(p) & 0xffffff) == 0; }

protected:
    ~CanvasDriver() = default;
    static QPoint inBorder(QPoint p) { return p + QPoint(2, 2); }
    // One pointer event at pixel p of the canvas's picture.
    virtual void send(QTest::MouseAction action, QPoint p, Qt::MouseButton which) = 0;
    virtual const PictureBox& drivenCanvas() const = 0;
    virtual const PictureBox& drivenOutline() const = 0;
};
