#include "app/PageSheet.h"

#include "colouring/PictureBox.h"

#include <QPainter>

namespace {

// A rectangle outline, three pixels wide, drawn inside its own bounds.
class FrameShape : public QWidget {
public:
    explicit FrameShape(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("sANIM"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int kLine = 3;
        QPainter p(this);
        const QColor ink(40, 40, 40);
        p.fillRect(0, 0, width(), kLine, ink);
        p.fillRect(0, height() - kLine, width(), kLine, ink);
        p.fillRect(0, 0, kLine, height(), ink);
        p.fillRect(width() - kLine, 0, kLine, height(), ink);
    }
};

} // namespace

PageSheet::PageSheet(QWidget* parent) : QWidget(parent), sANIM(new FrameShape(this)) {
    setObjectName(QStringLiteral("imgANIM"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void PageSheet::prepare(const QImage& picture) {
    picture_ = picture;
    // The sheet hides the picture's last four columns and rows, as the
    // canvas's border does.
    setGeometry(2, 2, picture.width() - 4, picture.height() - 4);
    sANIM->setGeometry(0, 0, width(), height());
    sANIM->show();
    show();
}

void PageSheet::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smoothPictureScaling(devicePixelRatioF()));
    p.fillRect(rect(), Qt::white);
    p.drawImage(0, 0, picture_);
}
