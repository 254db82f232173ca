#pragma once
#include <QImage>
#include <QWidget>

// A fixed-size window owned by another, with a picture painted behind its
// controls from the top-left corner. Closing it destroys it.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    PictureWindow(QWidget* owner, QImage background, QSize clientSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage background_;
};
