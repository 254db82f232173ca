#pragma once
// The visible face of an image button: shows one picture unscaled at its
// top-left and turns the platform's mouse events into the button's own.
#include <QPixmap>
#include <QWidget>

class ucButtonA;

class ButtonFace : public QWidget {
    Q_OBJECT
public:
    explicit ButtonFace(ucButtonA* owner);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ucButtonA* owner_;
    QPixmap picture_;
};
