#pragma once
// A picture button with three faces: normal, rollover (pointer over it) and
// pressed. It never notices that the pointer has left it; the host calls
// Reset for that. Pictures are compared by handle so that repeated moves
// over a hovered button repaint nothing.
#include "controls/PropertyBag.h"

#include <QPixmap>
#include <QWidget>

class ButtonFace;

class ucButtonA : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap img_DOWN READ img_DOWN WRITE setImg_DOWN)
    Q_PROPERTY(QPixmap img_ROLL READ img_ROLL WRITE setImg_ROLL)
    Q_PROPERTY(QPixmap img_NORM READ img_NORM WRITE setImg_NORM)
    Q_PROPERTY(QString acToolTip READ acToolTip WRITE setAcToolTip)

public:
    explicit ucButtonA(QWidget* parent = nullptr);

    Q_INVOKABLE void Reset();

    QPixmap img_DOWN() const { return img_D; }
    void setImg_DOWN(const QPixmap& New_img_DOWN);
    QPixmap img_ROLL() const { return img_R; }
    void setImg_ROLL(const QPixmap& New_img_ROLL);
    QPixmap img_NORM() const { return img_N; }
    void setImg_NORM(const QPixmap& New_img_NORM);
    QString acToolTip() const;
    void setAcToolTip(const QString& New_acToolTip);

    // The host's stored properties, read when loaded, written when saved.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The picture on the face and its handle.
    const QPixmap& facePicture() const;
    static qint64 handleOf(const QPixmap& picture);
    QWidget* face() const;

signals:
    void Click();
    void MouseMove();
    void PropertyChanged(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Pointer handling, in the face's own units; buttons: 1 left, 2 right, 4 middle.
    void faceMouseDown();
    void faceMouseMove(int buttons, double x, double y);
    void faceClick();
    bool faceShows(const QPixmap& picture) const;
    void showOnFace(const QPixmap& picture);
    void repaintFace();

    ButtonFace* imgButton;
    QPixmap img_N;
    QPixmap img_R;
    QPixmap img_D;
    qint32 LastX = 0;
    qint32 LastY = 0;
};
