#pragma once
// What the keyboard and the switches show over the window: the mark around
// the control with the focus or the scan's highlight, the page's pointer
// mark, the outline of the area a switch would fill and the sweeping line.
// Drawn in the window's own units, so that it scales with the book.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

class AccessOverlay : public QWidget {
    Q_OBJECT
public:
    explicit AccessOverlay(QWidget* window);

    // Each in the window's coordinates; an empty rectangle shows no mark.
    void markAround(QRect place);
    void showPointer(std::optional<QPoint> point, bool down = false);
    // edge: a mask the page's size (see areaEdge), laid at pageOrigin.
    void showAreaEdge(const QImage& edge, QPoint pageOrigin);
    // A line across the page: horizontal at y, or vertical at x.
    enum class Sweep { None, Row, Column };
    void showSweep(Sweep kind, int at, QRect page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect mark_;
    std::optional<QPoint> pointer_;
    bool down_ = false;
    QImage edge_;
    QPoint edgeOrigin_;
    Sweep sweep_ = Sweep::None;
    int sweepAt_ = 0;
    QRect sweepPage_;
};
