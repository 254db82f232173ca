#pragma once
// The drawing surface: a picture box with the pen and fill settings of the
// page being coloured. Mouse positions go to the handlers in twips relative
// to the client area, read against the screen's resolution at each event.
#include "book/Colour.h"
#include "colouring/PictureBox.h"

// The picture pixel under the pointer, in client-area pixels. Qt hands a
// widget the pointer rounded to whole logical pixels; on a scaled screen the
// position in the window keeps the fraction that decides which pixel is under
// it. position: the event's, in the widget; scenePosition: in its window.
QPoint pixelUnderPointer(QPointF position, QPointF scenePosition, int border);

class Canvas : public PictureBox {
    Q_OBJECT
public:
    Canvas(QWidget* parent, QRect place);

    Colour ForeColor = 255; // stroke colour
    Colour FillColor = 255;
    int DrawWidth = 10; // pixels; also the eraser's block side
    // Holds children (the sliding sheet) clipped to the client area.
    QWidget* clientArea() const { return client_; }

signals:
    // Button: the one concerned (press/release) or the set held (move):
    // 1 left, 2 right, 4 middle. X and Y in twips.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF twipsOf(const QMouseEvent* event) const;
    static int shiftOf(const QMouseEvent* event);

    QWidget* client_;
};
