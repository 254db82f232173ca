#pragma once
#include "postcard/PictureWindow.h"

#include <QString>

class QLabel;

// The small window that tells how a postcard delivery is going.
class frmSTATUS : public PictureWindow {
    Q_OBJECT

public:
    frmSTATUS(QWidget* owner, const QString& dataFolder);

    // Shows the window and returns once the window system has it on screen.
    void showNow();

    // Puts text in lblStatus and paints it at once: the steps that follow
    // block the window until they are done.
    void showStatus(const QString& text);

    QString statusText() const;

private:
    QLabel* lblStatus;
};
