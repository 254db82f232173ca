#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A fixed-size window owned by another, with a picture painted behind its
// controls from the top-left corner, drawn for finer screens from its SVG
// source (see svgSource). Closing it destroys it.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    PictureWindow(QWidget* owner, const QImage& background, const QString& source,
                  QSize clientSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};
