#pragma once
// A picture surface that keeps its picture in a retained image: what is drawn
// into the image stays, repaints come from it, and it is what gets stored.
// The picture is shown unscaled from the top-left of the client area, inside
// an optional sunken border.
#include <QImage>
#include <QWidget>

// How a picture is shown at ratio device pixels to its pixel: line art keeps
// its edges hard at whole ratios (each pixel a square of pixels) and drawn
// smoothly at fractional ones, where plain sampling would draw lines of one
// width one or two pixels wide. The picture's own pixels never change.
bool smoothPictureScaling(qreal ratio);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QString& name, QRect place, int border);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    // Replaces the whole retained image by a copy of picture.
    void setPicture(const QImage& picture);

    int border() const { return border_; }
    // Client-area coordinates to the widget's own.
    QRect clientRect() const;
    // Repaints the changed part of the image at once (the whole when empty).
    void refresh(QRect changed = {});
    // Marks the changed part of the image for the next paint.
    void invalidate(QRect changed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    int border_;
};
