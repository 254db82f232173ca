#pragma once
// A lightweight picture on a window: it shows its picture unscaled (or
// nothing), takes presses over its whole rectangle even where it is
// transparent, and has no pointer of its own, so the window's shows over it.
#include <QPixmap>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent, const QString& name, QRect place,
                          const QPixmap& picture = {});

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    QString Tag; // free text a host keeps with the control

signals:
    // Button as 1 = left, 2 = right, 4 = middle.
    void MouseDown(int button);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

// The platform's mouse button as 1 = left, 2 = right, 4 = middle.
int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
