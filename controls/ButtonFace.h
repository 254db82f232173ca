#pragma once
// The visible face of an image button: shows one picture unscaled at its
// top-left and turns the platform's mouse events into the button's own.
#include <QCursor>
#include <QPixmap>
#include <QWidget>

class ucButtonA;

class ButtonFace : public QWidget {
    Q_OBJECT
public:
    explicit ButtonFace(ucButtonA* owner);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    // The face's own pointer, drawn for the screen whenever the pointer enters.
    void setPointer(const QCursor& pointer);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ucButtonA* owner_;
    QPixmap picture_;
    QCursor pointer_;
};
