#pragma once
// The visible face of an image button: shows one picture unscaled at its
// top-left and turns the platform's mouse events into the face's own, for
// the button that owns it.
#include <QCursor>
#include <QPixmap>
#include <QWidget>

class ButtonFace : public QWidget {
    Q_OBJECT
public:
    explicit ButtonFace(QWidget* owner);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    // The face's own pointer, drawn for the screen whenever the pointer enters.
    void setPointer(const QCursor& pointer);

signals:
    void MouseDown();
    // buttons: 1 left, 2 right, 4 middle; x and y in the face's own pixels.
    void MouseMove(int buttons, double x, double y);
    void Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QCursor pointer_;
};
