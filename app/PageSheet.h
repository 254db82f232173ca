#pragma once
// The sheet that slides over the canvas while a page turns: the page's
// picture without its last four columns and rows, inside a 3-pixel frame.
#include <QImage>
#include <QWidget>

class PageSheet : public QWidget {
    Q_OBJECT
public:
    explicit PageSheet(QWidget* parent);

    const QImage& picture() const { return picture_; }
    // Puts picture on the sheet and sizes the sheet for it, at (2, 2).
    void prepare(const QImage& picture);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
    QWidget* sANIM;
};
