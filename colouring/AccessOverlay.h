#pragma once
// What the keyboard shows over the window: the mark around the control with
// the focus and the page's pointer mark. Drawn in the window's own units, so
// that it scales with the book.
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect mark_;
    std::optional<QPoint> pointer_;
    bool down_ = false;
};
