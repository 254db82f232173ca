#include "controls/ucButtonA.h"

#include "controls/ButtonFace.h"
#include "controls/Cursors.h"
#include "controls/Twips.h"

ucButtonA::ucButtonA(QWidget* parent) : QWidget(parent), imgButton(new ButtonFace(this)) {
    imgButton->move(0, 0);
    imgButton->setPointer(resourceCursor(QStringLiteral("HANDY")));
    connect(imgButton, &ButtonFace::MouseDown, this, &ucButtonA::faceMouseDown);
    connect(imgButton, &ButtonFace::MouseMove, this, &ucButtonA::faceMouseMove);
    connect(imgButton, &ButtonFace::Click, this, &ucButtonA::faceClick);
}

qint64 ucButtonA::handleOf(const QPixmap& picture) {
    return picture.isNull() ? 0 : qint64(picture.cacheKey());
}

const QPixmap& ucButtonA::facePicture() const {
    return imgButton->picture();
}
QWidget* ucButtonA::face() const {
    return imgButton;
}

bool ucButtonA::faceShows(const QPixmap& picture) const {
    return handleOf(imgButton->picture()) == handleOf(picture);
}

void ucButtonA::showOnFace(const QPixmap& picture) {
    imgButton->setPicture(picture);
}

void ucButtonA::repaintFace() {
    imgButton->repaint();
}

void ucButtonA::Reset() {
    if (faceShows(img_N))
        return;
    showOnFace(img_N);
    repaintFace();
}

void ucButtonA::setImg_DOWN(const QPixmap& New_img_DOWN) {
    img_D = New_img_DOWN;
    emit PropertyChanged(QStringLiteral("img_DOWN"));
}

void ucButtonA::setImg_ROLL(const QPixmap& New_img_ROLL) {
    img_R = New_img_ROLL;
    emit PropertyChanged(QStringLiteral("img_ROLL"));
}

void ucButtonA::setImg_NORM(const QPixmap& New_img_NORM) {
    img_N = New_img_NORM;
    showOnFace(img_N);
    resize(imgButton->size());
    emit PropertyChanged(QStringLiteral("img_NORM"));
}

QString ucButtonA::acToolTip() const {
    return imgButton->toolTip();
}

void ucButtonA::setAcToolTip(const QString& New_acToolTip) {
    imgButton->setToolTip(New_acToolTip);
    emit PropertyChanged(QStringLiteral("acToolTip"));
}

void ucButtonA::ReadProperties(const PropertyBag& bag) {
    img_D = bag.ReadProperty(QStringLiteral("img_DOWN")).value<QPixmap>();
    img_R = bag.ReadProperty(QStringLiteral("img_ROLL")).value<QPixmap>();
    img_N = bag.ReadProperty(QStringLiteral("img_NORM")).value<QPixmap>();
    imgButton->setToolTip(bag.ReadProperty(QStringLiteral("acToolTip"), QString()).toString());
}

void ucButtonA::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("img_DOWN"), img_D);
    bag.WriteProperty(QStringLiteral("img_ROLL"), img_R);
    bag.WriteProperty(QStringLiteral("img_NORM"), img_N);
    bag.WriteProperty(QStringLiteral("acToolTip"), acToolTip(), QString());
}

void ucButtonA::faceMouseDown() {
    showOnFace(img_D);
    repaintFace();
}

void ucButtonA::faceMouseMove(int buttons, double x, double y) {
    // Repeated reports of a position are dropped; only a move that changes
    // both coordinates counts.
    if (x == LastX || y == LastY)
        return;
    if (buttons == 1) {
        const int w = imgButton->width();
        const int h = imgButton->height();
        const bool inside = x > 0 && y > 0 && x < w && y < h;
        const QPixmap& wanted = inside ? img_D : img_N;
        if (!faceShows(wanted))
            showOnFace(wanted);
        repaintFace();
    } else if (!faceShows(img_R)) {
        showOnFace(img_R);
        repaintFace();
    }
    emit MouseMove();
    LastY = roundHalfEven(y);
    LastX = roundHalfEven(x);
}

void ucButtonA::faceClick() {
    Reset();
    repaintFace();
    emit Click();
}

void ucButtonA::showEvent(QShowEvent* event) {
    showOnFace(img_N);
    QWidget::showEvent(event);
}
