#pragma once
// The book full screen: the main window, with its fixed layout, laid into a
// window that covers the screen it is on, scaled by the largest factor that
// fits and centred, the margins continuing the window's own desk. F11
// turns it on and off; Escape does nothing.
#include "app/ScreenScale.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QScreen;
class frmCANVAS;

class FullScreenHost : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenHost(frmCANVAS& book);
    ~FullScreenHost() override;

    bool isOn() const { return on_; }
    void enter();
    void leave();
    void toggle();
    // Full screen that F11 does not leave.
    bool kiosk = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void pointerToScale();
    void fitToScreenPixels(QScreen* screen);

    frmCANVAS& book_;
    ScreenScale scale_;
    Qt::WindowFlags windowFlags_;
    QPoint windowPlace_;
    bool on_ = false;
};
