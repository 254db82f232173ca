#pragma once
// The print button: the child's picture on paper, in colour, as large as
// the printable area allows with its proportions kept, centred, one page.
#include "controls/MessageReport.h"

#include <QRect>
#include <QString>

class QImage;
class QPrinter;
class QWidget;

// Where picture goes on a page whose printable area is area: scaled to fit,
// proportions kept, centred.
QRect fittedPlace(QSize picture, QRect area);

// Prints picture on printer, already set up. Returns the reason when the
// printer refused, empty on success.
QString printPicture(QPrinter& printer, const QImage& picture);

// cmdPRINT's Click: the system's print dialog, modal to window. Cancelled,
// nothing happens; a failure is told once with the printer's name.
void cmdPRINT_Click(QWidget* window, const QImage& canvasImage, const MessageReport& report);
